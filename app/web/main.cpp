// The module the page loads: one calculator window, and the entry points
// through which calculator.js reports what the user did. The page calls them
// one at a time, each running to its end (notices included).
#include "ui/web/CalculatorPage.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string_view>

namespace {

std::unique_ptr<taruk::web::CalculatorPage> page;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void taruk_start(const char *decimalMark)
{
    page = std::make_unique<taruk::web::CalculatorPage>(decimalMark);
}

EMSCRIPTEN_KEEPALIVE void taruk_press(const char *button) { page->press(button); }

EMSCRIPTEN_KEEPALIVE void taruk_press_key(const char *button, const char *which)
{
    page->pressKey(button, std::string_view(which) == "repeat");
}

EMSCRIPTEN_KEEPALIVE void taruk_text_changed(const char *box, const char *text)
{
    page->textChanged(box, text);
}

EMSCRIPTEN_KEEPALIVE void taruk_composition_started(const char *box)
{
    page->compositionStarted(box);
}

EMSCRIPTEN_KEEPALIVE void taruk_composition_ended(const char *box, const char *text)
{
    page->compositionEnded(box, text);
}

} // extern "C"
