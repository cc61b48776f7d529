#pragma once

#include "ui/win/Utf16.h"

#include <windows.h>

#include <string>
#include <vector>

// Closes every message box this thread opens while it lives, from a timer
// that fires inside the box's own loop, and remembers what each showed.
class BoxWatcher {
public:
    struct Seen {
        std::wstring caption;
        std::wstring text;
        std::vector<std::wstring> buttons;
        bool icon = false;
        HWND owner = nullptr;
        bool ownerEnabled = true;
    };

    BoxWatcher()
    {
        m_timerWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(m_timerWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetTimer(m_timerWindow, 1, 50, closeOpenBox);
    }
    ~BoxWatcher() { DestroyWindow(m_timerWindow); }
    BoxWatcher(const BoxWatcher &) = delete;
    BoxWatcher &operator=(const BoxWatcher &) = delete;

    std::vector<Seen> seen;

private:
    static BOOL CALLBACK inspectChild(HWND child, LPARAM seen)
    {
        auto *box = reinterpret_cast<Seen *>(seen);
        wchar_t kind[32] = {};
        GetClassNameW(child, kind, 32);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE))
            return TRUE;
        if (lstrcmpiW(kind, L"Button") == 0)
            box->buttons.push_back(taruk::win::windowText(child));
        else if (lstrcmpiW(kind, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
            box->icon = box->icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        else if (lstrcmpiW(kind, L"Static") == 0 && box->text.empty())
            box->text = taruk::win::windowText(child);
        return TRUE;
    }
    static BOOL CALLBACK findBox(HWND window, LPARAM found)
    {
        wchar_t kind[32] = {};
        GetClassNameW(window, kind, 32);
        if (lstrcmpW(kind, L"#32770") == 0 && IsWindowVisible(window)) {
            *reinterpret_cast<HWND *>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK closeOpenBox(HWND timerWindow, UINT, UINT_PTR, DWORD)
    {
        auto *self = reinterpret_cast<BoxWatcher *>(GetWindowLongPtrW(timerWindow, GWLP_USERDATA));
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            return;
        Seen seen;
        seen.caption = taruk::win::windowText(box);
        EnumChildWindows(box, inspectChild, reinterpret_cast<LPARAM>(&seen));
        seen.owner = GetWindow(box, GW_OWNER);
        seen.ownerEnabled = !seen.owner || IsWindowEnabled(seen.owner);
        self->seen.push_back(seen);
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }

    HWND m_timerWindow;
};
