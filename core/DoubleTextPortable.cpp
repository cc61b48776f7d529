#include "core/DoubleText.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <cstdio>

// For a C++ library without floating-point std::from_chars and std::to_chars
// (libc++ 13, as emscripten 3.1 ships it). fast_float reads exactly as
// from_chars, but reports no range error; snprintf's "%.14e" writes the same
// digits as to_chars(scientific, 14).
namespace taruk::detail {

std::errc readDouble(std::string_view number, double &value)
{
    const char *end = number.data() + number.size();
    const auto [ptr, ec] = fast_float::from_chars(number.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::errc::invalid_argument;
    // fast_float gives infinity for an overflow and zero for an underflow.
    if (std::isinf(value))
        return std::errc::result_out_of_range;
    if (value == 0.0) {
        const std::string_view mantissa = number.substr(0, number.find('e'));
        if (mantissa.find_first_of("123456789") != std::string_view::npos)
            return std::errc::result_out_of_range;
    }
    return std::errc();
}

std::string_view writeScientific15(double value, char (&out)[40])
{
    // printf writes the C locale's decimal mark. Emscripten's C library is
    // musl, whose printf always writes '.', and nothing here calls setlocale;
    // yet only digits, the sign and the exponent are copied below, so no
    // locale could change the text even where one did.
    char raw[48];
    const int length = std::snprintf(raw, sizeof raw, "%.14e", value);
    std::size_t n = 0;
    bool pointWritten = false;
    for (int i = 0; i < length; ++i) {
        const char c = raw[i];
        if (c == '-' || c == '+' || c == 'e' || (c >= '0' && c <= '9')) {
            out[n++] = c;
            // The mark follows the first digit, whatever character it is.
            if (!pointWritten && c >= '0' && c <= '9') {
                out[n++] = '.';
                pointWritten = true;
            }
        }
    }
    return {out, n};
}

} // namespace taruk::detail
