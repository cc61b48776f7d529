#include "ui/win/UserLocale.h"

#include "ui/form/DecimalSeparator.h"
#include "ui/win/Utf16.h"

#include <windows.h>

namespace taruk::win {

char userDecimalSeparator()
{
    // At most four characters with the terminating zero.
    wchar_t mark[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, mark, 8);
    if (length <= 1)
        return decimalSeparatorFor({});
    return decimalSeparatorFor(
        toUtf8(std::wstring_view(mark, static_cast<std::size_t>(length - 1))));
}

} // namespace taruk::win
