#pragma once

#include <string_view>

namespace taruk {

// The separator the core reads and writes numbers with, given the decimal
// mark of the user's locale as UTF-8 text. The mark itself when it is one
// printable ASCII character that cannot be taken for part of a number (a
// digit, a sign, a letter such as the exponent's E, a blank); '.' otherwise,
// for instance for the Arabic mark U+066B, which the core cannot take.
char decimalSeparatorFor(std::string_view localeMark);

} // namespace taruk
