#pragma once

#include <string>
#include <string_view>

// The window as the page holds it before its module loads: the markup of all
// controls, in keyboard order and in the rows of the phone arrangement, and
// the style sheet that places them at their twips on a wide screen and names
// the faces; with them the page's fixed texts. Written at build time into the
// page (app/web), so the first paint already shows the whole window and the
// module only attaches to it.
namespace taruk::web::WindowMarkup {

// `pageTemplate` with @WINDOW@ replaced by the <main> element that is the
// window, every control in it, and each text's mark by the text: the
// window's @WINDOW_CAPTION@ and @APPLICATION_TITLE@, and the page's own
// (PageTexts.h) by their names, @NO_SCRIPT@ for kNoScript and so on.
std::string page(std::string_view pageTemplate);

// The faces, text sizes and box colours the page's sheet uses (as
// variables), the window's size, every control's place in CSS pixels (15
// twips to a pixel), the result boxes' colours, then `pageSheet`, then
// `phoneSheet` (the phone's rules, which override both) with
// @NARROWER_THAN_WINDOW@ replaced by the width below which the window does
// not fit.
std::string css(std::string_view pageSheet, std::string_view phoneSheet);

} // namespace taruk::web::WindowMarkup
