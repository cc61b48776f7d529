#pragma once

#include <string>
#include <string_view>

namespace taruk {

// Reads a decimal number: optional blanks, an optional sign, digits with at
// most one decimal separator (at least one digit), an optional exponent
// (E or e, an optional sign, digits), optional blanks. Blanks are the space
// separators of Unicode, tab, CR and LF. Full-width digits, signs and
// exponent letters count as their ASCII twins, and so do the full-width,
// ideographic and halfwidth full stops where the separator is '.', so text
// typed with a Chinese input method reads the same. Anything else (including
// "inf", "nan", hex, "1e", a lone sign, an empty text, a blank between
// digits) throws StepFailed, and so does a magnitude too large for a double.
// A magnitude too small for a double reads as zero, just as an arithmetic
// underflow does. Independent of the C locale.
double parseNumber(std::string_view text, char decimalSeparator = '.');

// Writes at most 15 significant digits, correctly rounded, without trailing
// zeros, thousands separators or a separator for whole values; exponent
// form ("1.5E+20", "1E-05") outside 1E-4 <= |v| < 1E15, as printf's %G does. Negative zero shows as
// 0. The result always reads back with parseNumber. Throws StepFailed for a
// value that is not finite.
std::string formatNumber(double value, char decimalSeparator = '.');

} // namespace taruk
