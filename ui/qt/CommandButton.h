#pragma once

#include <QPushButton>

namespace taruk {

// A push button of the calculator. Enter on it when it has the focus, its
// repeats included, is reported as enterPressed() for the window's rules to
// press it or not, and to accept the event or ignore it (it then goes on to
// the window); it is never a default button.
// Its press by mouse, Space or a screen reader reaches the window as
// pressed() and then clicked().
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString &caption, QWidget *parent);

signals:
    void enterPressed(QKeyEvent *event);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace taruk
