#include "ui/form/Contrast.h"

#include <gtest/gtest.h>

namespace {

using taruk::Rgb;

struct RatioCase {
    const char *name;
    Rgb a, b;
    double expected; // from the WCAG 2 formula, worked out by hand
};
void PrintTo(const RatioCase &c, std::ostream *os) { *os << c.name; }

class ContrastRatio : public testing::TestWithParam<RatioCase> {};

TEST_P(ContrastRatio, AsWcagDefinesIt)
{
    EXPECT_NEAR(taruk::contrastRatio(GetParam().a, GetParam().b), GetParam().expected, 0.01);
    EXPECT_NEAR(taruk::contrastRatio(GetParam().b, GetParam().a), GetParam().expected, 0.01);
}

// Navy: luminance 0.0722 × 0.2158 = 0.01558; (1.05) / (0.06558) = 16.01.
// Red 192: 0.2126 × 0.5271 = 0.1121; 1.05 / 0.1621 = 6.48.
INSTANTIATE_TEST_SUITE_P(
    Pairs, ContrastRatio,
    testing::Values(RatioCase{"BlackOnWhite", {0, 0, 0}, {255, 255, 255}, 21.0},
                    RatioCase{"Same", {120, 30, 200}, {120, 30, 200}, 1.0},
                    RatioCase{"NavyOnWhite", {0, 0, 128}, {255, 255, 255}, 16.01},
                    RatioCase{"DarkRedOnWhite", {192, 0, 0}, {255, 255, 255}, 6.48}),
    [](const auto &info) { return info.param.name; });

struct ReadableCase {
    const char *name;
    Rgb wanted, background;
    bool unchanged;
};
void PrintTo(const ReadableCase &c, std::ostream *os) { *os << c.name; }

class ReadableOn : public testing::TestWithParam<ReadableCase> {};

TEST_P(ReadableOn, ReachesTheMinimumAndKeepsWhatIsReadable)
{
    const ReadableCase &c = GetParam();
    const Rgb shown = taruk::readableOn(c.wanted, c.background);
    const double ratio = taruk::contrastRatio(shown, c.background);
    EXPECT_GE(ratio, c.unchanged ? taruk::kMinimumContrast : taruk::kEnhancedContrast);
    // Changed just far enough: no further than needed (1/256 of the way).
    if (!c.unchanged) {
        EXPECT_LT(ratio, taruk::kEnhancedContrast * 1.05);
    }
    EXPECT_EQ(shown == c.wanted, c.unchanged);
}

INSTANTIATE_TEST_SUITE_P(
    Backgrounds, ReadableOn,
    testing::Values(ReadableCase{"RedOnWhite", {192, 0, 0}, {255, 255, 255}, true},
                    ReadableCase{"NavyOnWhite", {0, 0, 128}, {255, 255, 255}, true},
                    ReadableCase{"RedOnDarkGrey", {192, 0, 0}, {42, 42, 42}, false},
                    ReadableCase{"NavyOnDarkGrey", {0, 0, 128}, {42, 42, 42}, false},
                    ReadableCase{"NavyOnBlack", {0, 0, 128}, {0, 0, 0}, false},
                    ReadableCase{"YellowOnWhite", {255, 255, 0}, {255, 255, 255}, false}),
    [](const auto &info) { return info.param.name; });

// The red stays a red: mixed towards white, red remains its largest channel.
TEST(ReadableOnDark, KeepsTheHue)
{
    const Rgb red = taruk::readableOn({192, 0, 0}, {42, 42, 42});
    EXPECT_GT(red.red, red.green);
    EXPECT_EQ(red.green, red.blue);
    const Rgb navy = taruk::readableOn({0, 0, 128}, {42, 42, 42});
    EXPECT_GT(navy.blue, navy.red);
}

} // namespace
