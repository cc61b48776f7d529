#pragma once

#include <string>

// The window as the page holds it before its module loads: the markup of all
// controls, in keyboard order and in the rows of the phone arrangement, and
// the style sheet that places them at their twips on a wide screen and names
// the faces. Written at build time into the page (app/web), so the first
// paint already shows the whole window and the module only attaches to it.
namespace taruk::web::WindowMarkup {

// The <main> element that is the window, with every control in it.
std::string html();

// The faces, the window's size, every control's place in CSS pixels (15
// twips to a pixel) and the result boxes' colours. Its rules weigh nothing
// (:where), so the page's own sheet overrides them on a narrow screen.
std::string css();

} // namespace taruk::web::WindowMarkup
