#pragma once

#include "core/Notifier.h"

#include <string>
#include <vector>

// Remembers every notice instead of showing it.
class RecordingNotifier : public taruk::Notifier {
public:
    void notify(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> messages;
};
