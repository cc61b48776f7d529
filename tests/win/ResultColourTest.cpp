#include "ui/win/ResultColour.h"

#include <gtest/gtest.h>

namespace {

using taruk::Rgb;

struct ColourRow {
    const char *name;
    Rgb formColour;
    bool highContrast;
    Rgb systemText;
    Rgb background;
    Rgb expected;
};

} // namespace

// Wine cannot turn a high-contrast scheme on (SPI_SETHIGHCONTRAST fails),
// so the choice is tested by itself. Red 192,0,0 on the light 240,240,240
// face has a contrast of 5.7, navy 14.0: both kept.
TEST(ResultColourTest, HighContrastTakesTheSystemsTextColour)
{
    const ColourRow rows[] = {
        {"red on a light face", {192, 0, 0}, false, {0, 0, 0}, {240, 240, 240}, {192, 0, 0}},
        {"navy on a light face", {0, 0, 128}, false, {0, 0, 0}, {240, 240, 240}, {0, 0, 128}},
        {"red under white-on-black high contrast",
         {192, 0, 0},
         true,
         {255, 255, 255},
         {0, 0, 0},
         {255, 255, 255}},
        {"navy under black-on-white high contrast",
         {0, 0, 128},
         true,
         {0, 0, 0},
         {255, 255, 255},
         {0, 0, 0}},
    };
    for (const ColourRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(taruk::win::resultTextColour(row.formColour, row.highContrast, row.systemText,
                                               row.background),
                  row.expected);
    }
}
