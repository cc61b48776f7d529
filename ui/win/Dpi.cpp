#include "ui/win/Dpi.h"

namespace taruk::win {

namespace {

// Functions of newer Windows versions, looked up so that the program still
// starts on Windows 7.
template <typename Function>
Function user32Function(const char *name)
{
    const FARPROC address = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // Through void (*)() so that GCC accepts the cast between function types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

} // namespace

UINT windowDpi(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI *)(HWND);
    const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

std::optional<SIZE> frameAtDpi(DWORD style, DWORD exStyle, UINT dpi)
{
    using AdjustFn = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    const auto adjust = user32Function<AdjustFn>("AdjustWindowRectExForDpi");
    RECT rect = {0, 0, 0, 0};
    if (!adjust || !adjust(&rect, style, FALSE, exStyle, dpi))
        return std::nullopt;
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace taruk::win
