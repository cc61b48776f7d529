#include "ui/win/FormFonts.h"

#include "ui/form/FontFaces.h"
#include "ui/form/FormLayout.h"
#include "ui/win/Dpi.h"
#include "ui/win/Utf16.h"

#include <array>
#include <cwchar>
#include <string>
#include <string_view>

namespace taruk::win {

namespace {

int CALLBACK keepFirstFace(const LOGFONTW *font, const TEXTMETRICW *, DWORD, LPARAM found)
{
    // '@' names the vertical variant of a face, which draws text rotated.
    if (font->lfFaceName[0] == L'@')
        return 1;
    *reinterpret_cast<std::wstring *>(found) = font->lfFaceName;
    return 0; // one is enough
}

// The installed face of that name in that character set, or the first
// installed face of the set for an empty name; empty when there is none.
std::wstring installedFace(const wchar_t *face, BYTE charSet)
{
    LOGFONTW wanted = {};
    wanted.lfCharSet = charSet;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    std::wstring found;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, keepFirstFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The first of the preferred faces that is installed; else, so that Chinese
// is still drawn on a system with none of them, the first face with the
// Chinese (GB2312) character set.
template <std::size_t N>
std::wstring chineseFace(const std::array<std::string_view, N> &preferred)
{
    for (std::string_view name : preferred) {
        std::wstring face = toUtf16(name);
        if (!installedFace(face.c_str(), DEFAULT_CHARSET).empty())
            return face;
    }
    return installedFace(L"", GB2312_CHARSET);
}

LOGFONTW fontOf(const std::wstring &face, int points, UINT dpi, BYTE charSet)
{
    LOGFONTW font = {};
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    font.lfHeight = fontHeight(points, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charSet;
    return font;
}

} // namespace

LOGFONTW FormFonts::uiFont(UINT dpi)
{
    // The Chinese UI faces (Microsoft YaHei UI and Microsoft YaHei first). A
    // zh-CN system uses them as its message font anyway; on any other system
    // they still give proper Chinese glyphs where the message font (Segoe UI,
    // Tahoma) has none.
    const std::wstring face = chineseFace(FontFaces::kText);
    if (!face.empty()) {
        LOGFONTW font = fontOf(face, FormLayout::kTextPointSize, dpi, DEFAULT_CHARSET);
        font.lfQuality = CLEARTYPE_QUALITY;
        return font;
    }
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    // The metrics are for the system DPI; scale them to this window's.
    font.lfHeight =
        MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(windowDpi(nullptr)));
    return font;
}

LOGFONTW FormFonts::resultFont(UINT dpi)
{
    std::wstring face = chineseFace(FontFaces::kResult);
    if (face.empty())
        face = toUtf16(FontFaces::kResult.front()); // the font mapper's choice
    return fontOf(face, FormLayout::kResultPointSize, dpi, GB2312_CHARSET);
}

FormFonts::FormFonts(UINT dpi)
{
    LOGFONTW ui = uiFont(dpi);
    LOGFONTW result = resultFont(dpi);
    m_ui = CreateFontIndirectW(&ui);
    m_result = CreateFontIndirectW(&result);
}

FormFonts::~FormFonts()
{
    DeleteObject(m_ui);
    DeleteObject(m_result);
}

} // namespace taruk::win
