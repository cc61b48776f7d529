#include "core/DamageCalculation.h"
#include "core/Messages.h"
#include "tests/core/WiredStore.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using taruk::FieldId;
namespace M = taruk::Messages;

namespace {

using F = FieldId;
using Texts = std::map<FieldId, std::string>;

std::map<FieldId, std::string> allCounters(const std::string &text)
{
    Texts t;
    for (F id : {F::Text7, F::Text8, F::Text9, F::Text14, F::Text15, F::Text16, F::Text17,
                 F::Text18, F::Text19, F::Text20, F::Text21, F::Text23})
        t[id] = text;
    return t;
}

Texts merge(Texts a, const Texts &b)
{
    for (const auto &[id, text] : b)
        a[id] = text;
    return a;
}

struct CalcCase {
    const char *name;
    Texts before;   // texts over the start-up state, outputs included
    Texts expected; // Text3, Text22, Text4, Text6 after the run
    std::vector<std::string_view> notices;
};
void PrintTo(const CalcCase &c, std::ostream *os) { *os << c.name; }

class Calculation : public testing::TestWithParam<CalcCase> {};

TEST_P(Calculation, OutputsAndNotices)
{
    const CalcCase &c = GetParam();
    WiredStore w;
    w.fill(c.before);
    taruk::runDamageCalculation(w.store, w.notifier);

    for (const auto &[id, text] : c.expected)
        EXPECT_EQ(w.store.getText(id), text) << taruk::fieldName(id);
    EXPECT_EQ(w.notifier.messages, std::vector<std::string>(c.notices.begin(), c.notices.end()));
}

const Texts kExample = merge(allCounters("5"), {{F::Text1, "5000"},
                                                {F::Text2, "1.2"},
                                                {F::Text10, "100"},
                                                {F::Text11, "50"},
                                                {F::Text12, "50"},
                                                {F::Text13, "100"},
                                                {F::Text24, "30"},
                                                {F::Text5, "20"}});

INSTANTIATE_TEST_SUITE_P(
    Steps, Calculation,
    // The worked example, the ceiling and the start-up texts are scenarios
    // of the window (tests/scenarios/ScenarioTable.cpp), played over the core too.
    testing::Values(
        CalcCase{"NegativeAndOutOfRangeAreComputed",
                 {{F::Text1, "-10"}, {F::Text2, "3"}, {F::Text7, "250"}},
                 {{F::Text3, "250"}, {F::Text4, "-105"}, {F::Text6, "-157.5"}},
                 {}},
        // Step 3 fails; step 4 finds Text4 still empty and fails as well.
        CalcCase{"RawDamageEmpty",
                 {{F::Text1, ""}},
                 {{F::Text3, "0"}, {F::Text22, "0"}, {F::Text4, ""}, {F::Text6, ""}},
                 {M::kEnterAllValues, M::kRawDamageWrong}},
        CalcCase{"RawDamageLetters",
                 {{F::Text1, "abc"}},
                 {{F::Text4, ""}, {F::Text6, ""}},
                 {M::kEnterAllValues, M::kRawDamageWrong}},
        // Step 4 reads the Text4 left from an earlier run.
        CalcCase{"StaleNormalDamageFeedsFrenzy",
                 {{F::Text1, ""}, {F::Text4, "200"}, {F::Text6, "7"}},
                 {{F::Text4, "200"}, {F::Text6, "300"}},
                 {M::kEnterAllValues, M::kRawDamageWrong}},
        // Step 3 reads the Text3 left from an earlier run: (50/100+1) * 100.
        CalcCase{"StaleCounterTotalFeedsDamage",
                 {{F::Text1, "100"}, {F::Text3, "50"}, {F::Text7, ""}},
                 {{F::Text3, "50"}, {F::Text4, "150"}, {F::Text6, "225"}},
                 {M::kEnterAllValues}},
        CalcCase{"CounterEmptiedAfterStartup",
                 {{F::Text8, ""}, {F::Text9, "40"}},
                 {{F::Text3, "0"}, {F::Text4, "1"}, {F::Text6, "1.5"}},
                 {M::kEnterAllValues}},
        CalcCase{"EquipmentEmptiedSkipsTwoSteps",
                 {{F::Text22, "9"}, {F::Text4, "8"}, {F::Text12, ""}},
                 {{F::Text22, "9"}, {F::Text4, "8"}, {F::Text6, "12"}},
                 {M::kEnterAllValues}},
        // The fruit bonus counts in the damage but not in the equipment total.
        CalcCase{"FruitOnlyInDamage",
                 {{F::Text24, "9"}},
                 {{F::Text22, "0"}, {F::Text4, "10"}, {F::Text6, "15"}},
                 {}},
        CalcCase{"FrenzyUnreadable",
                 {{F::Text5, "x"}, {F::Text6, "old"}},
                 {{F::Text4, "1"}, {F::Text6, "old"}},
                 {M::kEnterAllValues}},
        CalcCase{"CorrectionUnreadable",
                 {{F::Text2, ""}},
                 {{F::Text4, ""}, {F::Text6, ""}},
                 {M::kEnterAllValues}},
        // 1e308 + 1e308 overflows in both sums that hold Text10 and Text11.
        CalcCase{"AdditionOverflow",
                 {{F::Text10, "1e308"}, {F::Text11, "1e308"}},
                 {{F::Text22, "0"}, {F::Text4, ""}, {F::Text6, ""}},
                 {M::kEnterAllValues}},
        CalcCase{"MultiplicationOverflow",
                 {{F::Text1, "1e200"}, {F::Text2, "1e200"}},
                 {{F::Text3, "0"}, {F::Text4, ""}},
                 {M::kEnterAllValues, M::kRawDamageWrong}},
        CalcCase{"FrenzyOverflowKeepsNormalDamage",
                 {{F::Text1, "1e300"}, {F::Text5, "1e300"}},
                 {{F::Text4, "1E+300"}, {F::Text6, ""}},
                 {M::kEnterAllValues, M::kRawDamageWrong}},
        // Text3 shows -100 for -99.99999999999999, so the factor is exactly 0.
        // Computing from the unrounded sum would give about 14210.
        CalcCase{"LaterStepReadsDisplayedValue",
                 {{F::Text7, "-99.99999999999999"}, {F::Text10, "1e20"}},
                 {{F::Text3, "-100"}, {F::Text22, "1E+20"}, {F::Text4, "0"}, {F::Text6, "0"}},
                 {}}),
    [](const auto &info) { return info.param.name; });

TEST(CalculationRepeat, SecondRunGivesSameOutputs)
{
    WiredStore w;
    w.fill(kExample);
    taruk::runDamageCalculation(w.store, w.notifier);
    const std::string t4 = w.store.getText(F::Text4);
    const std::string t6 = w.store.getText(F::Text6);
    taruk::runDamageCalculation(w.store, w.notifier);
    EXPECT_EQ(w.store.getText(F::Text4), t4);
    EXPECT_EQ(w.store.getText(F::Text6), t6);
    EXPECT_TRUE(w.notifier.messages.empty());
}

TEST(CalculationRepeat, NeverWritesInputs)
{
    WiredStore w;
    std::vector<FieldId> written;
    for (FieldId id : taruk::kAllFields)
        w.store.addListener(id, [&written, id] { written.push_back(id); });
    w.fill({{F::Text7, ""}});
    written.clear();
    taruk::runDamageCalculation(w.store, w.notifier);
    // Text3 fails and is skipped; the others are written in step order.
    EXPECT_EQ(written, (std::vector<FieldId>{F::Text22, F::Text4, F::Text6}));
}

} // namespace

namespace {

// With ',' as the separator the same run reads "1,2" and writes "10233,6";
// a '.' is then no separator at all.
TEST(CalculationSeparator, CommaReadsAndWritesComma)
{
    taruk::MemoryFieldStore store;
    RecordingNotifier notifier;
    for (const auto &[id, text] : kExample)
        store.setText(id, text == "1.2" ? "1,2" : text);
    taruk::runDamageCalculation(store, notifier, ',');
    EXPECT_EQ(store.getText(F::Text4), "10233,6");
    EXPECT_EQ(store.getText(F::Text6), "18420,48");
    EXPECT_TRUE(notifier.messages.empty());

    store.setText(F::Text2, "1.2");
    taruk::runDamageCalculation(store, notifier, ',');
    EXPECT_EQ(store.getText(F::Text4), "10233,6"); // step 3 failed and kept its text
    EXPECT_EQ(notifier.messages, std::vector<std::string>{std::string(M::kEnterAllValues)});
}

} // namespace
