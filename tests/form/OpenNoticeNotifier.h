#pragma once

#include "tests/core/RecordingNotifier.h"

#include <functional>
#include <utility>

// Notices recorded; while the first is "open" a callback may act, as a
// screen reader or a script could while a real message box waits.
class OpenNoticeNotifier : public RecordingNotifier {
public:
    void notify(std::string_view message) override
    {
        RecordingNotifier::notify(message);
        if (whileOpen)
            std::exchange(whileOpen, nullptr)();
    }
    std::function<void()> whileOpen;
};
