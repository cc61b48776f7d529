#pragma once

#include "core/Notifier.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A notice box that records its text instead of waiting for a click, but
// treats the window as a modal box does: it disables the owner, takes the
// activation with an owned popup, runs the thread's messages, then enables
// the owner and goes, which hands the activation back. So the window's
// focus memory (WM_ACTIVATE) is really exercised. While the first notice is
// open, `whileOpen` may act, as a screen reader or a script could while a
// real box waits.
class StandInNotifier : public taruk::Notifier {
public:
    void notify(std::string_view message) override
    {
        messages.emplace_back(message);
        if (!owner) {
            runWhileOpen();
            return;
        }
        EnableWindow(owner, FALSE);
        HWND box = CreateWindowExW(WS_EX_DLGMODALFRAME, L"STATIC", L"notice",
                                   WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 100, owner,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(box);
        SetActiveWindow(box);
        pump();
        runWhileOpen();
        // As EndDialog does: the owner is enabled before the box goes.
        EnableWindow(owner, TRUE);
        DestroyWindow(box);
        pump();
    }

    HWND owner = nullptr;
    std::vector<std::string> messages;
    std::function<void()> whileOpen;

private:
    void runWhileOpen()
    {
        if (whileOpen && messages.size() == 1)
            whileOpen();
    }
    static void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
};
