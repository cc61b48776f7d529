#include "ui/form/ResultColour.h"

#include "ui/form/Contrast.h"
#include "ui/form/FormLayout.h"

namespace taruk {

Rgb resultTextColour(FieldId box, const BoxTheme &theme)
{
    if (theme.highContrast)
        return theme.text;
    for (const FormLayout::ResultBox &result : FormLayout::kResultBoxes)
        if (result.box == box)
            return readableOn(result.colour, theme.background);
    return theme.text;
}

} // namespace taruk
