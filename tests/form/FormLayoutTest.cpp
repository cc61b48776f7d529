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
