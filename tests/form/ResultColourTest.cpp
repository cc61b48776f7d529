#include "ui/form/ResultColour.h"
#include "ui/form/Contrast.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using taruk::FieldId;
using taruk::Rgb;

struct ColourCase {
    const char *name;
    FieldId box;
    taruk::BoxTheme theme;
    std::optional<Rgb> exactly; // else a lighter shade of the form's hue
};
void PrintTo(const ColourCase &c, std::ostream *os) { *os << c.name; }

class ResultColour : public testing::TestWithParam<ColourCase> {};

TEST_P(ResultColour, OneRuleForEveryTheme)
{
    const ColourCase &c = GetParam();
    const Rgb shown = taruk::resultTextColour(c.box, c.theme);
    if (c.exactly) {
        EXPECT_EQ(shown, *c.exactly);
        return;
    }
    // On a dark box the form's red or navy is lightened, keeping its hue, to
    // the enhanced contrast.
    EXPECT_GE(taruk::contrastRatio(shown, c.theme.background), taruk::kEnhancedContrast);
    EXPECT_EQ(shown.green, c.box == FieldId::Text4 ? shown.blue : shown.red);
    if (c.box == FieldId::Text4)
        EXPECT_GT(shown.red, shown.green);
    else
        EXPECT_GT(shown.blue, shown.red);
}

constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kWhite = {255, 255, 255};
constexpr Rgb kLightFace = {240, 240, 240}; // a read-only box on Windows and the page
constexpr Rgb kDarkBox = {30, 30, 30};

// Red 192,0,0 on 240,240,240 has a contrast of 5.7, navy 14.0: both kept.
INSTANTIATE_TEST_SUITE_P(
    Themes, ResultColour,
    testing::Values(
        ColourCase{"RedOnLight", FieldId::Text4, {kLightFace, kBlack, false}, Rgb{192, 0, 0}},
        ColourCase{"NavyOnLight", FieldId::Text6, {kLightFace, kBlack, false}, Rgb{0, 0, 128}},
        ColourCase{"RedOnWhite", FieldId::Text4, {kWhite, kBlack, false}, Rgb{192, 0, 0}},
        ColourCase{"RedOnDark", FieldId::Text4, {kDarkBox, kWhite, false}, std::nullopt},
        ColourCase{"NavyOnDark", FieldId::Text6, {kDarkBox, kWhite, false}, std::nullopt},
        // The user's colours win even where the form's would be readable.
        ColourCase{"RedUnderWhiteOnBlack", FieldId::Text4, {kBlack, kWhite, true}, kWhite},
        ColourCase{"NavyUnderBlackOnWhite", FieldId::Text6, {kWhite, kBlack, true}, kBlack},
        ColourCase{"NavyUnderYellowOnBlack",
                   FieldId::Text6,
                   {kBlack, Rgb{255, 255, 0}, true},
                   Rgb{255, 255, 0}},
        ColourCase{"NotAResult",
                   FieldId::Text3,
                   {kDarkBox, Rgb{200, 200, 200}, false},
                   Rgb{200, 200, 200}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
