#pragma once

// An independent reading and writing of numbers for the fuzzers to hold the
// core against: the characters are matched as the compiler encodes them, the
// grammar is a POSIX regular expression, the value comes from glibc's strtod_l
// in the "C" locale and the text from printf's "%.15G".

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <optional>
#include <regex.h>
#include <string>
#include <string_view>
#include <utility>

namespace reference {

struct Twin {
    std::string_view utf8;
    char ascii;
    bool onlyWithPoint; // a full stop: stands for '.' only where that is the separator
};

// Every non-ASCII character that may stand in a number, and what it stands for.
inline constexpr Twin kTwins[] = {
    {"\u00A0", ' ', false}, {"\u1680", ' ', false}, {"\u2000", ' ', false}, {"\u2001", ' ', false},
    {"\u2002", ' ', false}, {"\u2003", ' ', false}, {"\u2004", ' ', false}, {"\u2005", ' ', false},
    {"\u2006", ' ', false}, {"\u2007", ' ', false}, {"\u2008", ' ', false}, {"\u2009", ' ', false},
    {"\u200A", ' ', false}, {"\u202F", ' ', false}, {"\u205F", ' ', false}, {"\u3000", ' ', false},
    {"０", '0', false},     {"１", '1', false},     {"２", '2', false},     {"３", '3', false},
    {"４", '4', false},     {"５", '5', false},     {"６", '6', false},     {"７", '7', false},
    {"８", '8', false},     {"９", '9', false},     {"＋", '+', false},     {"－", '-', false},
    {"Ｅ", 'E', false},     {"ｅ", 'e', false},     {"．", '.', true},      {"。", '.', true},
    {"｡", '.', true},
};

class Reader {
public:
    explicit Reader(char separator) : m_separator(separator)
    {
        const std::string point = separator == '.' ? "\\." : std::string(1, separator);
        const std::string grammar =
            "^ *[-+]?([0-9]+(" + point + "[0-9]*)?|" + point + "[0-9]+)([eE][-+]?[0-9]+)? *$";
        if (regcomp(&m_grammar, grammar.c_str(), REG_EXTENDED | REG_NOSUB) != 0)
            std::abort();
        m_c = newlocale(LC_ALL_MASK, "C", nullptr);
        if (!m_c)
            std::abort();
    }
    ~Reader()
    {
        regfree(&m_grammar);
        freelocale(m_c);
    }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    // The value, or nothing where the text is no number or too large.
    std::optional<double> read(std::string_view text) const
    {
        std::string ascii;
        for (std::size_t i = 0; i < text.size();) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c < 0x80) {
                if (c == 0) // regexec would stop there; NUL is in no number
                    return std::nullopt;
                ascii.push_back(c == '\t' || c == '\r' || c == '\n' ? ' ' : static_cast<char>(c));
                ++i;
                continue;
            }
            const Twin *found = nullptr;
            for (const Twin &t : kTwins)
                if (!found && text.substr(i).starts_with(t.utf8) &&
                    (!t.onlyWithPoint || m_separator == '.'))
                    found = &t;
            if (!found)
                return std::nullopt;
            ascii.push_back(found->ascii);
            i += found->utf8.size();
        }
        if (regexec(&m_grammar, ascii.c_str(), 0, nullptr, 0) != 0)
            return std::nullopt;
        for (char &c : ascii)
            if (c == m_separator)
                c = '.';
        errno = 0;
        char *end = nullptr;
        const double value = strtod_l(ascii.c_str(), &end, m_c);
        if (errno == ERANGE && std::isinf(value))
            return std::nullopt;
        return value;
    }

    // printf's "%.15G" (the program never leaves the "C" locale), with the
    // separator put in, zero unsigned, and the few doubles whose 15-digit
    // rounding lies above the largest one stepped down so the text reads back.
    std::string write(double value) const
    {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15G", value == 0 ? 0.0 : value);
        std::string text = buf;
        if (text == "1.79769313486232E+308" || text == "-1.79769313486232E+308")
            text.replace(text.find("232"), 3, "231");
        for (char &c : text)
            if (c == '.')
                c = m_separator;
        return text;
    }

    char separator() const { return m_separator; }

private:
    char m_separator;
    regex_t m_grammar{};
    locale_t m_c{};
};

} // namespace reference
