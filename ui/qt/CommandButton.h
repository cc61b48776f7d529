#pragma once

#include <QPushButton>

#include <functional>

namespace taruk {

// A push button of the calculator. Enter presses it when it has the focus,
// as Space does and as on Windows; it is never a default button.
//
// activated() is its press: it fires on a click, unless the window was
// blocked (a notice open) when the press began or when it completes. A
// screen reader's "press" action clicks the button after a delay and
// without asking whether a modal box is open, so the check cannot be left
// to the window system.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString &caption, std::function<bool()> blocked, QWidget *parent);

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<bool()> m_blocked;
    bool m_pressAccepted = false;
};

} // namespace taruk
