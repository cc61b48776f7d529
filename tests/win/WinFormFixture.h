#pragma once

#include "tests/win/StandInNotifier.h"
#include "tests/win/UserInput.h"
#include "ui/form/FormLayout.h"
#include "ui/win/CalculatorForm.h"
#include "ui/win/Utf16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The real Windows window, shown and in the foreground, with its notices
// recorded by a stand-in box. Public, so that table rows can act on it.
class WinFormFixture : public testing::Test {
public:
    void SetUp() override { open('.'); }

    void open(char decimalSeparator)
    {
        form.reset();
        notifier.messages.clear();
        form = std::make_unique<taruk::win::CalculatorForm>(GetModuleHandleW(nullptr), &notifier,
                                                            decimalSeparator);
        ASSERT_TRUE(form->created());
        notifier.owner = form->window();
        form->show(SW_SHOWNORMAL);
        SetForegroundWindow(form->window());
        pump();
    }

    void TearDown() override
    {
        form.reset();
        // Closing the window posts WM_QUIT; it must not end a later test's
        // message box.
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // The program's message loop until it is idle: what the X server sends
    // (focus, pointer) may follow a moment after the input itself.
    void pump()
    {
        do {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT)
                    continue;
                if (!form || !form->preTranslateMessage(message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
        } while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT) != WAIT_TIMEOUT);
    }

    HWND box(taruk::FieldId id) const { return form->textBox(id); }
    HWND control(std::string_view name) const { return form->control(name); }
    std::string text(taruk::FieldId id) const
    {
        return taruk::win::toUtf8(taruk::win::windowText(box(id)));
    }
    std::string nameOf(HWND window) const
    {
        for (const auto &spec : taruk::FormLayout::kControls)
            if (form->control(spec.name) == window)
                return std::string(spec.name);
        return window ? "another window" : "no window";
    }

    // Replaces a box's text as typing over a selection does (EN_CHANGE once).
    void type(taruk::FieldId id, const std::string &text)
    {
        SendMessageW(box(id), EM_SETSEL, 0, -1);
        SendMessageW(box(id), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(taruk::win::toUtf16(text).c_str()));
    }
    // Writes the text without a notice recorded.
    void fill(taruk::FieldId id, const std::string &text)
    {
        type(id, text);
        notifier.messages.clear();
    }
    void click(std::string_view button) { SendMessageW(control(button), BM_CLICK, 0, 0); }

    StandInNotifier notifier;
    std::unique_ptr<taruk::win::CalculatorForm> form;
    UserInput user{[this] { pump(); }};
};
