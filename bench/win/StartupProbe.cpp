// Starts the calculator's window and exits as soon as the window has been
// painted once: timed as a whole process by tools/startup-bench-windows.sh.
// With --bare, an empty window of the same size (the floor under it).
#include "ui/form/FormLayout.h"
#include "ui/win/CalculatorForm.h"

#include <commctrl.h>

#include <cwchar>
#include <memory>

namespace {

// Lets the first WM_PAINT through, then ends the message loop.
LRESULT CALLBACK quitAfterFirstPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR)
{
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_PAINT)
        PostQuitMessage(0);
    return result;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    std::unique_ptr<taruk::win::CalculatorForm> form;
    HWND window = nullptr;
    if (std::wcsstr(commandLine, L"--bare")) {
        using namespace taruk::FormLayout;
        RECT size = {0, 0, toPixels(kClientWidthTwips, 96), toPixels(kClientHeightTwips, 96)};
        AdjustWindowRect(&size, WS_OVERLAPPEDWINDOW, FALSE);
        window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                 CW_USEDEFAULT, size.right - size.left, size.bottom - size.top,
                                 nullptr, nullptr, instance, nullptr);
    } else {
        form = std::make_unique<taruk::win::CalculatorForm>(instance);
        window = form->window();
    }
    SetWindowSubclass(window, quitAfterFirstPaint, 1, 0);
    ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
