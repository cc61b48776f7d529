#include "ui/win/CalculatorForm.h"

#include "core/DamageCalculation.h"
#include "core/EntryChecks.h"
#include "core/Reset.h"
#include "ui/win/Dpi.h"
#include "ui/win/FormFonts.h"
#include "ui/win/MessageBoxNotifier.h"
#include "ui/win/Utf16.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>

namespace taruk::win {

namespace {

using FormLayout::kControls;
constexpr std::size_t kControlCount = kControls.size();

// Control ids start clear of IDOK and IDCANCEL, which IsDialogMessage sends
// for Enter and Escape.
constexpr int kFirstControlId = 100;

// A fixed size: the absolute layout does not reflow.
// No WS_CLIPCHILDREN: a group box paints only its frame, so the window's own
// background must show through it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Each control's top-left corner in twips from the client area's: the table
// measures from the containing group box, but every control here is a
// child of the window itself.
constexpr std::array<POINT, kControlCount> kOrigins = [] {
    std::array<POINT, kControlCount> origins{};
    for (std::size_t i = 0; i < kControlCount; ++i) {
        POINT origin = {kControls[i].left, kControls[i].top};
        for (std::size_t j = 0; j < i; ++j) {
            if (kControls[j].name == kControls[i].container) {
                origin.x += origins[j].x;
                origin.y += origins[j].y;
            }
        }
        origins[i] = origin;
    }
    return origins;
}();

// Focusable controls first, in keyboard order, because IsDialogMessage
// walks the children in creation order; each text box right after its
// label, where screen readers look for a box's name (labels are no tab
// stops, so the order of the keyboard stays). Then the other labels; the
// group boxes last, so that they lie beneath everything they frame (and,
// clipped by their siblings, never paint over them).
constexpr std::array<std::size_t, kControlCount> kCreationOrder = [] {
    std::array<std::size_t, kControlCount> order{};
    std::size_t n = 0;
    const auto isLabelOf = [](const ControlSpec &label, const ControlSpec &box) {
        return label.kind == ControlSpec::Kind::Label && box.kind == ControlSpec::Kind::TextBox &&
               label.field == box.field;
    };
    for (std::size_t index : FormLayout::kFocusOrder) {
        for (std::size_t i = 0; i < kControlCount; ++i)
            if (isLabelOf(kControls[i], kControls[index]))
                order[n++] = i;
        order[n++] = index;
    }
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (kControls[i].kind == ControlSpec::Kind::Label && !kControls[i].field)
            order[n++] = i;
    // Inner group boxes above the outer one that contains them.
    for (std::size_t i = kControlCount; i-- > 0;)
        if (kControls[i].kind == ControlSpec::Kind::GroupBox)
            order[n++] = i;
    return order;
}();

bool isResultBox(FieldId id) { return id == FieldId::Text4 || id == FieldId::Text6; }

COLORREF colourOf(Rgb c)
{
    return RGB(static_cast<BYTE>(c.red), static_cast<BYTE>(c.green), static_cast<BYTE>(c.blue));
}

HFONT fontFor(const ControlSpec &spec, const FormFonts &fonts)
{
    const bool result =
        spec.kind == ControlSpec::Kind::TextBox && spec.field && isResultBox(*spec.field);
    return result ? fonts.result() : fonts.ui();
}

// Where a control goes at the given DPI, in client coordinates. Our fonts
// may be taller or wider than the original's: a control grows rather than
// clip its text, keeping its top-left corner.
RECT boundsOf(std::size_t index, HFONT font, int dpi, HDC dc)
{
    const ControlSpec &spec = kControls[index];
    int width = FormLayout::toPixels(spec.width, dpi);
    int height = FormLayout::toPixels(spec.height, dpi);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    if (spec.kind == ControlSpec::Kind::TextBox) {
        // The sunken border and the edit's own margin, above and below.
        height = std::max(height, static_cast<int>(metrics.tmHeight) + MulDiv(6, dpi, 96));
    } else if (spec.kind == ControlSpec::Kind::Label) {
        const std::wstring text = toUtf16(spec.caption);
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        width = std::max(width, static_cast<int>(extent.cx));
        height = std::max(height, static_cast<int>(metrics.tmHeight));
    }
    SelectObject(dc, previous);
    const int left = FormLayout::toPixels(kOrigins[index].x, dpi);
    const int top = FormLayout::toPixels(kOrigins[index].y, dpi);
    return {left, top, left + width, top + height};
}

void registerClass(HINSTANCE instance, WNDPROC windowProc)
{
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, CalculatorForm::kClassName, &existing))
        return;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = CalculatorForm::kClassName;
    RegisterClassExW(&windowClass);
}

} // namespace

CalculatorForm::CalculatorForm(HINSTANCE instance, Notifier *notifier, char decimalSeparator)
    : m_store(m_edits),
      m_decimalSeparator(decimalSeparator)
{
    registerClass(instance, windowProc);
    const std::wstring caption = toUtf16(FormLayout::kWindowCaption);
    m_window = CreateWindowExW(0, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    // Created here, before the controls, so the window procedure can count on them.
    if (!notifier)
        m_ownNotifier = std::make_unique<MessageBoxNotifier>(m_window);
    m_notices = std::make_unique<TrackingNotifier>(notifier ? *notifier : *m_ownNotifier);
    const UINT dpi = windowDpi(m_window);
    createControls(dpi);
    m_lastFocus = textBox(FieldId::Text1);
    fitClientArea(dpi, nullptr);
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

HWND CalculatorForm::control(std::string_view name) const
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (kControls[i].name == name)
            return m_controls[i];
    return nullptr;
}

void CalculatorForm::createControls(UINT dpi)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_window, GWLP_HINSTANCE));
    m_fonts = std::make_unique<FormFonts>(dpi);
    // Each control is made in its place: under Wine every later move is a
    // round trip to the server.
    HDC dc = GetDC(m_window);
    for (std::size_t i : kCreationOrder) {
        const ControlSpec &spec = kControls[i];
        const wchar_t *windowClass = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        std::wstring text = toUtf16(spec.caption);
        switch (spec.kind) {
        case ControlSpec::Kind::GroupBox:
            style |= BS_GROUPBOX | WS_CLIPSIBLINGS;
            break;
        case ControlSpec::Kind::Button:
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case ControlSpec::Kind::Label:
            windowClass = L"STATIC";
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case ControlSpec::Kind::TextBox:
            windowClass = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP | (isOutputField(*spec.field) ? ES_READONLY : 0);
            exStyle = WS_EX_CLIENTEDGE;
            text = toUtf16(startupText(*spec.field));
            break;
        }
        const HFONT font = fontFor(spec, *m_fonts);
        const RECT bounds = boundsOf(i, font, static_cast<int>(dpi), dc);
        HWND control = CreateWindowExW(
            exStyle, windowClass, text.c_str(), style, bounds.left, bounds.top,
            bounds.right - bounds.left, bounds.bottom - bounds.top, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i))),
            instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        m_controls[i] = control;
        if (spec.kind == ControlSpec::Kind::TextBox) {
            const FieldId id = *spec.field;
            m_edits[fieldIndex(id)] = control;
            // Keep whatever is typed or pasted, however long.
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
            SetWindowSubclass(control, editProc, fieldIndex(id), reinterpret_cast<DWORD_PTR>(this));
        }
    }
    ReleaseDC(m_window, dc);
}

void CalculatorForm::fitClientArea(UINT dpi, const POINT *topLeft)
{
    // The frame is measured rather than computed: the caption's height at
    // this DPI is the system's business (and AdjustWindowRectEx knows only
    // the system DPI).
    RECT window, client;
    GetWindowRect(m_window, &window);
    GetClientRect(m_window, &client);
    const int d = static_cast<int>(dpi);
    const int width = FormLayout::toPixels(FormLayout::kClientWidthTwips, d) +
                      (window.right - window.left) - client.right;
    const int height = FormLayout::toPixels(FormLayout::kClientHeightTwips, d) +
                       (window.bottom - window.top) - client.bottom;
    SetWindowPos(m_window, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
}

void CalculatorForm::layout(UINT dpi)
{
    auto fonts = std::make_unique<FormFonts>(dpi);
    HDC dc = GetDC(m_window);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const HFONT font = fontFor(kControls[i], *fonts);
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const RECT bounds = boundsOf(i, font, static_cast<int>(dpi), dc);
        SetWindowPos(m_controls[i], nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ReleaseDC(m_window, dc);
    // The controls use the new fonts now; the old ones can go.
    m_fonts = std::move(fonts);
    InvalidateRect(m_window, nullptr, TRUE);
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

LRESULT CALLBACK CalculatorForm::editProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR field, DWORD_PTR form)
{
    return reinterpret_cast<CalculatorForm *>(form)->handleEdit(static_cast<FieldId>(field), edit,
                                                                message, wParam, lParam);
}

LRESULT CalculatorForm::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC: {
        // Read-only edits paint through WM_CTLCOLORSTATIC: keep the system's
        // background and choose only the two result colours.
        const LRESULT brush = DefWindowProcW(m_window, message, wParam, lParam);
        const auto control = reinterpret_cast<HWND>(lParam);
        const auto dc = reinterpret_cast<HDC>(wParam);
        if (control == textBox(FieldId::Text4))
            SetTextColor(dc, colourOf(FormLayout::kNormalDamageColour));
        else if (control == textBox(FieldId::Text6))
            SetTextColor(dc, colourOf(FormLayout::kFrenzyDamageColour));
        return brush;
    }
    case WM_ACTIVATE:
        // Give the focus back to the control that had it, as a dialog does.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(m_window, focus))
                m_lastFocus = focus;
        } else if (!HIWORD(wParam) && m_lastFocus) {
            SetFocus(m_lastFocus);
        }
        return 0;
    case WM_SETFOCUS:
        if (m_lastFocus)
            SetFocus(m_lastFocus);
        return 0;
    case WM_DPICHANGED: {
        const UINT dpi = LOWORD(wParam);
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        const POINT topLeft = {suggested->left, suggested->top};
        fitClientArea(dpi, &topLeft);
        layout(dpi);
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

LRESULT CalculatorForm::handleEdit(FieldId id, HWND edit, UINT message, WPARAM wParam,
                                   LPARAM lParam)
{
    const std::size_t i = fieldIndex(id);
    switch (message) {
    case WM_IME_STARTCOMPOSITION:
        // An input method may show its composition inside the edit, which
        // changes the text (and raises EN_CHANGE) before anything is typed
        // for good: the checks wait for the committed text.
        m_composing[i] = true;
        m_textBeforeComposition[i] = windowText(edit);
        break;
    case WM_IME_ENDCOMPOSITION: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        m_composing[i] = false;
        if (windowText(edit) != m_textBeforeComposition[i])
            textChanged(id);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, editProc, i);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void CalculatorForm::onCommand(int id, int code, HWND control)
{
    if (id == IDOK) {
        // Enter: IsDialogMessage finds no default button and sends IDOK. On a
        // focused button it presses that button; in a text box it does nothing.
        HWND focus = GetFocus();
        if (focus == this->control("Command1") || focus == this->control("Command2"))
            SendMessageW(focus, BM_CLICK, 0, 0);
        return;
    }
    if (!control || id < kFirstControlId)
        return; // IDCANCEL (Escape) and anything else without a control
    const ControlSpec &spec = kControls[static_cast<std::size_t>(id - kFirstControlId)];
    if (spec.kind == ControlSpec::Kind::Button && code == BN_CLICKED) {
        if (spec.name == "Command1")
            Command1_Click();
        else if (spec.name == "Command2")
            Command2_Click();
    } else if (spec.kind == ControlSpec::Kind::TextBox && code == EN_CHANGE) {
        textChanged(*spec.field);
    }
}

void CalculatorForm::textChanged(FieldId id)
{
    if (m_composing[fieldIndex(id)])
        return;
    if (id == FieldId::Text1)
        Text1_Change();
    else if (id == FieldId::Text2)
        Text2_Change();
}

// While a notice is open nothing starts: the message box's loop still
// delivers clicks and changes that do not come from the user's input.
void CalculatorForm::Command1_Click()
{
    if (!m_notices->isOpen())
        runDamageCalculation(m_store, *m_notices, m_decimalSeparator);
}

void CalculatorForm::Command2_Click()
{
    if (!m_notices->isOpen())
        resetFields(m_store);
}

void CalculatorForm::Text1_Change()
{
    if (!m_notices->isOpen())
        checkRawDamage(m_store, *m_notices, m_decimalSeparator);
}

void CalculatorForm::Text2_Change()
{
    if (!m_notices->isOpen())
        checkElementCorrection(m_store, *m_notices, m_decimalSeparator);
}

} // namespace taruk::win
