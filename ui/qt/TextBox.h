#pragma once

#include <QLineEdit>

namespace taruk {

// A single-line text box as the calculator's fields need it.
//
// committedTextChanged() fires for every change of the text the user has
// committed, but not while an input method is still composing: Qt removes a
// selection as soon as a composition starts, and a check must not judge that
// half-typed state. Once the composition ends, the signal fires if the text
// then differs from the text before it began.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(const QString &text, QWidget *parent);

    // Replaces the text as the program does (not the user): any composition
    // is over, the change is reported at once, and the box shows the new
    // text from its first character, as a Windows edit box does.
    void writeText(const QString &text);

signals:
    void committedTextChanged();

protected:
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void onTextChanged();

    bool m_composing = false;
    QString m_textBeforeComposing;
};

} // namespace taruk
