#pragma once

#include "core/FieldStore.h"
#include "ui/form/ComposingStore.h"
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
// - Nothing starts while a notice is open: a press that begins or completes
//   while one is open is dropped, even if it completes after the notice has
//   closed. A modal box runs its own event loop, and not every path into a
//   window (a screen reader's press, a script) asks whether one is open.
// - Enter on a focused button presses it, with Shift or Ctrl held as without,
//   as a dialog's push button does; held down, it presses once, not again on
//   each of its repeats. With Alt or the logo key held it presses nothing:
//   such a chord is the system's (on Windows Alt+Enter is a system key, which
//   a dialog leaves alone), and the window passes it on.
// - The checks of Text1 and Text2 judge committed text only: nothing while an
//   input method is composing in the box. A program write into a box ends its
//   composition.
// - A check judges the text the box held when the toolkit notified the
//   change, which the toolkit passes with it.
// - A change notification that leaves the text as its check last judged it
//   checks nothing: some edit controls notify on select-all.
class EventRouter {
public:
    enum class Button { Command1, Command2 };

    // The modifier keys held with a key.
    struct Modifiers {
        bool shift = false;
        bool control = false;
        bool alt = false;
        bool logo = false; // the Windows key, Command, Meta
    };

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
    // Enter went down on a focused button; `repeat` when it is held and this
    // is one of its repeats. False when the key is not the button's, for the
    // window to pass on.
    bool enterKeyDown(Button button, Modifiers held, bool repeat);

    // Every change of a box's text, with the text it held when the toolkit
    // reported the change.
    void textChanged(FieldId id, std::string_view text);
    void compositionStarted(FieldId id);
    // The composition is over; `text` is what the box held then.
    void compositionEnded(FieldId id, std::string_view text);
    // The composition ended while a notice was open, and the window learns of
    // it only now that the notice has closed (a page whose calls wait their
    // turn): it is over, and what it left is not judged, as any change then.
    void compositionEndedDuringNotice(FieldId id) { m_store.setComposing(id, false); }

    bool noticeOpen() const { return m_notices.isOpen(); }

private:
    void Command1_Click();
    void Command2_Click();
    // `text` is the box's text as reported with the change.
    void Text1_Change(std::string_view text);
    void Text2_Change(std::string_view text);

    // Where a press stands: no begin seen, begun with no notice open, or
    // begun while one was open. A completion seen alone, as some toolkits
    // and tools report a press, is judged when it completes.
    enum class PressBegun { Unseen, Accepted, Refused };

    ComposingStore m_store;
    TrackingNotifier m_notices;
    char m_separator;
    std::array<PressBegun, 2> m_pressBegun{PressBegun::Unseen, PressBegun::Unseen};
    // The texts the checks of Text1 and Text2 last judged.
    std::string m_checkedText1;
    std::string m_checkedText2;
};

} // namespace taruk
