#pragma once

#include "core/Fields.h"
#include "ui/form/FormLayout.h"
#include "ui/form/TrackingNotifier.h"
#include "ui/win/EditFieldStore.h"
#include "ui/win/UserLocale.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace taruk::win {

class FormFonts;
class MessageBoxNotifier;

// The calculator's one window, built from the shared control table with
// the Windows API: edits, static labels, group boxes and push buttons, all
// children of the top-level window so that IsDialogMessage moves the focus
// through them in keyboard order. The window owns the field texts (in its
// edits) and lends the core a store over them and a notifier.
class CalculatorForm {
public:
    // Without a notifier, notices appear in message boxes owned by the
    // window. Numbers are read and written with the given separator.
    explicit CalculatorForm(HINSTANCE instance, Notifier *notifier = nullptr,
                            char decimalSeparator = userDecimalSeparator());
    ~CalculatorForm();
    CalculatorForm(const CalculatorForm &) = delete;
    CalculatorForm &operator=(const CalculatorForm &) = delete;

    void show(int showCommand);
    HWND window() const { return m_window; }
    HWND textBox(FieldId id) const { return m_edits[fieldIndex(id)]; }
    // The control of that name in the table ("Command1", "Label24", …).
    HWND control(std::string_view name) const;

    // Keyboard navigation (Tab, Shift+Tab, Enter, Space on buttons): to be
    // called for every message of the loop before it is dispatched.
    bool preTranslateMessage(MSG &message) { return IsDialogMessageW(m_window, &message); }

    static constexpr const wchar_t *kClassName = L"TarukCalculatorForm";

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK editProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleEdit(FieldId id, HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(UINT dpi);
    // Places the controls again and gives them fonts for a new DPI.
    void layout(UINT dpi);
    // Sizes the window so that its client area is 5790 x 7440 twips.
    void fitClientArea(UINT dpi, const POINT *topLeft);
    void onCommand(int id, int code, HWND control);
    void textChanged(FieldId id);

    void Command1_Click();
    void Command2_Click();
    void Text1_Change();
    void Text2_Change();

    HWND m_window = nullptr;
    std::array<HWND, FormLayout::kControls.size()> m_controls{};
    std::array<HWND, kFieldCount> m_edits{};
    HWND m_lastFocus = nullptr;
    // Per edit: an input-method composition is open, and the text it began with.
    std::array<bool, kFieldCount> m_composing{};
    std::array<std::wstring, kFieldCount> m_textBeforeComposition;

    std::unique_ptr<FormFonts> m_fonts;
    std::unique_ptr<MessageBoxNotifier> m_ownNotifier;
    std::unique_ptr<TrackingNotifier> m_notices;
    EditFieldStore m_store;
    char m_decimalSeparator;
};

} // namespace taruk::win
