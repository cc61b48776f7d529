#pragma once

#include <QString>

#include <string_view>

namespace taruk {

// The core hands out UTF-8 in string views, which need not end in a NUL.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace taruk
