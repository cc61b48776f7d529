#pragma once

#include <windows.h>

#include <optional>

namespace taruk::win {

// The dots per inch of the monitor a window is on. Windows 10 (1607) and
// later know it per window; earlier systems have one system DPI.
UINT windowDpi(HWND window);

// What the frame of a window with these styles adds to its client area's
// width and height at the given DPI; nothing before Windows 10 (1607), whose
// AdjustWindowRectEx knows only the system DPI.
std::optional<SIZE> frameAtDpi(DWORD style, DWORD exStyle, UINT dpi);

// A point size in pixels at the given DPI, as LOGFONT's lfHeight wants it.
inline LONG fontHeight(int points, UINT dpi) { return -MulDiv(points, static_cast<int>(dpi), 72); }

} // namespace taruk::win
