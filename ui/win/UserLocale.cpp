#include "ui/win/UserLocale.h"

#include <windows.h>

namespace taruk::win {

char userDecimalSeparator()
{
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    // length counts the terminating zero.
    if (length == 2 && separator[0] > L' ' && separator[0] < 0x7f)
        return static_cast<char>(separator[0]);
    return '.';
}

} // namespace taruk::win
