#pragma once

#include "core/Notifier.h"

#include <functional>
#include <string>
#include <vector>

// Records every notice and, while the first one is "open", runs a callback:
// what a nested message loop could deliver while a real message box waits.
class CallbackNotifier : public taruk::Notifier {
public:
    void notify(std::string_view message) override
    {
        messages.emplace_back(message);
        if (whileOpen && messages.size() == 1)
            whileOpen();
    }
    std::vector<std::string> messages;
    std::function<void()> whileOpen;
};
