#include "core/NumberConversion.h"

#include "core/DoubleText.h"
#include "core/StepFailed.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace taruk {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decodes one well-formed UTF-8 sequence at `i` and moves past it; returns
// U+FFFF (never part of a number) for anything malformed.
char32_t nextCodePoint(std::string_view in, std::size_t &i)
{
    constexpr char32_t kInvalid = 0xFFFF;
    const auto lead = static_cast<unsigned char>(in[i++]);
    if (lead < 0x80)
        return lead;
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        cp = lead & 0x07;
    } else {
        return kInvalid;
    }
    for (std::size_t k = 0; k < length; ++k) {
        if (i >= in.size() || (static_cast<unsigned char>(in[i]) & 0xC0) != 0x80)
            return kInvalid;
        cp = (cp << 6) | (static_cast<unsigned char>(in[i++]) & 0x3F);
    }
    // Overlong forms and surrogates are not characters.
    if ((length == 2 && cp < 0x800) || (length == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return kInvalid;
    return cp;
}

// Space separators (Unicode category Zs), and the tab, CR and LF that a cell
// pasted from a spreadsheet brings along.
bool isBlank(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0x00A0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

// What a Chinese input method types in place of an ASCII number character:
// full-width digits, signs and exponent letters, and, where the separator is
// '.', the full-width, ideographic and halfwidth full stops. 0 for anything
// else that is not ASCII.
char asciiTwin(char32_t c, char decimalSeparator)
{
    if (c >= 0xFF10 && c <= 0xFF19)
        return static_cast<char>('0' + (c - 0xFF10));
    switch (c) {
    case 0xFF0B:
        return '+';
    case 0xFF0D:
        return '-';
    case 0xFF25:
    case 0xFF45:
        return 'E';
    case 0xFF0E:
    case 0x3002:
    case 0xFF61:
        return decimalSeparator == '.' ? '.' : 0;
    default:
        return 0;
    }
}

// Maps the blanks to ' ' and the full-width forms to ASCII. Returns false on
// a character that can never be part of a number.
bool normalize(std::string_view in, char decimalSeparator, std::string &out)
{
    out.clear();
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        const char32_t c = nextCodePoint(in, i);
        if (isBlank(c)) {
            out.push_back(' ');
        } else if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (const char twin = asciiTwin(c, decimalSeparator)) {
            out.push_back(twin);
        } else {
            return false;
        }
    }
    return true;
}

// Checks the grammar on normalized text and cuts off the blanks. On success
// `number` holds digits, '.', exponent, ready for readDouble.
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
    const std::errc ec = detail::readDouble(number, value);
    if (ec == std::errc::result_out_of_range) {
        if (roughMagnitude(number) > 0)
            throw StepFailed();
        value = 0.0;
    } else if (ec != std::errc()) {
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
    const std::string_view sci = detail::writeScientific15(value, buf);
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
