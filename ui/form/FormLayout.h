#pragma once

#include "ui/form/ControlSpec.h"
#include "ui/form/Rgb.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace taruk::FormLayout {

inline constexpr std::string_view kWindowCaption = "Orvel版计算器";
inline constexpr std::string_view kApplicationTitle = "Taruk杀伤计算器";
inline constexpr int kClientWidthTwips = 5790;
inline constexpr int kClientHeightTwips = 7440;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

// Every control's text, in the faces of FontFaces::kText.
inline constexpr int kTextPointSize = 9;

// The two result boxes: 12 pt, normal weight, in the faces of
// FontFaces::kResult (宋体 first), each in its colour.
inline constexpr int kResultPointSize = 12;
struct ResultBox {
    FieldId box;
    Rgb colour;
};
inline constexpr std::array<ResultBox, 2> kResultBoxes = {{
    {FieldId::Text4, {192, 0, 0}}, // the normal final damage, red
    {FieldId::Text6, {0, 0, 128}}, // the damage after frenzy, navy
}};

constexpr bool isResultBox(FieldId id)
{
    return std::any_of(kResultBoxes.begin(), kResultBoxes.end(),
                       [id](const ResultBox &r) { return r.box == id; });
}

namespace detail {
using K = ControlSpec::Kind;
constexpr ControlSpec groupBox(std::string_view name, std::string_view container,
                               std::string_view caption, int l, int t, int w, int h, int tab)
{
    return {name, K::GroupBox, container, caption, l, t, w, h, tab, std::nullopt};
}
constexpr ControlSpec button(std::string_view name, std::string_view container,
                             std::string_view caption, int l, int t, int w, int h, int tab)
{
    return {name, K::Button, container, caption, l, t, w, h, tab, std::nullopt};
}
// A text box is named after its field, so the two cannot disagree.
constexpr ControlSpec textBox(FieldId id, std::string_view container, int l, int t, int w, int h,
                              int tab)
{
    return {fieldName(id), K::TextBox, container, "", l, t, w, h, tab, id};
}
constexpr ControlSpec label(std::string_view name, std::string_view container,
                            std::string_view caption, int l, int t, int w, int h, int tab,
                            std::optional<FieldId> names = std::nullopt)
{
    return {name, K::Label, container, caption, l, t, w, h, tab, names};
}
} // namespace detail

// Containers come before what they contain; each container's controls are
// sorted by top, then left. Text box start-up texts are the core's
// (core/Fields.h).
// clang-format off
inline constexpr std::array<ControlSpec, 57> kControls = [] {
    using namespace detail;
    using F = FieldId;
    return std::array<ControlSpec, 57>{
        groupBox("Frame1", "", "Taruk杀伤计算器", 0, 0, 5775, 7335, 0),

        label("Label1", "Frame1", "原始杀伤", 480, 240, 855, 255, 2, F::Text1),
        label("Label2", "Frame1", "五行修正", 1560, 240, 975, 255, 3, F::Text2),
        label("Label23", "Frame1", "强Taruk杀伤", 2880, 240, 975, 255, 48, F::Text22),
        label("Label3", "Frame1", "强克五行", 4200, 240, 735, 255, 5, F::Text3),
        textBox(F::Text1, "Frame1", 480, 600, 855, 390, 1),
        textBox(F::Text2, "Frame1", 1680, 600, 855, 390, 4),
        textBox(F::Text22, "Frame1", 2880, 600, 975, 375, 49),
        textBox(F::Text3, "Frame1", 4200, 600, 1095, 390, 6),
        groupBox("Frame2", "Frame1", "强Taruk杀伤", 480, 1080, 4815, 1095, 15),
        groupBox("Frame3", "Frame1", "强力克属性详细列表", 480, 2280, 4815, 2175, 25),
        label("Label5", "Frame1", "狂暴程度", 480, 4560, 975, 255, 10, F::Text5),
        label("Label6", "Frame1", "狂暴后杀伤", 1800, 4560, 1095, 255, 12, F::Text6),
        label("Label4", "Frame1", "正常最终杀伤", 3480, 4560, 1695, 255, 7, F::Text4),
        textBox(F::Text5, "Frame1", 480, 5040, 975, 375, 11),
        textBox(F::Text6, "Frame1", 1680, 5040, 1335, 375, 13),
        textBox(F::Text4, "Frame1", 3480, 5040, 1575, 390, 8),
        button("Command1", "Frame1", "计算Taruk杀伤", 360, 5760, 1815, 615, 9),
        button("Command2", "Frame1", "重新输入", 2760, 5760, 1575, 615, 14),
        label("Label27", "Frame1", "PS:", 240, 6600, 255, 375, 54),
        label("Label25", "Frame1", "Taruk原始杀伤范围是1-12800", 480, 6600, 2415, 255, 52),
        label("Label26", "Frame1", "五行修正范围是1-1.4", 480, 6840, 2295, 255, 53),
        label("Label7", "Frame1", "Taruk杀伤计算器 " TARUK_VERSION " · MIT", 2880, 6840, 2775, 375, 24),

        label("Label10", "Frame2", "武器", 120, 240, 495, 255, 16, F::Text10),
        label("Label11", "Frame2", "衣服", 1080, 240, 615, 255, 18, F::Text11),
        label("Label12", "Frame2", "帽子", 2160, 240, 615, 255, 20, F::Text12),
        label("Label13", "Frame2", "项链", 3000, 240, 735, 255, 22, F::Text13),
        label("Label28", "Frame2", "果子减抗", 3960, 240, 735, 255, 55, F::Text24),
        textBox(F::Text10, "Frame2", 120, 600, 735, 375, 17),
        textBox(F::Text11, "Frame2", 1080, 600, 735, 375, 19),
        textBox(F::Text12, "Frame2", 2160, 600, 735, 375, 21),
        textBox(F::Text13, "Frame2", 3120, 600, 735, 375, 23),
        textBox(F::Text24, "Frame2", 4080, 600, 615, 375, 56),

        textBox(F::Text7, "Frame3", 840, 240, 615, 375, 27),
        textBox(F::Text8, "Frame3", 2520, 240, 615, 390, 29),
        textBox(F::Text9, "Frame3", 4080, 240, 615, 375, 31),
        label("Label8", "Frame3", "衣服", 240, 360, 495, 255, 26, F::Text7),
        label("Label9", "Frame3", "帽子", 1800, 360, 495, 255, 28, F::Text8),
        label("Label14", "Frame3", "项链", 3480, 360, 495, 255, 30, F::Text9),
        textBox(F::Text14, "Frame3", 840, 600, 615, 375, 33),
        textBox(F::Text15, "Frame3", 2520, 600, 615, 375, 35),
        label("Label15", "Frame3", "武器", 240, 720, 375, 255, 32, F::Text14),
        label("Label16", "Frame3", "鞋子", 1800, 720, 375, 255, 34, F::Text15),
        textBox(F::Text16, "Frame3", 840, 960, 615, 375, 37),
        textBox(F::Text17, "Frame3", 2520, 960, 615, 375, 39),
        textBox(F::Text18, "Frame3", 4080, 960, 615, 375, 41),
        label("Label17", "Frame3", "披风", 240, 1080, 375, 375, 36, F::Text16),
        label("Label18", "Frame3", "面具", 1800, 1080, 375, 255, 38, F::Text17),
        label("Label19", "Frame3", "腰带", 3480, 1080, 375, 255, 40, F::Text18),
        textBox(F::Text19, "Frame3", 840, 1320, 615, 375, 43),
        textBox(F::Text20, "Frame3", 2520, 1320, 615, 375, 45),
        textBox(F::Text21, "Frame3", 4080, 1320, 615, 390, 47),
        label("Label20", "Frame3", "挂件", 240, 1440, 495, 255, 42, F::Text19),
        label("Label21", "Frame3", "左戒", 1800, 1440, 495, 255, 44, F::Text20),
        label("Label22", "Frame3", "右戒", 3480, 1440, 495, 255, 46, F::Text21),
        label("Label24", "Frame3", "符文强力克", 240, 1800, 1095, 255, 50, F::Text23),
        textBox(F::Text23, "Frame3", 1440, 1800, 1095, 270, 51),
    };
}();
// clang-format on

// Where the control of that name is in the table.
constexpr std::size_t indexOf(std::string_view name)
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].name == name)
            return i;
    throw std::invalid_argument("no control of that name");
}
constexpr const ControlSpec &byName(std::string_view name) { return kControls[indexOf(name)]; }

// Every container is a group box that comes earlier in the table.
static_assert([] {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].container.empty())
            continue;
        bool found = false;
        for (std::size_t j = 0; j < i; ++j)
            found = found || (kControls[j].kind == ControlSpec::Kind::GroupBox &&
                              kControls[j].name == kControls[i].container);
        if (!found)
            return false;
    }
    return true;
}());

// Where each control stands in the window's client area, in twips: its own
// place plus those of the group boxes around it (indexed as kControls).
struct Place {
    int left;
    int top;
};
inline constexpr std::array<Place, kControls.size()> kWindowPlaces = [] {
    std::array<Place, kControls.size()> places{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlSpec &c = kControls[i];
        places[i] = {c.left, c.top};
        if (!c.container.empty()) { // containers come earlier, so theirs is known
            const Place around = places[indexOf(c.container)];
            places[i].left += around.left;
            places[i].top += around.top;
        }
    }
    return places;
}();

inline constexpr std::size_t kFocusableCount = static_cast<std::size_t>(std::count_if(
    kControls.begin(), kControls.end(), [](const ControlSpec &c) { return c.takesFocus(); }));

// The text boxes and buttons in keyboard order (by tab index), as indexes
// into kControls.
inline constexpr std::array<std::size_t, kFocusableCount> kFocusOrder = [] {
    std::array<std::size_t, kFocusableCount> order{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].takesFocus())
            order[n++] = i;
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return kControls[a].tabIndex < kControls[b].tabIndex;
    });
    return order;
}();

// Twips to device pixels at the given dots per inch, rounded down as at 96 dpi.
constexpr int toPixels(int twips, int dpi) { return twips * dpi / kTwipsPerInch; }

} // namespace taruk::FormLayout
