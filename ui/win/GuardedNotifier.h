#pragma once

#include "core/Notifier.h"

namespace taruk::win {

// Passes notices on and knows whether one is open. A modal message box runs
// its own message loop, and a click or a change can still reach the window
// through it (BM_CLICK sent by a tool, a screen reader's default action): the
// window asks open() and starts nothing while a notice waits for the user.
class GuardedNotifier : public Notifier {
public:
    explicit GuardedNotifier(Notifier &notifier) : m_notifier(notifier) {}

    void notify(std::string_view message) override
    {
        ++m_open;
        m_notifier.notify(message);
        --m_open;
    }

    bool open() const { return m_open > 0; }

private:
    Notifier &m_notifier;
    int m_open = 0;
};

} // namespace taruk::win
