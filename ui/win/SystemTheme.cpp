#include "ui/win/SystemTheme.h"

namespace taruk::win {

namespace {

Rgb rgbOf(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

bool highContrastOn()
{
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

} // namespace

BoxTheme systemBoxTheme(HDC dc)
{
    return {rgbOf(GetBkColor(dc)), rgbOf(GetTextColor(dc)), highContrastOn()};
}

} // namespace taruk::win
