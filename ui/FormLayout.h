#pragma once

#include "ui/ControlSpec.h"

#include <array>
#include <string_view>

namespace taruk::FormLayout {

inline constexpr std::string_view kWindowCaption = "Orvel版计算器";
inline constexpr std::string_view kApplicationTitle = "Taruk杀伤计算器";
inline constexpr int kClientWidthTwips = 5790;
inline constexpr int kClientHeightTwips = 7440;
inline constexpr int kTwipsPerPixel = 15;

using K = ControlSpec::Kind;

// Containers come before what they contain. Text box start-up texts are the
// core's (core/Fields.h); the caption column of a text box stays empty here.
inline constexpr std::array<ControlSpec, 57> kControls = {{
    {"Frame1", K::GroupBox, "", "Taruk杀伤计算器", 0, 0, 5775, 7335, 0},

    {"Label1", K::Label, "Frame1", "原始杀伤", 480, 240, 855, 255, 2},
    {"Label2", K::Label, "Frame1", "五行修正", 1560, 240, 975, 255, 3},
    {"Label23", K::Label, "Frame1", "强Taruk杀伤", 2880, 240, 975, 255, 48},
    {"Label3", K::Label, "Frame1", "强克五行", 4200, 240, 735, 255, 5},
    {"Text1", K::TextBox, "Frame1", "", 480, 600, 855, 390, 1},
    {"Text2", K::TextBox, "Frame1", "", 1680, 600, 855, 390, 4},
    {"Text22", K::TextBox, "Frame1", "", 2880, 600, 975, 375, 49},
    {"Text3", K::TextBox, "Frame1", "", 4200, 600, 1095, 390, 6},
    {"Frame2", K::GroupBox, "Frame1", "强Taruk杀伤", 480, 1080, 4815, 1095, 15},
    {"Frame3", K::GroupBox, "Frame1", "强力克属性详细列表", 480, 2280, 4815, 2175, 25},
    {"Label5", K::Label, "Frame1", "狂暴程度", 480, 4560, 975, 255, 10},
    {"Label6", K::Label, "Frame1", "狂暴后杀伤", 1800, 4560, 1095, 255, 12},
    {"Label4", K::Label, "Frame1", "正常最终杀伤", 3480, 4560, 1695, 255, 7},
    {"Text5", K::TextBox, "Frame1", "", 480, 5040, 975, 375, 11},
    {"Text6", K::TextBox, "Frame1", "", 1680, 5040, 1335, 375, 13},
    {"Text4", K::TextBox, "Frame1", "", 3480, 5040, 1575, 390, 8},
    {"Command1", K::Button, "Frame1", "计算Taruk杀伤", 360, 5760, 1815, 615, 9},
    {"Command2", K::Button, "Frame1", "重新输入", 2760, 5760, 1575, 615, 14},
    {"Label27", K::Label, "Frame1", "PS:", 240, 6600, 255, 375, 54},
    {"Label25", K::Label, "Frame1", "Taruk原始杀伤范围是1-12800", 480, 6600, 2415, 255, 52},
    {"Label26", K::Label, "Frame1", "五行修正范围是1-1.4", 480, 6840, 2295, 255, 53},
    {"Label7", K::Label, "Frame1", "Orvel 制作 · 1.00 版", 2880, 6840, 2775, 375, 24},

    {"Label10", K::Label, "Frame2", "武器", 120, 240, 495, 255, 16},
    {"Label11", K::Label, "Frame2", "衣服", 1080, 240, 615, 255, 18},
    {"Label12", K::Label, "Frame2", "帽子", 2160, 240, 615, 255, 20},
    {"Label13", K::Label, "Frame2", "项链", 3000, 240, 735, 255, 22},
    {"Label28", K::Label, "Frame2", "果子减抗", 3960, 240, 735, 255, 55},
    {"Text10", K::TextBox, "Frame2", "", 120, 600, 735, 375, 17},
    {"Text11", K::TextBox, "Frame2", "", 1080, 600, 735, 375, 19},
    {"Text12", K::TextBox, "Frame2", "", 2160, 600, 735, 375, 21},
    {"Text13", K::TextBox, "Frame2", "", 3120, 600, 735, 375, 23},
    {"Text24", K::TextBox, "Frame2", "", 4080, 600, 615, 375, 56},

    {"Text7", K::TextBox, "Frame3", "", 840, 240, 615, 375, 27},
    {"Text8", K::TextBox, "Frame3", "", 2520, 240, 615, 390, 29},
    {"Text9", K::TextBox, "Frame3", "", 4080, 240, 615, 375, 31},
    {"Label8", K::Label, "Frame3", "衣服", 240, 360, 495, 255, 26},
    {"Label9", K::Label, "Frame3", "帽子", 1800, 360, 495, 255, 28},
    {"Label14", K::Label, "Frame3", "项链", 3480, 360, 495, 255, 30},
    {"Text14", K::TextBox, "Frame3", "", 840, 600, 615, 375, 33},
    {"Text15", K::TextBox, "Frame3", "", 2520, 600, 615, 375, 35},
    {"Label15", K::Label, "Frame3", "武器", 240, 720, 375, 255, 32},
    {"Label16", K::Label, "Frame3", "鞋子", 1800, 720, 375, 255, 34},
    {"Text16", K::TextBox, "Frame3", "", 840, 960, 615, 375, 37},
    {"Text17", K::TextBox, "Frame3", "", 2520, 960, 615, 375, 39},
    {"Text18", K::TextBox, "Frame3", "", 4080, 960, 615, 375, 41},
    {"Label17", K::Label, "Frame3", "披风", 240, 1080, 375, 375, 36},
    {"Label18", K::Label, "Frame3", "面具", 1800, 1080, 375, 255, 38},
    {"Label19", K::Label, "Frame3", "腰带", 3480, 1080, 375, 255, 40},
    {"Text19", K::TextBox, "Frame3", "", 840, 1320, 615, 375, 43},
    {"Text20", K::TextBox, "Frame3", "", 2520, 1320, 615, 375, 45},
    {"Text21", K::TextBox, "Frame3", "", 4080, 1320, 615, 390, 47},
    {"Label20", K::Label, "Frame3", "挂件", 240, 1440, 495, 255, 42},
    {"Label21", K::Label, "Frame3", "左戒", 1800, 1440, 495, 255, 44},
    {"Label22", K::Label, "Frame3", "右戒", 3480, 1440, 495, 255, 46},
    {"Label24", K::Label, "Frame3", "符文强力克", 240, 1800, 1095, 255, 50},
    {"Text23", K::TextBox, "Frame3", "", 1440, 1800, 1095, 270, 51},
}};

// The label beside each text box: its accessible name and buddy.
struct FieldLabel {
    std::string_view box;
    std::string_view label;
};
inline constexpr std::array<FieldLabel, 24> kFieldLabels = {{
    {"Text1", "Label1"},   {"Text2", "Label2"},   {"Text22", "Label23"}, {"Text3", "Label3"},
    {"Text10", "Label10"}, {"Text11", "Label11"}, {"Text12", "Label12"}, {"Text13", "Label13"},
    {"Text24", "Label28"}, {"Text7", "Label8"},   {"Text8", "Label9"},   {"Text9", "Label14"},
    {"Text14", "Label15"}, {"Text15", "Label16"}, {"Text16", "Label17"}, {"Text17", "Label18"},
    {"Text18", "Label19"}, {"Text19", "Label20"}, {"Text20", "Label21"}, {"Text21", "Label22"},
    {"Text23", "Label24"}, {"Text5", "Label5"},   {"Text4", "Label4"},   {"Text6", "Label6"},
}};

} // namespace taruk::FormLayout
