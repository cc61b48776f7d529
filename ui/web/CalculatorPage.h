#pragma once

#include "ui/form/EventRouter.h"
#include "ui/web/DialogNotifier.h"
#include "ui/web/InputFieldStore.h"

#include <string_view>

namespace taruk::web {

// The calculator's one window in the page. The page already holds its
// controls (written at build time from the window description); this
// attaches to them and turns what the page reports into the window's four
// handlers. The page names controls by their ids (the names in the table).
class CalculatorPage {
public:
    // `decimalMark` is the browser's, as Intl.NumberFormat writes it. Judges
    // nothing: the page reports what the player typed before the module was
    // ready, as it reports every change.
    explicit CalculatorPage(std::string_view decimalMark);

    void press(std::string_view button);
    // Enter on a focused button with the modifiers held; `repeat` for the
    // repeats of a held key.
    void pressKey(std::string_view button, EventRouter::Modifiers held, bool repeat);
    // The box's text has changed (or its composition ended); `text` is what
    // it held when the page reported it.
    void textChanged(std::string_view box, std::string_view text);
    void compositionStarted(std::string_view box);
    void compositionEnded(std::string_view box, std::string_view text);
    // The composition ended while a notice was open; the page reports it
    // after the notice, like every call.
    void compositionEndedDuringNotice(std::string_view box);

private:
    DialogNotifier m_notifier;
    InputFieldStore m_store;
    EventRouter m_router;
};

} // namespace taruk::web
