#include "ui/win/FormControls.h"

#include "ui/win/Utf16.h"

#include <algorithm>

namespace taruk::win {

namespace {

using FormLayout::kControls;
constexpr std::size_t kControlCount = FormControls::kCount;

// Control ids start clear of IDOK and IDCANCEL, which IsDialogMessage sends
// for Enter and Escape.
constexpr int kFirstControlId = 100;

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

HFONT fontFor(const ControlSpec &spec, const FormFonts &fonts)
{
    const bool result =
        spec.kind == ControlSpec::Kind::TextBox && FormLayout::isResultBox(*spec.field);
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
    const int left = FormLayout::toPixels(FormLayout::kWindowPlaces[index].left, dpi);
    const int top = FormLayout::toPixels(FormLayout::kWindowPlaces[index].top, dpi);
    return {left, top, left + width, top + height};
}

struct WindowKind {
    const wchar_t *windowClass;
    DWORD style;
    DWORD exStyle;
};

WindowKind kindOf(const ControlSpec &spec)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (spec.kind) {
    case ControlSpec::Kind::GroupBox:
        return {L"BUTTON", child | BS_GROUPBOX | WS_CLIPSIBLINGS, 0};
    case ControlSpec::Kind::Button:
        return {L"BUTTON", child | BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlSpec::Kind::Label:
        return {L"STATIC", child | SS_LEFT | SS_NOPREFIX, 0};
    case ControlSpec::Kind::TextBox:
        break;
    }
    const DWORD readOnly = isOutputField(*spec.field) ? ES_READONLY : 0;
    return {L"EDIT", child | ES_AUTOHSCROLL | WS_TABSTOP | readOnly, WS_EX_CLIENTEDGE};
}

} // namespace

bool FormControls::create(HWND parent, UINT dpi)
{
    m_parent = parent;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    m_fonts = std::make_unique<FormFonts>(dpi);
    // Each control is made in its place: under Wine every later move is a
    // round trip to the server.
    HDC dc = GetDC(parent);
    bool made = true;
    for (std::size_t i : kCreationOrder) {
        const ControlSpec &spec = kControls[i];
        const WindowKind kind = kindOf(spec);
        const bool textBox = spec.kind == ControlSpec::Kind::TextBox;
        const std::wstring text = toUtf16(textBox ? startupText(*spec.field) : spec.caption);
        const HFONT font = fontFor(spec, *m_fonts);
        const RECT bounds = boundsOf(i, font, static_cast<int>(dpi), dc);
        m_controls[i] = CreateWindowExW(
            kind.exStyle, kind.windowClass, text.c_str(), kind.style, bounds.left, bounds.top,
            bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i))),
            instance, nullptr);
        if (!m_controls[i]) {
            made = false;
            break;
        }
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (textBox) {
            m_edits[fieldIndex(*spec.field)] = m_controls[i];
            // Keep whatever is typed or pasted, however long.
            SendMessageW(m_controls[i], EM_SETLIMITTEXT, 0, 0);
        }
    }
    ReleaseDC(parent, dc);
    return made;
}

void FormControls::layout(UINT dpi)
{
    auto fonts = std::make_unique<FormFonts>(dpi);
    HDC dc = GetDC(m_parent);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const HFONT font = fontFor(kControls[i], *fonts);
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const RECT bounds = boundsOf(i, font, static_cast<int>(dpi), dc);
        SetWindowPos(m_controls[i], nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ReleaseDC(m_parent, dc);
    // The controls use the new fonts now; the old ones can go.
    m_fonts = std::move(fonts);
}

HWND FormControls::control(std::string_view name) const
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (kControls[i].name == name)
            return m_controls[i];
    return nullptr;
}

std::optional<std::size_t> FormControls::indexOf(int id, HWND sender) const
{
    if (id < kFirstControlId || id >= kFirstControlId + static_cast<int>(kControlCount))
        return std::nullopt;
    const auto index = static_cast<std::size_t>(id - kFirstControlId);
    if (!sender || m_controls[index] != sender)
        return std::nullopt;
    return index;
}

} // namespace taruk::win
