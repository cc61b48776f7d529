#include "ui/form/DecimalSeparator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SeparatorCase {
    const char *name;
    std::string mark; // the locale's decimal mark, UTF-8
    char expected;
};
void PrintTo(const SeparatorCase &c, std::ostream *os) { *os << c.name; }

class DecimalSeparator : public testing::TestWithParam<SeparatorCase> {};

TEST_P(DecimalSeparator, IsTheLocalesWhereNumbersStayUnambiguous)
{
    EXPECT_EQ(taruk::decimalSeparatorFor(GetParam().mark), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, DecimalSeparator,
    testing::Values(
        SeparatorCase{"Point", ".", '.'}, SeparatorCase{"Comma", ",", ','},
        SeparatorCase{"Apostrophe", "'", '\''},
        // Just past the digits, the capitals and the small letters: kept.
        SeparatorCase{"Colon", ":", ':'}, SeparatorCase{"OpeningBracket", "[", '['},
        SeparatorCase{"OpeningBrace", "{", '{'},
        // "1E5" must stay 100000, "1e5" too.
        SeparatorCase{"ExponentLetter", "E", '.'}, SeparatorCase{"LowerExponentLetter", "e", '.'},
        SeparatorCase{"OtherLetter", "x", '.'}, SeparatorCase{"Digit", "5", '.'},
        SeparatorCase{"Plus", "+", '.'}, SeparatorCase{"Minus", "-", '.'},
        SeparatorCase{"Space", " ", '.'}, SeparatorCase{"Tab", "\t", '.'},
        SeparatorCase{"NoBreakSpace", "\u00A0", '.'}, SeparatorCase{"ArabicMark", "\u066B", '.'},
        SeparatorCase{"MiddleDot", "\u00B7", '.'}, SeparatorCase{"FullWidthComma", "\uFF0C", '.'},
        SeparatorCase{"Empty", "", '.'}, SeparatorCase{"TwoCharacters", ",,", '.'},
        SeparatorCase{"Nul", std::string(1, '\0'), '.'}, SeparatorCase{"Delete", "\x7f", '.'}),
    [](const auto &info) { return info.param.name; });

} // namespace
