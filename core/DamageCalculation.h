#pragma once

#include "core/FieldStore.h"
#include "core/Notifier.h"

namespace taruk {

inline constexpr double kRawDamageMin = 1.0;
inline constexpr double kRawDamageMax = 12800.0;
inline constexpr double kPercentDivisor = 100.0;
inline constexpr double kFrenzyMultiplier = 1.5;

// Fills Text3, Text22, Text4 and Text6 from the inputs. A step whose input
// cannot be read, or whose arithmetic overflows, keeps its old output text
// and the run goes on; one summary notice follows, then the ceiling check
// of the raw damage. Numbers are read and written with the user's decimal
// separator.
void runDamageCalculation(FieldStore &store, Notifier &notifier, char decimalSeparator = '.');

} // namespace taruk
