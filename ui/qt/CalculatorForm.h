#pragma once

#include "core/Fields.h"

#include <QWidget>

#include <array>
#include <memory>

namespace taruk {

class EventRouter;
class Notifier;
class TextBox;
class WidgetFieldStore;

// The calculator's one window, built from the shared control table. It owns
// the field texts (in its text boxes) and reports what the user does to the
// shared event routing, which lends the core a store over the boxes and the
// window's notices.
class CalculatorForm : public QWidget {
    Q_OBJECT

public:
    // Without a notifier, notices appear in modal message boxes. Numbers are
    // read and written with the given separator.
    explicit CalculatorForm(Notifier *notifier = nullptr,
                            char decimalSeparator = systemDecimalSeparator(),
                            QWidget *parent = nullptr);
    ~CalculatorForm() override;

    TextBox *textBox(FieldId id) const { return m_boxes[fieldIndex(id)]; }

    // The separator of the user's locale, where the core can use it.
    static char systemDecimalSeparator();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    // Red and navy where they are readable on the boxes' background, lighter
    // shades of them on a dark one.
    void colourResults();

    std::array<TextBox *, kFieldCount> m_boxes{};
    std::unique_ptr<Notifier> m_ownNotifier;
    std::unique_ptr<WidgetFieldStore> m_store;
    std::unique_ptr<EventRouter> m_router;
};

} // namespace taruk
