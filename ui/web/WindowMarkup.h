#pragma once

#include <string>
#include <string_view>

// The window as the page holds it before its module loads: the markup of all
// controls, in keyboard order and in the rows of the phone arrangement, and
// the style sheet that places them at their twips on a wide screen and names
// the faces. Written at build time into the page (app/web), so the first
// paint already shows the whole window and the module only attaches to it.
namespace taruk::web::WindowMarkup {

// The <main> element that is the window, with every control in it.
std::string html();

// The faces, text sizes and box colours the page's sheet uses (as
// variables), the window's size, every control's place in CSS pixels (15
// twips to a pixel), the result boxes' colours, and then `phoneSheet` (the
// phone's rules, which override the places) with @NARROWER_THAN_WINDOW@
// replaced by the width below which the window does not fit.
std::string css(std::string_view phoneSheet);

} // namespace taruk::web::WindowMarkup
