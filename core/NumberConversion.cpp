#include "core/NumberConversion.h"

#include "core/StepFailed.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace taruk {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Maps the full-width forms to ASCII and the blanks to ' '. Returns false on
// a character that can never be part of a number.
bool normalize(std::string_view in, char decimalSeparator, std::string &out)
{
    out.clear();
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        const auto c = static_cast<unsigned char>(in[i]);
        if (c < 0x80) {
            out.push_back(c == '\t' ? ' ' : static_cast<char>(c));
            ++i;
            continue;
        }
        const std::string_view rest = in.substr(i);
        if (rest.starts_with("\xE3\x80\x80")) { // U+3000 ideographic space
            out.push_back(' ');
        } else if (rest.size() >= 3 && rest[0] == '\xEF' && rest[1] == '\xBC') {
            const auto t = static_cast<unsigned char>(rest[2]);
            if (t >= 0x90 && t <= 0x99) // U+FF10..U+FF19 full-width digits
                out.push_back(static_cast<char>('0' + (t - 0x90)));
            else if (t == 0x8B) // U+FF0B
                out.push_back('+');
            else if (t == 0x8D) // U+FF0D
                out.push_back('-');
            else if (t == 0x8E && decimalSeparator == '.') // U+FF0E
                out.push_back('.');
            else
                return false;
        } else {
            return false;
        }
        i += 3;
    }
    return true;
}

// Checks the grammar on normalized text and cuts off the blanks. On success
// `number` holds sign, digits, '.', exponent, ready for from_chars.
bool validate(std::string_view s, char decimalSeparator, std::string &number, bool &negative)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && s[i] == ' ')
        ++i;
    std::size_t end = n;
    while (end > i && s[end - 1] == ' ')
        --end;

    number.clear();
    negative = false;
    if (i < end && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < end && isDigit(s[i])) {
        number.push_back(s[i++]);
        ++digits;
    }
    if (i < end && s[i] == decimalSeparator) {
        number.push_back('.');
        ++i;
        while (i < end && isDigit(s[i])) {
            number.push_back(s[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        number.push_back('e');
        ++i;
        if (i < end && (s[i] == '+' || s[i] == '-'))
            number.push_back(s[i++]);
        std::size_t expDigits = 0;
        while (i < end && isDigit(s[i])) {
            number.push_back(s[i++]);
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == end;
}

// Decimal order of magnitude of a validated, unsigned number text; only its
// sign matters, to tell an overflow from an underflow.
std::int64_t roughMagnitude(std::string_view number)
{
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t dot = mantissa.find('.');
    const std::string_view intPart = mantissa.substr(0, dot);
    const std::size_t firstNonZero = intPart.find_first_not_of('0');

    std::int64_t magnitude = 0;
    if (firstNonZero != std::string_view::npos) {
        magnitude = static_cast<std::int64_t>(intPart.size() - firstNonZero);
    } else if (dot != std::string_view::npos) {
        const std::string_view frac = mantissa.substr(dot + 1);
        const std::size_t nz = frac.find_first_not_of('0');
        magnitude = -static_cast<std::int64_t>(nz == std::string_view::npos ? frac.size() : nz);
    }
    if (e != std::string_view::npos) {
        std::string_view exp = number.substr(e + 1);
        const bool negExp = !exp.empty() && exp[0] == '-';
        if (!exp.empty() && (exp[0] == '-' || exp[0] == '+'))
            exp.remove_prefix(1);
        std::int64_t value = 0;
        for (char c : exp) {
            value = value * 10 + (c - '0');
            if (value > 1'000'000'000) // far beyond any double; saturate
                break;
        }
        magnitude += negExp ? -value : value;
    }
    return magnitude;
}

} // namespace

double parseNumber(std::string_view text, char decimalSeparator)
{
    std::string normalized;
    std::string number;
    bool negative = false;
    if (!normalize(text, decimalSeparator, normalized) ||
        !validate(normalized, decimalSeparator, number, negative))
        throw StepFailed();

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (roughMagnitude(number) > 0)
            throw StepFailed();
        value = 0.0;
    } else if (ec != std::errc() || ptr != number.data() + number.size()) {
        throw StepFailed();
    }
    return negative ? -value : value;
}

std::string formatNumber(double value, char decimalSeparator)
{
    if (!std::isfinite(value))
        throw StepFailed();
    if (value == 0.0)
        return "0"; // also for negative zero

    // 15 significant digits, correctly rounded: "d.dddddddddddddde±XX".
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const bool negative = sci[0] == '-';
    const std::size_t mantStart = negative ? 1 : 0;
    const std::size_t ePos = sci.find('e');

    std::string digits; // the 15 digits without the point
    for (std::size_t i = mantStart; i < ePos; ++i)
        if (sci[i] != '.')
            digits.push_back(sci[i]);
    int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    // The few doubles just below the largest one round up past it at 15
    // digits; such a text would not read back, so step down one unit.
    if (exponent == 308 && digits > "179769313486231") {
        digits = "179769313486231";
    }

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (negative)
        out.push_back('-');
    if (exponent >= 15 || exponent < -4) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back(decimalSeparator);
            out.append(digits, 1);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int absExp = std::abs(exponent);
        if (absExp < 10)
            out.push_back('0');
        out += std::to_string(absExp);
    } else if (exponent < 0) {
        out += '0';
        out.push_back(decimalSeparator);
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, intDigits);
            out.push_back(decimalSeparator);
            out.append(digits, intDigits);
        }
    }
    return out;
}

} // namespace taruk
