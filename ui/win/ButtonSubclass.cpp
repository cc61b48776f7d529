#include "ui/win/ButtonSubclass.h"

#include <commctrl.h>

namespace taruk::win {

void ButtonSubclass::attach(HWND button, EventRouter::Button which)
{
    SetWindowSubclass(button, procedure, static_cast<UINT_PTR>(which),
                      reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ButtonSubclass::procedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR which, DWORD_PTR self)
{
    EventRouter &router = reinterpret_cast<ButtonSubclass *>(self)->m_router;
    const auto pressed = static_cast<EventRouter::Button>(which);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        router.pressBegan(pressed);
        break;
    case WM_KEYDOWN:
        // Bit 30: a repeat of a key already down, not a new press.
        if (wParam == VK_SPACE && !(lParam & (1L << 30)))
            router.pressBegan(pressed);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, procedure, which);
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace taruk::win
