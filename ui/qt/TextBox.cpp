#include "ui/qt/TextBox.h"

#include <QInputMethodEvent>

#include <limits>

namespace taruk {

TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    // Keep whatever is typed or pasted, however long.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::writeText(const QString &text)
{
    m_composing = false;
    setText(text); // the change is reported in here
    // setText leaves the cursor at the end, which scrolls a long result so
    // that only its tail shows.
    setCursorPosition(0);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const bool composingAfter = !event->preeditString().isEmpty();
    if (!m_composing && composingAfter && !isReadOnly()) {
        m_composing = true;
        emit compositionStarted(); // before Qt removes the selection
    }
    QLineEdit::inputMethodEvent(event);
    if (m_composing && !composingAfter) {
        m_composing = false;
        emit compositionEnded();
    }
}

} // namespace taruk
