#pragma once

#include <QPushButton>

namespace taruk {

// A push button of the calculator. Enter presses it when it has the focus,
// as Space does and as on Windows; it is never a default button. Its press
// reaches the window as pressed() and then clicked().
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace taruk
