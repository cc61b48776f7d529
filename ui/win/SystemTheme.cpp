#include "ui/win/SystemTheme.h"

namespace taruk::win {

BoxTheme systemBoxTheme(HDC dc)
{
    const auto rgbOf = [](COLORREF c) { return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)}; };
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof contrast;
    const bool highContrast =
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return {rgbOf(GetBkColor(dc)), rgbOf(GetTextColor(dc)), highContrast};
}

} // namespace taruk::win
