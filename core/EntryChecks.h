#pragma once

#include "core/FieldStore.h"
#include "core/Notifier.h"

namespace taruk {

inline constexpr double kCorrectionMin = 1.0;
inline constexpr double kCorrectionMax = 1.4;

// Run on every change of Text1. Warns when the raw damage is a number
// outside 1 to 12800. Text that is not a number yet (empty, a lone sign, "1e"
// while the user retypes) passes silently: the calculation reports it.
void checkRawDamage(FieldStore &store, Notifier &notifier, char decimalSeparator = '.');

// Run on every change of Text2. A number outside 1 to 1.4 gets the range
// notice; text that is not a number gets the range notice and then the
// request to enter the correction.
void checkElementCorrection(FieldStore &store, Notifier &notifier, char decimalSeparator = '.');

} // namespace taruk
