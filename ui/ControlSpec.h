#pragma once

#include <string_view>

namespace taruk {

// One control of the window as drawn on the original form: position and
// size in twips (1/1440 inch, 15 to a pixel at 96 dpi) relative to its
// container, and its place in the keyboard order.
struct ControlSpec {
    enum class Kind { GroupBox, Label, TextBox, Button };

    std::string_view name; // also the widget's objectName
    Kind kind;
    std::string_view container; // empty for the window itself
    std::string_view caption;   // caption, or a text box's start-up text
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
};

} // namespace taruk
