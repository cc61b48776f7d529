#pragma once

#include <string_view>

namespace taruk {

// Shows one message to the user and returns once it has been dismissed.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(std::string_view message) = 0;
};

} // namespace taruk
