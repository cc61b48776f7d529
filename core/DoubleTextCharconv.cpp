#include "core/DoubleText.h"

#include <charconv>

// Where the C++ library converts floating-point numbers itself (libstdc++,
// MSVC): std::from_chars and std::to_chars, which never look at the locale.
namespace taruk::detail {

std::errc readDouble(std::string_view number, double &value)
{
    const char *end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, value);
    return ec == std::errc() && ptr != end ? std::errc::invalid_argument : ec;
}

std::string_view writeScientific15(double value, char (&out)[40])
{
    const auto res = std::to_chars(out, out + sizeof out, value, std::chars_format::scientific, 14);
    return {out, static_cast<std::size_t>(res.ptr - out)};
}

} // namespace taruk::detail
