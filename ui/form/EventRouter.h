#pragma once

#include "core/FieldStore.h"
#include "ui/form/TrackingNotifier.h"

#include <array>
#include <string>
#include <string_view>

namespace taruk {

// The window's behaviour, written once for every front end. The toolkit
// reports what happened (a button pressed, a box's text changed, an input
// method composing); this turns it into the four handlers, and each handler
// into one core operation over the window's store and notices:
//
// - Nothing starts while a notice is open, and a press that began while one
//   was open is dropped, even if it completes after the notice has closed. A
//   modal box runs its own event loop, and not every path into a window (a
//   screen reader's press, a script) asks whether one is open.
// - The checks of Text1 and Text2 judge committed text only: nothing while an
//   input method is composing in the box.
// - A change notification that leaves the text as its check last judged it
//   checks nothing: some edit controls notify on select-all.
class EventRouter {
public:
    enum class Button { Command1, Command2 };

    // Notices go to `shown`; numbers are read and written with the separator.
    EventRouter(FieldStore &store, Notifier &shown, char decimalSeparator);

    // A press in two phases, as a mouse gives it: down, then released on the
    // button.
    void pressBegan(Button button);
    void pressCompleted(Button button);
    // A press the toolkit reports as one event.
    void press(Button button)
    {
        pressBegan(button);
        pressCompleted(button);
    }

    // Every change of a box's text, with the text it now holds.
    void textChanged(FieldId id, std::string_view text);
    void compositionStarted(FieldId id);
    // The composition is over; `text` is what the box holds now.
    void compositionEnded(FieldId id, std::string_view text);

    bool noticeOpen() const { return m_notices.isOpen(); }

private:
    void Command1_Click();
    void Command2_Click();
    void Text1_Change();
    void Text2_Change();

    FieldStore &m_store;
    TrackingNotifier m_notices;
    char m_separator;
    std::array<bool, 2> m_pressAccepted{};
    std::array<bool, kFieldCount> m_composing{};
    // The texts the checks of Text1 and Text2 last judged.
    std::string m_checkedText1;
    std::string m_checkedText2;
};

} // namespace taruk
