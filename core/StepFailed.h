#pragma once

#include <stdexcept>

namespace taruk {

// Raised when a text cannot be read as a number or an arithmetic result is
// not finite. Each computing step catches it at its own boundary.
class StepFailed : public std::runtime_error {
public:
    StepFailed() : std::runtime_error("step failed") {}
};

} // namespace taruk
