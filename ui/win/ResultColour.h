#pragma once

#include "ui/form/Rgb.h"

#include <windows.h>

namespace taruk::win {

// The colour a result box draws its text in on `background`: under a
// high-contrast scheme the system's own text colour, since the user chose
// every colour there; otherwise the form's colour (red 192,0,0 or navy
// 0,0,128), as far as it is readable on that background.
Rgb resultTextColour(Rgb formColour, bool highContrast, Rgb systemText, Rgb background);

// Whether the user has turned on a high-contrast scheme.
bool highContrastOn();

inline Rgb rgbOf(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
inline COLORREF colorRefOf(Rgb c)
{
    return RGB(static_cast<BYTE>(c.red), static_cast<BYTE>(c.green), static_cast<BYTE>(c.blue));
}

} // namespace taruk::win
