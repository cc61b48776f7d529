#include "ui/form/EventRouter.h"

#include "core/DamageCalculation.h"
#include "core/EntryChecks.h"
#include "core/Reset.h"
#include "ui/form/ReportedTextStore.h"

namespace taruk {

namespace {

std::size_t indexOf(EventRouter::Button button) { return static_cast<std::size_t>(button); }

} // namespace

EventRouter::EventRouter(FieldStore &store, Notifier &shown, char decimalSeparator)
    : m_store(store),
      m_notices(shown),
      m_separator(decimalSeparator),
      m_checkedText1(startupText(FieldId::Text1)),
      m_checkedText2(startupText(FieldId::Text2))
{
}

void EventRouter::pressBegan(Button button)
{
    m_pressBegun[indexOf(button)] = noticeOpen() ? PressBegun::Refused : PressBegun::Accepted;
}

void EventRouter::pressCompleted(Button button)
{
    const bool accepted = m_pressBegun[indexOf(button)] != PressBegun::Refused && !noticeOpen();
    m_pressBegun[indexOf(button)] = PressBegun::Unseen;
    if (!accepted)
        return;
    if (button == Button::Command1)
        Command1_Click();
    else
        Command2_Click();
}

bool EventRouter::enterKeyDown(Button button, Modifiers held, bool repeat)
{
    if (held.alt || held.logo)
        return false;
    if (!repeat)
        press(button);
    return true;
}

void EventRouter::textChanged(FieldId id, std::string_view text)
{
    // A change while a notice is open is not judged, and not taken as seen:
    // the next change is compared with what the check last judged.
    if (m_store.composing(id) || noticeOpen())
        return;
    if (id == FieldId::Text1 && text != m_checkedText1) {
        m_checkedText1 = text;
        Text1_Change(text);
    } else if (id == FieldId::Text2 && text != m_checkedText2) {
        m_checkedText2 = text;
        Text2_Change(text);
    }
}

void EventRouter::compositionStarted(FieldId id) { m_store.setComposing(id, true); }

void EventRouter::compositionEnded(FieldId id, std::string_view text)
{
    m_store.setComposing(id, false);
    textChanged(id, text);
}

// The four handlers: each runs one core operation to its end.

void EventRouter::Command1_Click() { runDamageCalculation(m_store, m_notices, m_separator); }

void EventRouter::Command2_Click() { resetFields(m_store); }

void EventRouter::Text1_Change(std::string_view text)
{
    ReportedTextStore reported(m_store, FieldId::Text1, text);
    checkRawDamage(reported, m_notices, m_separator);
}

void EventRouter::Text2_Change(std::string_view text)
{
    ReportedTextStore reported(m_store, FieldId::Text2, text);
    checkElementCorrection(reported, m_notices, m_separator);
}

} // namespace taruk
