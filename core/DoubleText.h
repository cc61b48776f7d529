#pragma once

#include <string_view>
#include <system_error>

// The two conversions between a double and its decimal text that
// NumberConversion.cpp builds on, each done by the C++ library where it can
// and otherwise by an equivalent; core/CMakeLists.txt picks the file that
// implements them. The grammar, the blanks, the separator and the range rules
// stay in NumberConversion.cpp, the same for every build.
namespace taruk::detail {

// Reads `number`, already checked and in plain form (digits, at most one '.',
// an optional "e" with an optional sign and digits; no sign in front),
// correctly rounded, as std::from_chars does: std::errc::result_out_of_range
// when its magnitude is too large for a double, or is not zero but rounds to
// zero.
std::errc readDouble(std::string_view number, double &value);

// A finite `value` correctly rounded to 15 significant digits, as
// "-d.dddddddddddddde+XX" (sign only when negative, at least two exponent
// digits), written into `out`; returns the text.
std::string_view writeScientific15(double value, char (&out)[40]);

} // namespace taruk::detail
