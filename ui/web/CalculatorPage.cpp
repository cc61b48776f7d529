#include "ui/web/CalculatorPage.h"

#include "ui/form/DecimalSeparator.h"

#include <optional>

namespace taruk::web {

namespace {

std::optional<EventRouter::Button> buttonNamed(std::string_view name)
{
    if (name == "Command1")
        return EventRouter::Button::Command1;
    if (name == "Command2")
        return EventRouter::Button::Command2;
    return std::nullopt;
}

} // namespace

CalculatorPage::CalculatorPage(std::string_view decimalMark)
    : m_store([this](FieldId id, std::string_view text) { m_router.textChanged(id, text); }),
      m_router(m_store, m_notifier, decimalSeparatorFor(decimalMark))
{
}

void CalculatorPage::press(std::string_view button)
{
    if (const auto pressed = buttonNamed(button))
        m_router.press(*pressed);
}

void CalculatorPage::pressKey(std::string_view button, EventRouter::Modifiers held, bool repeat)
{
    if (const auto pressed = buttonNamed(button))
        m_router.enterKeyDown(*pressed, held, repeat);
}

void CalculatorPage::textChanged(std::string_view box, std::string_view text)
{
    if (const auto id = fieldNamed(box))
        m_router.textChanged(*id, text);
}

void CalculatorPage::compositionStarted(std::string_view box)
{
    if (const auto id = fieldNamed(box))
        m_router.compositionStarted(*id);
}

void CalculatorPage::compositionEnded(std::string_view box, std::string_view text)
{
    if (const auto id = fieldNamed(box))
        m_router.compositionEnded(*id, text);
}

void CalculatorPage::compositionEndedDuringNotice(std::string_view box)
{
    if (const auto id = fieldNamed(box))
        m_router.compositionEndedDuringNotice(*id);
}

} // namespace taruk::web
