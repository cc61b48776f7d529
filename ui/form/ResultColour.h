#pragma once

#include "core/Fields.h"
#include "ui/form/Rgb.h"

namespace taruk {

// How the window's theme paints a box.
struct BoxTheme {
    Rgb background;
    Rgb text; // the theme's own text colour in boxes
    // A high-contrast scheme: the user chose every colour.
    bool highContrast;
};

// The one rule for the colour of a result box's text, in light, dark and
// high-contrast themes alike: under high contrast the theme's own text
// colour; otherwise the form's colour (FormLayout::kResultBoxes), moved
// only as far as it takes to be readable on the box's background. Any other
// box keeps the theme's text colour.
Rgb resultTextColour(FieldId box, const BoxTheme &theme);

} // namespace taruk
