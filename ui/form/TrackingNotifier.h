#pragma once

#include "core/Notifier.h"

namespace taruk {

// Passes each notice on and knows whether one is open, so that the window
// can refuse to start anything while the user has a notice to answer. A
// modal box runs its own event loop, and not every path into the window
// (a screen reader's press, a click sent by a tool) asks whether one is open.
class TrackingNotifier : public Notifier {
public:
    explicit TrackingNotifier(Notifier &shown) : m_shown(shown) {}

    void notify(std::string_view message) override
    {
        struct Open {
            int &count;
            explicit Open(int &c) : count(c) { ++count; }
            ~Open() { --count; }
            Open(const Open &) = delete;
            Open &operator=(const Open &) = delete;
        } open(m_open);
        m_shown.notify(message);
    }

    bool isOpen() const { return m_open > 0; }

private:
    Notifier &m_shown;
    int m_open = 0;
};

} // namespace taruk
