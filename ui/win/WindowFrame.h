#pragma once

#include <windows.h>

#include <optional>

namespace taruk::win {

// What a window's frame (caption and borders) adds to the width and height
// of its client area.
SIZE frameSize(const RECT &window, const RECT &client);

// The window rectangle at `topLeft` whose client area is `client` inside a
// frame of `frame`.
RECT windowRectFor(POINT topLeft, SIZE client, SIZE frame);

// Where the window goes when it moves to a monitor of another DPI: at the
// suggested top-left, with a client area of `client` inside the frame a
// window has at the new DPI. Where the system cannot tell that frame, the
// suggested rectangle, which it scaled from the old window. Never the old
// window's own frame: that is still the old DPI's size.
RECT rectAfterDpiChange(const RECT &suggested, SIZE client, std::optional<SIZE> frameAtNewDpi);

// Gives the window a client area of 5790 x 7440 twips at `dpi`, where the
// window is (`suggested` null) or at the rectangle WM_DPICHANGED suggests.
// The frame actually drawn may differ from the one computed (Wine draws the
// old DPI's frame), so the result is measured and corrected once.
void fitClientArea(HWND window, UINT dpi, const RECT *suggested);

} // namespace taruk::win
