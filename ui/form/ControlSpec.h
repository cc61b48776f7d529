#pragma once

#include "core/Fields.h"

#include <optional>
#include <string_view>

namespace taruk {

// One control of the window as drawn on the original form: position and
// size in twips (1/1440 inch, 15 to a pixel at 96 dpi) relative to its
// container, and its place in the keyboard order. Plain data, so that every
// front end builds its window from the same table.
struct ControlSpec {
    enum class Kind { GroupBox, Label, TextBox, Button };

    std::string_view name; // also the widget's objectName / the control's id
    Kind kind;
    std::string_view container; // empty for the window itself
    std::string_view caption;   // empty for text boxes: their text is the field's
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    // A text box: the field it shows. A label: the field it names, whose box
    // it is the buddy of. Empty for the rest.
    std::optional<FieldId> field;

    constexpr bool takesFocus() const { return kind == Kind::TextBox || kind == Kind::Button; }
};

} // namespace taruk
