#include "ui/form/ResultColour.h"

#include "ui/form/Contrast.h"
#include "ui/form/FormLayout.h"

namespace taruk {

Rgb resultTextColour(FieldId box, const BoxTheme &theme)
{
    if (theme.highContrast)
        return theme.text;
    if (box == FieldId::Text4)
        return readableOn(FormLayout::kNormalDamageColour, theme.background);
    if (box == FieldId::Text6)
        return readableOn(FormLayout::kFrenzyDamageColour, theme.background);
    return theme.text;
}

} // namespace taruk
