#pragma once

#include "core/Fields.h"
#include "ui/form/ControlSpec.h"
#include "ui/form/Rgb.h"

#include <string>
#include <string_view>

// What the module asks of the page's script (calculator.js), which holds the
// elements: every call goes to the page object the script hands the module.
namespace taruk::web::PageDom {

// The window: the page's title and the window's size in CSS pixels.
void setWindow(std::string_view title, double width, double height);

// Adds one control of the table, in CSS pixels, inside its container's
// element; a label names the box of its field (<label for>).
void addControl(const ControlSpec &spec, std::string_view labelledBox, double left, double top,
                double width, double height, bool readOnly);

// The two result boxes: their face and colours, on a light and on a dark
// page.
void styleResult(std::string_view box, Rgb light, Rgb dark);

// The box that has the focus when the window opens.
void focus(std::string_view control);

std::string text(FieldId id);
// Sets the box's text; the page reports no change for it.
void setText(FieldId id, std::string_view text);

// Shows a modal notice and returns once the user has closed it; the module
// is suspended meanwhile (ASYNCIFY), the page stays responsive.
void showNotice(std::string_view caption, std::string_view message);

} // namespace taruk::web::PageDom
