#pragma once

#include "ui/form/ResultColour.h"

#include <windows.h>

namespace taruk::win {

// How the system paints a box into `dc`, as the shared rule for the results'
// colours (ui/form/ResultColour.h) needs to know it: the colours the system
// has set for it, and whether the user has turned on a high-contrast scheme.
BoxTheme systemBoxTheme(HDC dc);

inline COLORREF colorRefOf(Rgb c)
{
    return RGB(static_cast<BYTE>(c.red), static_cast<BYTE>(c.green), static_cast<BYTE>(c.blue));
}

} // namespace taruk::win
