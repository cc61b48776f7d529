#include "ui/win/WindowFrame.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// At 144 dpi the client area is 5790 x 7440 twips = 579 x 744 pixels.
constexpr SIZE kClientAt144 = {579, 744};

struct DpiChangeRow {
    const char *name;
    RECT suggested;
    std::optional<SIZE> frameAtNewDpi;
    RECT expected;
};

} // namespace

// The old window had a 96-dpi frame of 6 x 25 pixels (386 x 496 inside,
// 392 x 521 outside); the system suggests that scaled by 1.5, at (100, 50).
// A 144-dpi frame is larger (here 10 x 38): the window must be sized for it,
// not for the old frame.
TEST(WindowFrameTest, AfterADpiChangeTheClientAreaFitsTheNewFrame)
{
    const DpiChangeRow rows[] = {
        {"the frame at the new DPI", {100, 50, 688, 832}, SIZE{10, 38}, {100, 50, 689, 832}},
        {"a system that cannot tell: the suggested rectangle",
         {100, 50, 688, 832},
         std::nullopt,
         {100, 50, 688, 832}},
    };
    for (const DpiChangeRow &row : rows) {
        SCOPED_TRACE(row.name);
        const RECT r =
            taruk::win::rectAfterDpiChange(row.suggested, kClientAt144, row.frameAtNewDpi);
        EXPECT_EQ(r.left, row.expected.left);
        EXPECT_EQ(r.top, row.expected.top);
        EXPECT_EQ(r.right, row.expected.right);
        EXPECT_EQ(r.bottom, row.expected.bottom);
    }
}

// Wine drew the caption 9 pixels shorter than the 144-dpi frame computed:
// the client area came out 579 x 753. Measured, the frame is 10 x 29, and
// the window shrinks to 589 x 773.
TEST(WindowFrameTest, AMeasuredFrameCorrectsTheWindow)
{
    const RECT placed = {100, 50, 689, 832};
    const RECT client = {0, 0, 579, 753};
    const SIZE frame = taruk::win::frameSize(placed, client);
    EXPECT_EQ(frame.cx, 10);
    EXPECT_EQ(frame.cy, 29);
    const RECT r = taruk::win::windowRectFor({100, 50}, kClientAt144, frame);
    EXPECT_EQ(r.right - r.left, 589);
    EXPECT_EQ(r.bottom - r.top, 773);
}
