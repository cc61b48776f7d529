#pragma once

#include "ui/form/Rgb.h"

#include <windows.h>

namespace taruk::win {

// What the shared rule (ui/form/ResultColour.h) needs to know of the
// system's theme.

// Whether the user has turned on a high-contrast scheme.
bool highContrastOn();

inline Rgb rgbOf(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
inline COLORREF colorRefOf(Rgb c)
{
    return RGB(static_cast<BYTE>(c.red), static_cast<BYTE>(c.green), static_cast<BYTE>(c.blue));
}

} // namespace taruk::win
