#include "ui/web/CalculatorPage.h"

#include "ui/form/Contrast.h"
#include "ui/form/DecimalSeparator.h"
#include "ui/form/FormLayout.h"
#include "ui/web/PageDom.h"

#include <utility>

namespace taruk::web {

namespace {

namespace L = FormLayout;

// The background of the boxes under a dark colour scheme (calculator.css).
constexpr Rgb kDarkBoxBackground = {30, 30, 30};

double px(int twips) { return static_cast<double>(twips) / L::kTwipsPerPixel; }

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
    for (auto [id, colour] : {std::pair{FieldId::Text4, L::kNormalDamageColour},
                              std::pair{FieldId::Text6, L::kFrenzyDamageColour}})
        PageDom::styleResult(fieldName(id), colour, readableOn(colour, kDarkBoxBackground));
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
