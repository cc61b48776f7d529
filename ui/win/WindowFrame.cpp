#include "ui/win/WindowFrame.h"

#include "ui/form/FormLayout.h"
#include "ui/win/Dpi.h"

namespace taruk::win {

SIZE frameSize(const RECT &window, const RECT &client)
{
    return {(window.right - window.left) - (client.right - client.left),
            (window.bottom - window.top) - (client.bottom - client.top)};
}

RECT windowRectFor(POINT topLeft, SIZE client, SIZE frame)
{
    return {topLeft.x, topLeft.y, topLeft.x + client.cx + frame.cx,
            topLeft.y + client.cy + frame.cy};
}

RECT rectAfterDpiChange(const RECT &suggested, SIZE client, std::optional<SIZE> frameAtNewDpi)
{
    if (!frameAtNewDpi)
        return suggested;
    return windowRectFor({suggested.left, suggested.top}, client, *frameAtNewDpi);
}

namespace {

void place(HWND window, const RECT &rect)
{
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void fitClientArea(HWND window, UINT dpi, const RECT *suggested)
{
    const int d = static_cast<int>(dpi);
    const SIZE client = {FormLayout::toPixels(FormLayout::kClientWidthTwips, d),
                         FormLayout::toPixels(FormLayout::kClientHeightTwips, d)};
    RECT now, inside;
    GetWindowRect(window, &now);
    GetClientRect(window, &inside);
    if (suggested) {
        const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
        place(window, rectAfterDpiChange(*suggested, client, frameAtDpi(style, exStyle, dpi)));
    } else {
        // The window's own frame, at the DPI it has now.
        place(window, windowRectFor({now.left, now.top}, client, frameSize(now, inside)));
    }
    GetWindowRect(window, &now);
    GetClientRect(window, &inside);
    if (inside.right != client.cx || inside.bottom != client.cy)
        place(window, windowRectFor({now.left, now.top}, client, frameSize(now, inside)));
}

} // namespace taruk::win
