#pragma once

#include "core/Fields.h"
#include "ui/form/TrackingNotifier.h"

#include <QWidget>

#include <array>
#include <memory>

class QLocale;

namespace taruk {

class TextBox;
class WidgetFieldStore;

// The calculator's one window. It owns the field texts (in its text boxes)
// and lends the core a store over them and a notifier for each event.
class CalculatorForm : public QWidget {
    Q_OBJECT

public:
    // Without a notifier, notices appear in modal message boxes.
    explicit CalculatorForm(Notifier *notifier = nullptr, QWidget *parent = nullptr);
    ~CalculatorForm() override;

    TextBox *textBox(FieldId id) const { return m_boxes[fieldIndex(id)]; }

    // The separator the core reads and writes numbers with: the locale's,
    // or '.' where that is not a single ASCII mark.
    static char decimalSeparator(const QLocale &locale);

    // The face for all text but the two results: one that has Chinese glyphs.
    static QFont defaultFont();
    // The two result boxes draw in a Song face, as 宋体 on Windows.
    static QFont resultFont();

private:
    void buildControls();
    void Command1_Click();
    void Command2_Click();
    void Text1_Change();
    void Text2_Change();

    std::array<TextBox *, kFieldCount> m_boxes{};
    std::unique_ptr<Notifier> m_ownNotifier;
    // Every notice goes through here; nothing starts while one is open.
    TrackingNotifier m_notices;
    std::unique_ptr<WidgetFieldStore> m_store;
};

} // namespace taruk
