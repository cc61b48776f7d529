#pragma once

#include <windows.h>

namespace taruk::win {

// The window's two fonts at one DPI, each with Chinese glyphs wherever the
// system has any, at FormLayout's sizes: one for every control, 宋体 for the
// two result boxes. Owns the GDI handles.
class FormFonts {
public:
    explicit FormFonts(UINT dpi);
    ~FormFonts();
    FormFonts(const FormFonts &) = delete;
    FormFonts &operator=(const FormFonts &) = delete;

    HFONT ui() const { return m_ui; }
    HFONT result() const { return m_result; }

    // The first installed face of FontFaces::kText (Microsoft YaHei UI on
    // Windows 8 and later, Microsoft YaHei on Windows 7), else another face
    // with Chinese glyphs, else the system's message font.
    static LOGFONTW uiFont(UINT dpi);
    // The first installed face of FontFaces::kResult (宋体 first), else
    // another face with Chinese glyphs.
    static LOGFONTW resultFont(UINT dpi);

private:
    HFONT m_ui;
    HFONT m_result;
};

} // namespace taruk::win
