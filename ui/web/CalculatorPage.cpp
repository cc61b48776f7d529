#include "ui/web/CalculatorPage.h"

#include "ui/form/DecimalSeparator.h"
#include "ui/form/FormLayout.h"

#include <optional>

namespace taruk::web {

namespace {

std::optional<FieldId> fieldNamed(std::string_view name)
{
    for (FieldId id : kAllFields)
        if (fieldName(id) == name)
            return id;
    return std::nullopt;
}

} // namespace

CalculatorPage::CalculatorPage(std::string_view decimalMark)
    : m_store([this](FieldId id, std::string_view text) { m_router.textChanged(id, text); }),
      m_router(m_store, m_notifier, decimalSeparatorFor(decimalMark))
{
}

void CalculatorPage::attach()
{
    // In keyboard order, as the user would have visited the boxes; the
    // router judges only a text that differs from what it last judged.
    for (std::size_t index : FormLayout::kFocusOrder) {
        const ControlSpec &control = FormLayout::kControls[index];
        if (control.kind == ControlSpec::Kind::TextBox && !isOutputField(*control.field))
            m_router.textChanged(*control.field, m_store.getText(*control.field));
    }
}

void CalculatorPage::press(std::string_view button)
{
    if (button == "Command1")
        m_router.press(EventRouter::Button::Command1);
    else if (button == "Command2")
        m_router.press(EventRouter::Button::Command2);
}

void CalculatorPage::textChanged(std::string_view box)
{
    if (const auto id = fieldNamed(box))
        m_router.textChanged(*id, m_store.getText(*id));
}

void CalculatorPage::compositionStarted(std::string_view box)
{
    if (const auto id = fieldNamed(box))
        m_router.compositionStarted(*id);
}

void CalculatorPage::compositionEnded(std::string_view box)
{
    if (const auto id = fieldNamed(box))
        m_router.compositionEnded(*id, m_store.getText(*id));
}

} // namespace taruk::web
