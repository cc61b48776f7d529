#include "ui/web/CalculatorPage.h"

#include "ui/form/DecimalSeparator.h"
#include "ui/form/FormLayout.h"
#include "ui/form/ResultColour.h"
#include "ui/web/PageDom.h"

#include <optional>

namespace taruk::web {

namespace {

namespace L = FormLayout;

// The read-only boxes' background and text under a light and a dark colour
// scheme (calculator.css). A high-contrast mode is the browser's forced
// colours, which draw every text in the colour the user chose, as the rule
// says.
constexpr BoxTheme kLight = {{240, 240, 240}, {0, 0, 0}, false};
constexpr BoxTheme kDark = {{30, 30, 30}, {232, 232, 232}, false};

double px(int twips) { return static_cast<double>(twips) / L::kTwipsPerPixel; }

std::optional<EventRouter::Button> buttonNamed(std::string_view name)
{
    if (name == "Command1")
        return EventRouter::Button::Command1;
    if (name == "Command2")
        return EventRouter::Button::Command2;
    return std::nullopt;
}

void buildControls()
{
    PageDom::setWindow(L::kWindowCaption, px(L::kClientWidthTwips), px(L::kClientHeightTwips));
    for (const ControlSpec &spec : L::kControls) {
        const bool box = spec.kind == ControlSpec::Kind::TextBox;
        const std::string_view labelled =
            !box && spec.field ? fieldName(*spec.field) : std::string_view();
        PageDom::addControl(spec, labelled, px(spec.left), px(spec.top), px(spec.width),
                            px(spec.height), box && isOutputField(*spec.field));
        if (box)
            PageDom::setText(*spec.field, startupText(*spec.field));
    }
    for (FieldId id : {FieldId::Text4, FieldId::Text6})
        PageDom::styleResult(fieldName(id), resultTextColour(id, kLight),
                             resultTextColour(id, kDark));
    PageDom::focus(L::kControls[L::kFocusOrder.front()].name);
}

} // namespace

CalculatorPage::CalculatorPage(std::string_view decimalMark)
    : m_store([this](FieldId id, std::string_view text) { m_router.textChanged(id, text); }),
      m_router(m_store, m_notifier, decimalSeparatorFor(decimalMark))
{
    buildControls();
}

void CalculatorPage::press(std::string_view button)
{
    if (const auto pressed = buttonNamed(button))
        m_router.press(*pressed);
}

void CalculatorPage::pressKey(std::string_view button, bool repeat)
{
    if (const auto pressed = buttonNamed(button))
        m_router.pressKey(*pressed, repeat);
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

} // namespace taruk::web
