#include "core/EntryChecks.h"

#include "core/DamageCalculation.h"
#include "core/Messages.h"
#include "core/NumberConversion.h"
#include "core/StepFailed.h"

namespace taruk {

void checkRawDamage(FieldStore &store, Notifier &notifier, char decimalSeparator)
{
    double value = 0.0;
    try {
        value = parseNumber(store.getText(FieldId::Text1), decimalSeparator);
    } catch (const StepFailed &) {
        return; // an unfinished edit; never interrupt the user for it
    }
    if (value < kRawDamageMin || value > kRawDamageMax)
        notifier.notify(Messages::kRawDamageRange);
}

void checkElementCorrection(FieldStore &store, Notifier &notifier, char decimalSeparator)
{
    bool failed = false;
    bool outOfRange = false;
    try {
        const double value = parseNumber(store.getText(FieldId::Text2), decimalSeparator);
        outOfRange = value < kCorrectionMin || value > kCorrectionMax;
    } catch (const StepFailed &) {
        failed = true;
        outOfRange = true;
    }
    if (outOfRange)
        notifier.notify(Messages::kCorrectionRange);
    if (failed)
        notifier.notify(Messages::kEnterCorrection);
}

} // namespace taruk
