#include "ui/qt/CommandButton.h"

#include <QKeyEvent>

#include <utility>

namespace taruk {

CommandButton::CommandButton(const QString &caption, std::function<bool()> blocked, QWidget *parent)
    : QPushButton(caption, parent),
      m_blocked(std::move(blocked))
{
    setAutoDefault(false);
    connect(this, &QAbstractButton::pressed, this, [this] { m_pressAccepted = !m_blocked(); });
    connect(this, &QAbstractButton::clicked, this, [this] {
        const bool accepted = m_pressAccepted && !m_blocked();
        m_pressAccepted = false;
        if (accepted)
            emit activated();
    });
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace taruk
