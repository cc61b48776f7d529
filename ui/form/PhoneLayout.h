#pragma once

#include <array>
#include <string_view>

// The same window arranged for a narrow screen: one column of rows, read top
// to bottom in keyboard order (FormLayout's kFocusOrder), each box after its
// label. The controls keep their names, captions and group boxes; only their
// places change, so a front end lays them out from this list and builds them
// from FormLayout's table.
namespace taruk::PhoneLayout {

struct Row {
    // The group box the row stands in.
    std::string_view group;
    // Left to right; a label comes before its box. The second may be empty.
    std::array<std::string_view, 2> controls;
    // The rows of the two results and the two buttons, which stay on screen
    // together after a calculation.
    bool results = false;
};

// Keyboard order takes three boxes out of their group boxes' runs: Text22
// (strong-Taruk total) comes after the counter grid, and Text23 and Text24
// after it. They stand with their labels in the outer group, after the grid,
// as they are visited.
// clang-format off
inline constexpr std::array<Row, 29> kRows = {{
    {"Frame1", {"Label1", "Text1"}},
    {"Frame1", {"Label2", "Text2"}},
    {"Frame1", {"Label3", "Text3"}},
    {"Frame1", {"Label4", "Text4"}, true},
    {"Frame1", {"Command1", ""}, true},
    {"Frame1", {"Label5", "Text5"}, true},
    {"Frame1", {"Label6", "Text6"}, true},
    {"Frame1", {"Command2", ""}, true},
    {"Frame2", {"Label10", "Text10"}},
    {"Frame2", {"Label11", "Text11"}},
    {"Frame2", {"Label12", "Text12"}},
    {"Frame2", {"Label13", "Text13"}},
    {"Frame3", {"Label8", "Text7"}},
    {"Frame3", {"Label9", "Text8"}},
    {"Frame3", {"Label14", "Text9"}},
    {"Frame3", {"Label15", "Text14"}},
    {"Frame3", {"Label16", "Text15"}},
    {"Frame3", {"Label17", "Text16"}},
    {"Frame3", {"Label18", "Text17"}},
    {"Frame3", {"Label19", "Text18"}},
    {"Frame3", {"Label20", "Text19"}},
    {"Frame3", {"Label21", "Text20"}},
    {"Frame3", {"Label22", "Text21"}},
    {"Frame1", {"Label23", "Text22"}},
    {"Frame1", {"Label24", "Text23"}},
    {"Frame1", {"Label28", "Text24"}},
    {"Frame1", {"Label27", "Label25"}},
    {"Frame1", {"Label26", ""}},
    {"Frame1", {"Label7", ""}},
}};
// clang-format on

} // namespace taruk::PhoneLayout
