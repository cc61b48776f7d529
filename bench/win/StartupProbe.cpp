// The floor under the Windows program's start-up: an empty window of the
// calculator's size. tools/startup-bench-windows.sh measures it and the
// program itself up to their first paint.
#include "ui/form/FormLayout.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    using namespace taruk::FormLayout;
    RECT size = {0, 0, toPixels(kClientWidthTwips, 96), toPixels(kClientHeightTwips, 96)};
    AdjustWindowRect(&size, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window = CreateWindowExW(
        0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
        size.right - size.left, size.bottom - size.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
