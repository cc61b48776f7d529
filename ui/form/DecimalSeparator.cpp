#include "ui/form/DecimalSeparator.h"

namespace taruk {

char decimalSeparatorFor(std::string_view localeMark)
{
    if (localeMark.size() != 1)
        return '.';
    const char c = localeMark.front();
    const bool printable = c > ' ' && c < 0x7f;
    const bool digit = c >= '0' && c <= '9';
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool sign = c == '+' || c == '-';
    return printable && !digit && !letter && !sign ? c : '.';
}

} // namespace taruk
