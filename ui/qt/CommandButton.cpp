#include "ui/qt/CommandButton.h"

#include <QKeyEvent>

namespace taruk {

CommandButton::CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        emit enterPressed(event->isAutoRepeat());
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace taruk
