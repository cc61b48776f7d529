#include "core/DamageCalculation.h"

#include "core/CheckedMath.h"
#include "core/Messages.h"
#include "core/NumberConversion.h"
#include "core/StepFailed.h"

#include <array>
#include <string>
#include <vector>

namespace taruk {

namespace {

using F = FieldId;

// The twelve counter bonuses of the "强力克属性详细列表" group, summed in
// this order.
constexpr std::array kCounterFields = {F::Text7,  F::Text8,  F::Text9,  F::Text14,
                                       F::Text15, F::Text16, F::Text17, F::Text18,
                                       F::Text19, F::Text20, F::Text21, F::Text23};
// Weapon, clothes, hat, necklace.
constexpr std::array kEquipmentFields = {F::Text10, F::Text11, F::Text12, F::Text13};

// A step reads all its texts first, then converts and combines them.
class StepInputs {
public:
    template <std::size_t N>
    StepInputs(const FieldStore &store, char decimalSeparator, const std::array<FieldId, N> &ids)
        : m_separator(decimalSeparator)
    {
        for (FieldId id : ids)
            m_texts.push_back(store.getText(id));
    }

    double value(std::size_t i) const { return parseNumber(m_texts[i], m_separator); }

    // Left-to-right sum of the values [first, last).
    double sum(std::size_t first, std::size_t last) const
    {
        double total = value(first);
        for (std::size_t i = first + 1; i < last; ++i)
            total = checkedAdd(total, value(i));
        return total;
    }
    std::size_t size() const { return m_texts.size(); }

private:
    char m_separator;
    std::vector<std::string> m_texts;
};

// A percentage as a factor: p / 100 + 1.
double percentFactor(double percent)
{
    return checkedAdd(checkedDiv(percent, kPercentDivisor), 1.0);
}

double counterTotal(const FieldStore &store, char sep)
{
    const StepInputs in(store, sep, kCounterFields);
    return in.sum(0, in.size());
}

double equipmentTotal(const FieldStore &store, char sep)
{
    const StepInputs in(store, sep, kEquipmentFields);
    return in.sum(0, in.size());
}

// Text2 × ((Text3 / 100 + 1) × (Text1 + Text10 + Text11 + Text12 + Text13 + Text24))
double normalFinalDamage(const FieldStore &store, char sep)
{
    const StepInputs in(store, sep,
                        std::array{F::Text1, F::Text10, F::Text11, F::Text12, F::Text13, F::Text24,
                                   F::Text3, F::Text2});
    const double sum = in.sum(0, 6);
    const double counterFactor = percentFactor(in.value(6));
    const double product = checkedMul(counterFactor, sum);
    return checkedMul(in.value(7), product);
}

// ((Text5 / 100 + 1) × Text4) × 1.5
double damageAfterFrenzy(const FieldStore &store, char sep)
{
    const StepInputs in(store, sep, std::array{F::Text4, F::Text5});
    const double normal = in.value(0);
    const double frenzyFactor = percentFactor(in.value(1));
    return checkedMul(checkedMul(frenzyFactor, normal), kFrenzyMultiplier);
}

// Runs one step; on failure its output keeps its old text.
template <typename Compute>
void runStep(FieldStore &store, char sep, FieldId output, Compute compute, bool &errorSeen)
{
    std::string text;
    try {
        text = formatNumber(compute(store, sep), sep);
    } catch (const StepFailed &) {
        errorSeen = true;
        return;
    }
    store.setText(output, text);
}

bool rawDamageAboveCeiling(const FieldStore &store, char sep)
{
    try {
        return parseNumber(store.getText(F::Text1), sep) > kRawDamageMax;
    } catch (const StepFailed &) {
        return true; // unreadable counts as wrong here
    }
}

} // namespace

void runDamageCalculation(FieldStore &store, Notifier &notifier, char decimalSeparator)
{
    bool errorSeen = false;
    // Order matters: Text4 reads the Text3 just written, Text6 the Text4.
    runStep(store, decimalSeparator, F::Text3, counterTotal, errorSeen);
    runStep(store, decimalSeparator, F::Text22, equipmentTotal, errorSeen);
    runStep(store, decimalSeparator, F::Text4, normalFinalDamage, errorSeen);
    runStep(store, decimalSeparator, F::Text6, damageAfterFrenzy, errorSeen);

    if (errorSeen)
        notifier.notify(Messages::kEnterAllValues);
    if (rawDamageAboveCeiling(store, decimalSeparator))
        notifier.notify(Messages::kRawDamageWrong);
}

} // namespace taruk
