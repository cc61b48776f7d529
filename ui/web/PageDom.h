#pragma once

#include "core/Fields.h"

#include <string>
#include <string_view>

// What the module asks of the page's script (calculator.js), which holds the
// window's elements, written into the page at build time: every call goes to
// the page object the script hands the module.
namespace taruk::web::PageDom {

std::string text(FieldId id);
// The text the box held when the page reported the change the module is
// handling now.
std::string reportedText();
// Sets the box's text; the page reports no change for it.
void setText(FieldId id, std::string_view text);

// Shows a modal notice and returns once the user has closed it; the module
// is suspended meanwhile (ASYNCIFY), the page stays responsive.
void showNotice(std::string_view caption, std::string_view message);

} // namespace taruk::web::PageDom
