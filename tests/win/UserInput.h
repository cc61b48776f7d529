#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Input as a user makes it, through SendInput: the system queues it, the
// message loop (with IsDialogMessage) delivers it, and the key state seen by
// the controls moves with it. `pump` runs that loop until it is idle.
class UserInput {
public:
    explicit UserInput(std::function<void()> pump) : m_pump(std::move(pump)) {}

    // A click in the middle of the control, with the left button unless told.
    void click(HWND control, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP)
    {
        RECT r;
        GetWindowRect(control, &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        mouse(down);
        mouse(up);
    }

    // Each character as one key typed (UTF-16 units, as an input method sends them).
    void type(std::wstring_view text)
    {
        for (wchar_t c : text) {
            unicode(c, 0);
            unicode(c, KEYEVENTF_KEYUP);
        }
    }

    // The scenario table's keys, "Shift+F10" and "Menu" (the menu key);
    // "Enter held" is down, then two repeats, then up. False for a name it
    // does not know.
    bool key(std::string_view name)
    {
        if (name == "Enter held") {
            virtualKey(VK_RETURN, 0);
            // Windows marks a held key's repeats with bit 30 (the key was
            // already down); under Wine, keys sent again with SendInput came
            // without it, so the repeats are posted as Windows sends them,
            // through the same message loop.
            const auto scan = static_cast<LPARAM>(MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC));
            for (int repeat = 0; repeat < 2; ++repeat) {
                PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1 | scan << 16 | 1L << 30);
                m_pump();
            }
            virtualKey(VK_RETURN, KEYEVENTF_KEYUP);
            return true;
        }
        const std::vector<std::pair<std::string_view, std::vector<WORD>>> keys = {
            {"Tab", {VK_TAB}},
            {"Shift+Tab", {VK_SHIFT, VK_TAB}},
            {"Enter", {VK_RETURN}},
            {"Shift+Enter", {VK_SHIFT, VK_RETURN}},
            {"Ctrl+Enter", {VK_CONTROL, VK_RETURN}},
            {"Alt+Enter", {VK_MENU, VK_RETURN}},
            {"Escape", {VK_ESCAPE}},
            {"Space", {VK_SPACE}},
            {"Backspace", {VK_BACK}},
            {"Ctrl+A", {VK_CONTROL, 'A'}},
            {"Shift+F10", {VK_SHIFT, VK_F10}},
            {"Menu", {VK_APPS}},
        };
        for (const auto &[known, chord] : keys) {
            if (known != name)
                continue;
            for (WORD k : chord)
                virtualKey(k, 0);
            // Released in the reverse order: the modifier last.
            std::vector<WORD> releases(chord.rbegin(), chord.rend());
            for (WORD k : releases)
                virtualKey(k, KEYEVENTF_KEYUP);
            return true;
        }
        return false;
    }

private:
    void send(INPUT input)
    {
        SendInput(1, &input, sizeof input);
        m_pump();
    }
    void mouse(DWORD flags)
    {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        send(input);
    }
    void unicode(wchar_t c, DWORD flags)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
        send(input);
    }
    void virtualKey(WORD k, DWORD flags)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = k;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(k, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        send(input);
    }

    std::function<void()> m_pump;
};
