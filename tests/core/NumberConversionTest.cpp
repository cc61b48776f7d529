#include "core/NumberConversion.h"
#include "core/StepFailed.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using taruk::formatNumber;
using taruk::parseNumber;
using taruk::StepFailed;

namespace {

// std::bit_cast, which not every C++ library has yet.
double fromBits(std::uint64_t bits)
{
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}
std::uint64_t toBits(double x)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

struct ParseCase {
    const char *name;
    std::string text;
    double expected;
};
void PrintTo(const ParseCase &c, std::ostream *os) { *os << c.name; }

class ParseAccepts : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseAccepts, Value)
{
    const double v = parseNumber(GetParam().text);
    EXPECT_EQ(v, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseAccepts,
    testing::Values(
        ParseCase{"Plain", "12", 12}, ParseCase{"BlanksAround", "  12  ", 12},
        ParseCase{"Tabs", "\t12\t", 12}, ParseCase{"PlusSign", "+5", 5},
        ParseCase{"MinusSign", "-5", -5}, ParseCase{"Fraction", "1.5", 1.5},
        ParseCase{"NoIntegerPart", ".5", 0.5}, ParseCase{"TrailingPoint", "5.", 5},
        ParseCase{"LeadingZeros", "007", 7}, ParseCase{"LowerExponent", "1e3", 1000},
        ParseCase{"UpperExponent", "1E3", 1000}, ParseCase{"SignedExponent", "1E+3", 1000},
        ParseCase{"NegativeExponent", "25E-2", 0.25},
        ParseCase{"EverythingAtOnce", " -1.5e2 ", -150},
        // What a Chinese input method types in full-width mode.
        ParseCase{"FullWidthDigits", "１２８００", 12800},
        ParseCase{"FullWidthSignAndPoint", "－３．５", -3.5}, ParseCase{"FullWidthPlus", "＋２", 2},
        ParseCase{"IdeographicSpace", "\u3000１\u3000", 1},
        ParseCase{"LargestDouble", "1.79769313486231E+308", 1.79769313486231e308},
        ParseCase{"SmallestSubnormal", "4.94065645841247E-324",
                  std::numeric_limits<double>::denorm_min()},
        // Underflow is not a failure: it reads as zero.
        ParseCase{"UnderflowIsZero", "1e-400", 0},
        ParseCase{"HugeNegativeExponent", "5e-99999999999999999999", 0},
        ParseCase{"LongDigitRun", std::string(400, '1') + "e-400", 1.0 / 9.0},
        // Leading zeros do not count towards the magnitude.
        ParseCase{"ZerosBeforeUnderflowingFraction", "0." + std::string(400, '0') + "1", 0},
        ParseCase{"ZerosBeforeUnderflowingExponent", std::string(400, '0') + "1e-330", 0},
        ParseCase{"ZerosBeforeLargeValue", std::string(400, '0') + "1e308", 1e308},
        // A spreadsheet cell, a web page, an input method.
        ParseCase{"SpreadsheetCell", "12800\n", 12800},
        ParseCase{"WindowsLineEnd", "\r\n12\r\n", 12},
        ParseCase{"NoBreakSpace", "\u00A012\u00A0", 12}, ParseCase{"OghamSpace", "\u16805", 5},
        ParseCase{"EnQuadToHairSpace", "\u2000\u2005\u200A7", 7},
        ParseCase{"NarrowNoBreakSpace", "7\u202F", 7}, ParseCase{"MathematicalSpace", "\u205F7", 7},
        ParseCase{"IdeographicFullStop", "1\u30025", 1.5},
        ParseCase{"HalfwidthFullStop", "\uFF615", 0.5},
        ParseCase{"FullWidthExponentUpper", "１Ｅ３", 1000},
        ParseCase{"FullWidthExponentLower", "２ｅ－２", 0.02}),
    [](const auto &info) { return info.param.name; });

struct RejectCase {
    const char *name;
    std::string text;
};
void PrintTo(const RejectCase &c, std::ostream *os) { *os << c.name; }

class ParseRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(ParseRejects, ThrowsStepFailed) { EXPECT_THROW(parseNumber(GetParam().text), StepFailed); }

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseRejects,
    testing::Values(
        RejectCase{"Empty", ""}, RejectCase{"OnlyBlanks", "   "}, RejectCase{"Letters", "abc"},
        RejectCase{"Inf", "inf"}, RejectCase{"Infinity", "-Infinity"}, RejectCase{"NaN", "nan"},
        RejectCase{"Hex", "0x10"}, RejectCase{"LonePlus", "+"}, RejectCase{"LoneMinus", "-"},
        RejectCase{"LonePoint", "."}, RejectCase{"DanglingExponent", "1e"},
        RejectCase{"DanglingExponentSign", "1e+"}, RejectCase{"ExponentOnly", "e5"},
        RejectCase{"FractionalExponent", "1e5.5"}, RejectCase{"TwoPoints", "1.2.3"},
        RejectCase{"Comma", "1,5"}, RejectCase{"ThousandsSeparator", "12,800"},
        RejectCase{"InnerBlank", "1 2"}, RejectCase{"BlankAfterSign", "- 5"},
        RejectCase{"DoubleSign", "--5"}, RejectCase{"TrailingLetter", "12a"},
        RejectCase{"FullWidthLetter", "１２ａ"}, RejectCase{"EmbeddedNul", std::string("1\0", 2)},
        RejectCase{"InvalidUtf8", "1\xFF"}, RejectCase{"TruncatedUtf8", "1\xEF\xBC"},
        RejectCase{"FortranExponent", "1d5"}, RejectCase{"Overflow", "1e400"},
        RejectCase{"NegativeOverflow", "-1e400"},
        // Rounds above the largest double.
        RejectCase{"JustAboveLargest", "1.79769313486232E+308"},
        RejectCase{"HugeExponent", "1e99999999999999999999"},
        RejectCase{"LongDigitRunOverflow", std::string(400, '9')},
        RejectCase{"ZerosBeforeOverflow", std::string(400, '0') + "1e309"},
        // Blanks only around the number, never inside it.
        RejectCase{"NoBreakSpaceInside", "12\u00A0800"}, RejectCase{"LineBreakInside", "12\n800"},
        RejectCase{"IdeographicSpaceAfterSign", "-\u30005"},
        RejectCase{"TwoFullStops", "1\u30022\u30023"},
        // Neither a blank nor a digit.
        RejectCase{"ZeroWidthSpace", "\u200B1"}, RejectCase{"VerticalTab", "\v1"},
        RejectCase{"Overlong", "\xC0\xB1"}, RejectCase{"EncodedSurrogate", "1\xED\xA0\x80"}),
    [](const auto &info) { return info.param.name; });

TEST(ParseNumber, KeepsSignOfZero)
{
    EXPECT_TRUE(std::signbit(parseNumber("-0")));
    EXPECT_FALSE(std::signbit(parseNumber("0")));
}

TEST(ParseNumber, HonoursDecimalSeparator)
{
    EXPECT_EQ(parseNumber("1,5", ','), 1.5);
    EXPECT_THROW(parseNumber("1.5", ','), StepFailed);
    // The full stops stand for '.', never for another separator.
    for (const char *text : {"１．５", "1\u30025", "1\uFF615"})
        EXPECT_THROW(parseNumber(text, ','), StepFailed) << text;
}

struct FormatCase {
    const char *name;
    double value;
    const char *expected;
};
void PrintTo(const FormatCase &c, std::ostream *os) { *os << c.name; }

class FormatWrites : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatWrites, Text) { EXPECT_EQ(formatNumber(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatWrites,
    testing::Values(FormatCase{"OneAndAHalf", 1.5, "1.5"}, FormatCase{"WholeValue", 17920, "17920"},
                    FormatCase{"LeadingZero", 0.5, "0.5"},
                    // 0.30000000000000004 differs from 0.3 only past the 15th digit.
                    FormatCase{"TenthPlusFifth", 0.1 + 0.2, "0.3"}, FormatCase{"Zero", 0.0, "0"},
                    FormatCase{"NegativeZero", -0.0, "0"}, FormatCase{"Negative", -2.25, "-2.25"},
                    FormatCase{"TwoThirds", 2.0 / 3.0, "0.666666666666667"},
                    FormatCase{"FifteenDigits", 999999999999999.0, "999999999999999"},
                    FormatCase{"RoundsHalfUpAtFifteen", 123456789012345.6, "123456789012346"},
                    FormatCase{"RoundsIntoExponentForm", 999999999999999.9, "1E+15"},
                    FormatCase{"LargeWhole", 1e15, "1E+15"}, FormatCase{"Large", 1.5e20, "1.5E+20"},
                    FormatCase{"ThreeDigitExponent", 1e100, "1E+100"},
                    FormatCase{"SmallestFixed", 0.0001, "0.0001"},
                    FormatCase{"SmallFixedDigits", 0.000123456789012345678, "0.000123456789012346"},
                    FormatCase{"LargestSmallExponent", 0.00001, "1E-05"},
                    FormatCase{"SmallWithFraction", -1.5e-7, "-1.5E-07"},
                    // 15-digit rounding of the largest double lies above it.
                    FormatCase{"LargestDouble", std::numeric_limits<double>::max(),
                               "1.79769313486231E+308"},
                    FormatCase{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                               "4.94065645841247E-324"}),
    [](const auto &info) { return info.param.name; });

TEST(FormatNumber, UsesGivenSeparator) { EXPECT_EQ(formatNumber(10233.6, ','), "10233,6"); }

TEST(FormatNumber, RejectsNonFinite)
{
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::infinity()), StepFailed);
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::quiet_NaN()), StepFailed);
}

// Whatever formatNumber writes reads back within 15 digits, and writing the
// read value again gives the same text.
void expectRoundTrip(double x)
{
    const std::string text = formatNumber(x);
    double back = 0;
    ASSERT_NO_THROW(back = parseNumber(text)) << text;
    ASSERT_TRUE(std::isfinite(back)) << text;
    EXPECT_EQ(formatNumber(back), text);
    if (std::fabs(x) >= std::numeric_limits<double>::min()) {
        EXPECT_LE(std::fabs(back - x), std::fabs(x) * 5.1e-15) << text;
    }
}

TEST(RoundTrip, EdgeValues)
{
    using L = std::numeric_limits<double>;
    for (double x : {L::max(), -L::max(), std::nextafter(L::max(), 0.0), L::min(), L::denorm_min(),
                     -L::denorm_min(), 1e15, 1e15 - 1, 1e-4, 1e-5, 0.1, 12800.0, 1.4})
        expectRoundTrip(x);
}

TEST(RoundTrip, RandomBitPatterns)
{
    std::mt19937_64 rng(20261208);
    for (int i = 0; i < 200000; ++i) {
        const double x = fromBits(rng());
        if (std::isfinite(x)) {
            expectRoundTrip(x);
        }
    }
}

} // namespace

namespace {

// glibc's printf is exact; in the "C" locale "%.15G" has the same digits,
// thresholds and exponent notation as formatNumber.
std::string printfReference(double x)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    return buf;
}

TEST(FormatAgainstPrintf, RandomBitPatterns)
{
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    std::mt19937_64 rng(7);
    for (int i = 0; i < 1'000'000; ++i) {
        const double x = fromBits(rng());
        // Zero is "0" for both signs; above this formatNumber steps down a
        // unit so that its text still reads back.
        if (!std::isfinite(x) || x == 0 || std::fabs(x) > 1.79769313486231e308)
            continue;
        ASSERT_EQ(formatNumber(x), printfReference(x)) << toBits(x);
    }
}

// Random bit patterns seldom land where the fixed form is written.
TEST(FormatAgainstPrintf, RandomValuesAroundFixedForm)
{
    std::mt19937_64 rng(8);
    std::uniform_int_distribution<int> exponent(-20, 55);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    for (int i = 0; i < 1'000'000; ++i) {
        const double x = std::ldexp(mantissa(rng), exponent(rng));
        if (x == 0)
            continue;
        ASSERT_EQ(formatNumber(x), printfReference(x)) << x;
        expectRoundTrip(x);
    }
}

} // namespace
