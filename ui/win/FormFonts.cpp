#include "ui/win/FormFonts.h"

#include "ui/form/FormLayout.h"
#include "ui/win/Dpi.h"
#include "ui/win/Utf16.h"

#include <cwchar>

namespace taruk::win {

namespace {

constexpr int kUiPointSize = 9;

int CALLBACK markFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0; // one is enough
}

bool fontInstalled(const wchar_t *face)
{
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, markFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

LOGFONTW FormFonts::uiFont(UINT dpi)
{
    LOGFONTW font = {};
    // The Chinese UI faces of Windows. A zh-CN system uses them as its
    // message font anyway; on any other system they still give proper
    // Chinese glyphs where the message font (Segoe UI, Tahoma) has none.
    for (const wchar_t *face : {L"Microsoft YaHei UI", L"Microsoft YaHei"}) {
        if (fontInstalled(face)) {
            wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
            font.lfHeight = fontHeight(kUiPointSize, dpi);
            font.lfWeight = FW_NORMAL;
            font.lfCharSet = DEFAULT_CHARSET;
            font.lfQuality = CLEARTYPE_QUALITY;
            return font;
        }
    }
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font = metrics.lfMessageFont;
    // The metrics are for the system DPI; scale them to this window's.
    font.lfHeight =
        MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(windowDpi(nullptr)));
    return font;
}

LOGFONTW FormFonts::resultFont(UINT dpi)
{
    LOGFONTW font = {};
    const std::wstring face = toUtf16(FormLayout::kResultFace);
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    font.lfHeight = fontHeight(FormLayout::kResultPointSize, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    return font;
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
