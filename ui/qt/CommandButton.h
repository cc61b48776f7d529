#pragma once

#include <QPushButton>

namespace taruk {

// A push button of the calculator. Enter on it when it has the focus is
// reported as enterPressed(), its repeats included, for the window's rules to
// press it, as Space does and as on Windows; it is never a default button.
// Its press by mouse, Space or a screen reader reaches the window as
// pressed() and then clicked().
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString &caption, QWidget *parent);

signals:
    void enterPressed(bool repeat);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace taruk
