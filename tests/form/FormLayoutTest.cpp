#include "ui/form/FormLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using taruk::ControlSpec;
using taruk::FieldId;
namespace L = taruk::FormLayout;

namespace {

using F = FieldId;

std::vector<std::string> focusNames()
{
    std::vector<std::string> names;
    names.reserve(L::kFocusOrder.size());
    for (std::size_t i : L::kFocusOrder)
        names.emplace_back(L::kControls[i].name);
    return names;
}

TEST(FormLayout, KeyboardOrderVisitsEveryBoxAndButton)
{
    const std::vector<std::string> expected = {
        "Text1",    "Text2",  "Text3",  "Text4",  "Command1", "Text5",  "Text6",
        "Command2", "Text10", "Text11", "Text12", "Text13",   "Text7",  "Text8",
        "Text9",    "Text14", "Text15", "Text16", "Text17",   "Text18", "Text19",
        "Text20",   "Text21", "Text22", "Text23", "Text24"};
    EXPECT_EQ(focusNames(), expected);
}

// Written out from the form, not from the table: a box that shows the wrong
// field, or a label that names the wrong box, shows up here.
TEST(FormLayout, EachFieldHasOneBoxNamedByItsLabel)
{
    const std::map<FieldId, std::pair<std::string, std::string>> expected = {
        {F::Text1, {"原始杀伤", "Frame1"}},     {F::Text2, {"五行修正", "Frame1"}},
        {F::Text22, {"强Taruk杀伤", "Frame1"}}, {F::Text3, {"强克五行", "Frame1"}},
        {F::Text10, {"武器", "Frame2"}},        {F::Text11, {"衣服", "Frame2"}},
        {F::Text12, {"帽子", "Frame2"}},        {F::Text13, {"项链", "Frame2"}},
        {F::Text24, {"果子减抗", "Frame2"}},    {F::Text7, {"衣服", "Frame3"}},
        {F::Text8, {"帽子", "Frame3"}},         {F::Text9, {"项链", "Frame3"}},
        {F::Text14, {"武器", "Frame3"}},        {F::Text15, {"鞋子", "Frame3"}},
        {F::Text16, {"披风", "Frame3"}},        {F::Text17, {"面具", "Frame3"}},
        {F::Text18, {"腰带", "Frame3"}},        {F::Text19, {"挂件", "Frame3"}},
        {F::Text20, {"左戒", "Frame3"}},        {F::Text21, {"右戒", "Frame3"}},
        {F::Text23, {"符文强力克", "Frame3"}},  {F::Text5, {"狂暴程度", "Frame1"}},
        {F::Text4, {"正常最终杀伤", "Frame1"}}, {F::Text6, {"狂暴后杀伤", "Frame1"}},
    };
    for (const auto &[id, want] : expected) {
        const std::string name(taruk::fieldName(id));
        std::vector<const ControlSpec *> boxes, labels;
        for (const ControlSpec &c : L::kControls) {
            if (c.field == id && c.kind == ControlSpec::Kind::TextBox)
                boxes.push_back(&c);
            if (c.field == id && c.kind == ControlSpec::Kind::Label)
                labels.push_back(&c);
        }
        ASSERT_EQ(boxes.size(), 1u) << name;
        ASSERT_EQ(labels.size(), 1u) << name;
        EXPECT_EQ(boxes[0]->name, name);
        EXPECT_EQ(labels[0]->caption, want.first) << name;
        EXPECT_EQ(boxes[0]->container, want.second) << name;
        EXPECT_EQ(labels[0]->container, want.second) << name;
    }
}

TEST(FormLayout, CountsAndNamesAreUnique)
{
    std::map<std::string, int> counts;
    std::map<ControlSpec::Kind, int> kinds;
    for (const ControlSpec &c : L::kControls) {
        ++counts[std::string(c.name)];
        ++kinds[c.kind];
    }
    EXPECT_TRUE(
        std::all_of(counts.begin(), counts.end(), [](const auto &p) { return p.second == 1; }));
    EXPECT_EQ(kinds[ControlSpec::Kind::GroupBox], 3);
    EXPECT_EQ(kinds[ControlSpec::Kind::Label], 28);
    EXPECT_EQ(kinds[ControlSpec::Kind::TextBox], 24);
    EXPECT_EQ(kinds[ControlSpec::Kind::Button], 2);
}

// Geometry: rules any typo in the table would break, rather than the table
// compared with itself.

struct Rect {
    int left, top, right, bottom;
};
Rect rectOf(const ControlSpec &c) { return {c.left, c.top, c.left + c.width, c.top + c.height}; }
using L::byName;
const ControlSpec &boxOf(const ControlSpec &label)
{
    return byName(taruk::fieldName(*label.field));
}
std::vector<const ControlSpec *> labelsOfBoxes()
{
    std::vector<const ControlSpec *> labels;
    for (const ControlSpec &c : L::kControls)
        if (c.kind == ControlSpec::Kind::Label && c.field)
            labels.push_back(&c);
    return labels;
}

// Worked out by hand from the form: each group box's place is added in.
TEST(FormGeometry, WindowPlacesAddTheGroupBoxesAround)
{
    struct Case {
        const char *control;
        int left, top;
    };
    for (const Case &c :
         {Case{"Frame1", 0, 0}, Case{"Command1", 360, 5760}, Case{"Frame3", 480, 2280},
          Case{"Text10", 600, 1680}, Case{"Text7", 1320, 2520}}) {
        const L::Place at = L::kWindowPlaces[L::indexOf(c.control)];
        EXPECT_EQ(at.left, c.left) << c.control;
        EXPECT_EQ(at.top, c.top) << c.control;
    }
}

TEST(FormGeometry, NoTwoControlsOverlap)
{
    for (const ControlSpec &a : L::kControls) {
        for (const ControlSpec &b : L::kControls) {
            if (&a >= &b || a.container != b.container)
                continue;
            // Neighbours may share an edge up to two pixels (30 twips) deep, as
            // the stacked boxes of the original form do.
            constexpr int kShared = 30;
            const Rect r = rectOf(a), s = rectOf(b);
            const bool apart = r.right - kShared <= s.left || s.right - kShared <= r.left ||
                               r.bottom - kShared <= s.top || s.bottom - kShared <= r.top;
            EXPECT_TRUE(apart) << a.name << " overlaps " << b.name;
        }
    }
}

TEST(FormGeometry, EachControlLiesInsideItsContainer)
{
    for (const ControlSpec &c : L::kControls) {
        const int width = c.container.empty() ? L::kClientWidthTwips : byName(c.container).width;
        const int height = c.container.empty() ? L::kClientHeightTwips : byName(c.container).height;
        const Rect r = rectOf(c);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height) << c.name;
    }
}

// A label stands right above its box (the rows of single boxes) or just left
// of it (the grid of 强力克属性详细列表), and no other box comes between.
TEST(FormGeometry, LabelsShareTheirBoxsRow)
{
    for (const ControlSpec *label : labelsOfBoxes()) {
        const ControlSpec &box = boxOf(*label);
        ASSERT_EQ(label->container, box.container) << label->name;
        const Rect l = rectOf(*label), b = rectOf(box);
        const bool above = l.bottom <= b.top && l.left < b.right && b.left < l.right;
        const bool left = l.right <= b.left && l.top < b.bottom && b.top < l.bottom;
        EXPECT_TRUE(above != left) << label->name << " is neither above nor left of " << box.name;
        for (const ControlSpec &other : L::kControls) {
            if (other.kind != ControlSpec::Kind::TextBox || other.container != box.container ||
                &other == &box)
                continue;
            const Rect o = rectOf(other);
            const bool between =
                above
                    ? o.left < l.right && l.left < o.right && o.top >= l.bottom && o.top < b.top
                    : o.top < l.bottom && l.top < o.bottom && o.left >= l.right && o.left < b.left;
            EXPECT_FALSE(between) << other.name << " comes between " << label->name << " and "
                                  << box.name;
        }
    }
}

// Boxes whose labels share a top share their top; boxes of one width whose
// labels share a left edge share their left edge.
TEST(FormGeometry, RowsAndColumnsLineUp)
{
    const auto labels = labelsOfBoxes();
    for (const ControlSpec *a : labels) {
        for (const ControlSpec *b : labels) {
            if (a >= b || a->container != b->container)
                continue;
            const ControlSpec &boxA = boxOf(*a), &boxB = boxOf(*b);
            if (a->top == b->top) {
                EXPECT_EQ(boxA.top, boxB.top) << boxA.name << " and " << boxB.name;
            }
            if (a->left == b->left && boxA.width == boxB.width) {
                EXPECT_EQ(boxA.left, boxB.left) << boxA.name << " and " << boxB.name;
            }
        }
    }
}

struct PixelCase {
    const char *name;
    int twips;
    int dpi;
    int pixels;
};
void PrintTo(const PixelCase &c, std::ostream *os) { *os << c.name; }
class ToPixels : public testing::TestWithParam<PixelCase> {};
TEST_P(ToPixels, Scales)
{
    EXPECT_EQ(L::toPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}
INSTANTIATE_TEST_SUITE_P(Dpi, ToPixels,
                         testing::Values(PixelCase{"ClientWidthAt96", 5790, 96, 386},
                                         PixelCase{"ClientHeightAt96", 7440, 96, 496},
                                         PixelCase{"RoundsDown", 255, 96, 17},
                                         PixelCase{"At144", 5790, 144, 579},
                                         PixelCase{"At192", 255, 192, 34}),
                         [](const auto &info) { return info.param.name; });

} // namespace
