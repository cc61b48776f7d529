// The module the page loads: one calculator window, and the entry points
// through which calculator.js reports what the user did. The page calls them
// one at a time, each running to its end (notices included).
#include "ui/web/CalculatorPage.h"
#include "ui/web/PageDom.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string_view>

namespace {

std::unique_ptr<taruk::web::CalculatorPage> page;

} // namespace

extern "C" {

// Attaches a calculator to the window the page already shows: at start-up,
// and in a fresh instance that takes over after a call failed. It judges
// nothing here: the page reports what the player did before it was ready.
EMSCRIPTEN_KEEPALIVE void taruk_start(const char *decimalMark)
{
    page = std::make_unique<taruk::web::CalculatorPage>(decimalMark);
}

EMSCRIPTEN_KEEPALIVE void taruk_press(const char *button) { page->press(button); }

// `held` names the modifiers held, as KeyboardEvent.getModifierState names
// them ("Shift Control").
EMSCRIPTEN_KEEPALIVE void taruk_press_key(const char *button, const char *which, const char *held)
{
    const std::string_view names(held);
    const auto has = [names](std::string_view key) { return names.find(key) != names.npos; };
    page->pressKey(button, {has("Shift"), has("Control"), has("Alt"), has("Meta")},
                   std::string_view(which) == "repeat");
}

// The text a change reports travels beside the call, not as an argument: a
// string argument is copied onto the module's small stack, and a box may
// hold megabytes.
EMSCRIPTEN_KEEPALIVE void taruk_text_changed(const char *box)
{
    page->textChanged(box, taruk::web::PageDom::reportedText());
}

EMSCRIPTEN_KEEPALIVE void taruk_composition_started(const char *box)
{
    page->compositionStarted(box);
}

EMSCRIPTEN_KEEPALIVE void taruk_composition_ended(const char *box)
{
    page->compositionEnded(box, taruk::web::PageDom::reportedText());
}

EMSCRIPTEN_KEEPALIVE void taruk_composition_ended_during_notice(const char *box)
{
    page->compositionEndedDuringNotice(box);
}

} // extern "C"
