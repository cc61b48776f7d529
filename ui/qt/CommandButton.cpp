#include "ui/qt/CommandButton.h"

#include <QKeyEvent>

namespace taruk {

CommandButton::CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed(event);
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace taruk
