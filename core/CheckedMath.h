#pragma once

#include "core/StepFailed.h"

#include <cmath>

namespace taruk {

// Every addition, multiplication and division of the calculation goes
// through these, so an overflow or invalid result stops its step at once.
inline double checked(double result)
{
    if (!std::isfinite(result))
        throw StepFailed();
    return result;
}

inline double checkedAdd(double a, double b) { return checked(a + b); }
inline double checkedMul(double a, double b) { return checked(a * b); }
inline double checkedDiv(double a, double b) { return checked(a / b); }

} // namespace taruk
