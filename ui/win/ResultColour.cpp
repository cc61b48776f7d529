#include "ui/win/ResultColour.h"

#include "ui/form/Contrast.h"

namespace taruk::win {

Rgb resultTextColour(Rgb formColour, bool highContrast, Rgb systemText, Rgb background)
{
    return highContrast ? systemText : readableOn(formColour, background);
}

bool highContrastOn()
{
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

} // namespace taruk::win
