#pragma once

#include "core/Fields.h"
#include "ui/form/EventRouter.h"
#include "ui/win/ButtonSubclass.h"
#include "ui/win/EditFieldStore.h"
#include "ui/win/FormControls.h"
#include "ui/win/MessageBoxNotifier.h"
#include "ui/win/TextBoxSubclass.h"
#include "ui/win/UserLocale.h"

#include <windows.h>

#include <optional>
#include <string_view>

namespace taruk::win {

// The calculator's one window: the controls of the shared table, all
// children of the top-level window so that IsDialogMessage moves the focus
// through them in keyboard order, and its window procedure, which hands
// presses, changes and compositions to the shared EventRouter. The window
// owns the field texts (in its edits) and lends the core a store over them.
class CalculatorForm {
public:
    // Without a notifier, notices appear in message boxes owned by the
    // window. Numbers are read and written with the given separator.
    explicit CalculatorForm(HINSTANCE instance, Notifier *notifier = nullptr,
                            char decimalSeparator = userDecimalSeparator());
    ~CalculatorForm();
    CalculatorForm(const CalculatorForm &) = delete;
    CalculatorForm &operator=(const CalculatorForm &) = delete;

    // False when the window or one of its controls could not be made.
    bool created() const { return m_window != nullptr; }
    void show(int showCommand);
    HWND window() const { return m_window; }
    HWND textBox(FieldId id) const { return m_controls.edit(id); }
    // The control of that name in the table ("Command1", "Label24", …).
    HWND control(std::string_view name) const { return m_controls.control(name); }

    // Keyboard navigation (Tab, Shift+Tab, Enter, Space on buttons): to be
    // called for every message of the loop before it is dispatched.
    bool preTranslateMessage(MSG &message);

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int code, HWND sender);
    LRESULT onColour(HDC dc, HWND control, LPARAM lParam);
    void onActivate(WPARAM wParam);
    std::optional<EventRouter::Button> buttonOf(HWND window) const;

    HWND m_window = nullptr;
    FormControls m_controls;
    EditFieldStore m_store;
    MessageBoxNotifier m_messageBoxes;
    EventRouter m_router;
    TextBoxSubclass m_textBoxes;
    ButtonSubclass m_buttons;
    // The control to give the focus back to when the window is activated.
    HWND m_lastFocus = nullptr;
};

} // namespace taruk::win
