#pragma once

#include <QLineEdit>

namespace taruk {

// A single-line text box as the calculator's fields need it: it keeps
// whatever is typed or pasted, however long, and tells when an input method
// starts and ends composing in it. Qt removes a selection as soon as a
// composition starts and shows the composition in the box, so a change seen
// between compositionStarted() and compositionEnded() is not the user's text
// yet.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(const QString &text, QWidget *parent);

    // Replaces the text as the program does (not the user): the change is
    // reported before this returns, and the box shows the new text from its
    // first character, as a Windows edit box does. The window's rules take
    // the write as the end of any composition; the box only forgets it, so
    // that the next one is reported as starting.
    void writeText(const QString &text);

signals:
    void compositionStarted();
    void compositionEnded();

protected:
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    bool m_composing = false;
};

} // namespace taruk
