#pragma once

#include <QFont>

namespace taruk {

// The window's two faces, each the first one installed of its kind.
class FormFonts {
public:
    // For all text but the two results: a face that has Chinese glyphs.
    static QFont text();
    // The two result boxes draw in a Song face, as 宋体 on Windows.
    static QFont result();
};

} // namespace taruk
