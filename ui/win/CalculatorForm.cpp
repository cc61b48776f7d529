#include "ui/win/CalculatorForm.h"

#include "ui/win/Dpi.h"
#include "ui/win/SystemTheme.h"
#include "ui/win/Utf16.h"
#include "ui/win/WindowClass.h"
#include "ui/win/WindowFrame.h"

namespace taruk::win {

namespace {

using FormLayout::kControls;

// A fixed size: the absolute layout does not reflow.
// No WS_CLIPCHILDREN: a group box paints only its frame, so the window's own
// background must show through it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

} // namespace

CalculatorForm::CalculatorForm(HINSTANCE instance, Notifier *notifier, char decimalSeparator)
    : m_store(m_controls.edits()),
      m_router(m_store, notifier ? *notifier : m_messageBoxes, decimalSeparator),
      m_textBoxes(m_router),
      m_buttons(m_router)
{
    if (!registerFormClass(instance, windowProc))
        return;
    const std::wstring caption = toUtf16(FormLayout::kWindowCaption);
    CreateWindowExW(0, kFormClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!m_window)
        return;
    m_messageBoxes.setOwner(m_window);
    const UINT dpi = windowDpi(m_window);
    if (!m_controls.create(m_window, dpi)) {
        // Not a closed window: the program has not started, so no WM_QUIT.
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
        m_window = nullptr;
        return;
    }
    for (FieldId id : kAllFields)
        m_textBoxes.attach(textBox(id), id);
    for (const char *name : {"Command1", "Command2"})
        m_buttons.attach(control(name), *buttonOf(control(name)));
    m_lastFocus = textBox(FieldId::Text1);
    fitClientArea(m_window, dpi, nullptr);
}

CalculatorForm::~CalculatorForm()
{
    if (m_window)
        DestroyWindow(m_window);
}

void CalculatorForm::show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
}

LRESULT CALLBACK CalculatorForm::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<CalculatorForm *>(
            reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->m_window = window;
    }
    auto *form = reinterpret_cast<CalculatorForm *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->handle(message, wParam, lParam);
}

LRESULT CalculatorForm::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return onColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), lParam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        // A high-contrast scheme turned on or off: the results change colour.
        RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return DefWindowProcW(m_window, message, wParam, lParam);
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_SETFOCUS:
        if (m_lastFocus)
            SetFocus(m_lastFocus);
        return 0;
    case WM_DPICHANGED: {
        const UINT dpi = LOWORD(wParam);
        fitClientArea(m_window, dpi, reinterpret_cast<const RECT *>(lParam));
        m_controls.layout(dpi);
        InvalidateRect(m_window, nullptr, TRUE);
        return 0;
    }
    case WM_DESTROY:
        // Closing the window ends the program: nothing to save or confirm.
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

bool CalculatorForm::preTranslateMessage(MSG &message)
{
    // Enter on a focused button goes to the shared rule, which knows a held
    // key's repeats (bit 30: the key was already down) and the modifiers
    // (with Alt it comes as a system key). IsDialogMessage would turn each
    // repeat into IDOK. What the rule leaves is passed on.
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
        message.wParam == VK_RETURN) {
        const auto down = [](int key) { return GetKeyState(key) < 0; };
        const auto button = buttonOf(message.hwnd);
        if (button && m_router.enterKeyDown(*button,
                                            {down(VK_SHIFT), down(VK_CONTROL),
                                             message.message == WM_SYSKEYDOWN || down(VK_MENU),
                                             down(VK_LWIN) || down(VK_RWIN)},
                                            (message.lParam & (1L << 30)) != 0))
            return true;
    }
    return IsDialogMessageW(m_window, &message);
}

std::optional<EventRouter::Button> CalculatorForm::buttonOf(HWND window) const
{
    if (window && window == control("Command1"))
        return EventRouter::Button::Command1;
    if (window && window == control("Command2"))
        return EventRouter::Button::Command2;
    return std::nullopt;
}

void CalculatorForm::onCommand(int id, int code, HWND sender)
{
    // IDOK (Enter in a text box: IsDialogMessage finds no default button),
    // IDCANCEL (Escape), and any id or sender that is not one of our
    // controls, do nothing.
    const auto index = m_controls.indexOf(id, sender);
    if (!index)
        return;
    const ControlSpec &spec = kControls[*index];
    if (spec.kind == ControlSpec::Kind::Button && code == BN_CLICKED) {
        m_router.pressCompleted(*buttonOf(sender));
    } else if (spec.kind == ControlSpec::Kind::TextBox && code == EN_CHANGE) {
        m_router.textChanged(*spec.field, toUtf8(windowText(sender)));
    }
}

LRESULT CalculatorForm::onColour(HDC dc, HWND control, LPARAM lParam)
{
    // Read-only edits paint through WM_CTLCOLORSTATIC: keep the system's
    // background and choose only the two result colours.
    const LRESULT brush =
        DefWindowProcW(m_window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), lParam);
    for (const FormLayout::ResultBox &result : FormLayout::kResultBoxes)
        if (control == textBox(result.box))
            SetTextColor(dc, colorRefOf(resultTextColour(result.box, systemBoxTheme(dc))));
    return brush;
}

void CalculatorForm::onActivate(WPARAM wParam)
{
    // Give the focus back to the control that had it, as a dialog does: a
    // notice takes the activation and, when it closes, hands it back.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_window, focus))
            m_lastFocus = focus;
    } else if (!HIWORD(wParam) && m_lastFocus) {
        SetFocus(m_lastFocus);
    }
}

} // namespace taruk::win
