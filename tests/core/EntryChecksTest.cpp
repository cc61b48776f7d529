#include "core/EntryChecks.h"
#include "core/Messages.h"
#include "tests/core/WiredStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using taruk::FieldId;
namespace M = taruk::Messages;

namespace {

struct CheckCase {
    const char *name;
    FieldId field;
    std::string text;
    std::vector<std::string_view> notices;
};
void PrintTo(const CheckCase &c, std::ostream *os) { *os << c.name; }

class EntryCheck : public testing::TestWithParam<CheckCase> {};

// The check runs from the store's change notification, as in the window.
TEST_P(EntryCheck, Notices)
{
    const CheckCase &c = GetParam();
    WiredStore w;
    w.store.setText(c.field, c.text);
    EXPECT_EQ(w.notifier.messages, std::vector<std::string>(c.notices.begin(), c.notices.end()));
    EXPECT_EQ(w.store.getText(c.field), c.text); // the check never edits the text
}

const std::vector<std::string_view> kNone;
const std::vector<std::string_view> kRaw = {M::kRawDamageRange};
const std::vector<std::string_view> kRange = {M::kCorrectionRange};
const std::vector<std::string_view> kBoth = {M::kCorrectionRange, M::kEnterCorrection};

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EntryCheck,
    testing::Values(
        CheckCase{"RawLowerBound", FieldId::Text1, "1", kNone},
        CheckCase{"RawUpperBound", FieldId::Text1, "12800", kNone},
        CheckCase{"RawAboveUpper", FieldId::Text1, "12801", kRaw},
        CheckCase{"RawJustAboveUpper", FieldId::Text1, "12800.000001", kRaw},
        CheckCase{"RawHalf", FieldId::Text1, "0.5", kRaw},
        CheckCase{"RawZero", FieldId::Text1, "0", kRaw},
        CheckCase{"RawNegative", FieldId::Text1, "-5", kRaw},
        CheckCase{"RawExponentForm", FieldId::Text1, "1.28E4", kNone},
        CheckCase{"RawFullWidth", FieldId::Text1, "１３０００", kRaw},
        // Not a number yet: the user is retyping; the calculation reports it.
        CheckCase{"RawEmptyIsSilent", FieldId::Text1, "", kNone},
        CheckCase{"RawLoneSignIsSilent", FieldId::Text1, "-", kNone},
        CheckCase{"RawLettersAreSilent", FieldId::Text1, "abc", kNone},
        CheckCase{"RawOverflowIsSilent", FieldId::Text1, "1e999", kNone},
        CheckCase{"CorrectionLowerBound", FieldId::Text2, "1", kNone},
        CheckCase{"CorrectionUpperBound", FieldId::Text2, "1.4", kNone},
        CheckCase{"CorrectionMiddle", FieldId::Text2, "1.25", kNone},
        CheckCase{"CorrectionAboveUpper", FieldId::Text2, "1.41", kRange},
        CheckCase{"CorrectionBelowLower", FieldId::Text2, "0.9", kRange},
        CheckCase{"CorrectionTwo", FieldId::Text2, "2", kRange},
        // Reads as the double 1.4 itself.
        CheckCase{"CorrectionSameDoubleAsUpper", FieldId::Text2, "1.40000000000000001", kNone},
        // Reads as the next double above 1.4, although it looks like 1.4.
        CheckCase{"CorrectionNextDoubleAboveUpper", FieldId::Text2, "1.4000000000000001", kRange},
        CheckCase{"CorrectionEmpty", FieldId::Text2, "", kBoth},
        CheckCase{"CorrectionLetters", FieldId::Text2, "abc", kBoth},
        CheckCase{"CorrectionLonePoint", FieldId::Text2, ".", kBoth},
        CheckCase{"CorrectionOverflow", FieldId::Text2, "1e999", kBoth}),
    [](const auto &info) { return info.param.name; });

TEST(EntryCheckTyping, OtherFieldsHaveNoCheck)
{
    WiredStore w;
    for (FieldId id : taruk::kAllFields)
        if (id != FieldId::Text1 && id != FieldId::Text2)
            w.store.setText(id, "garbage");
    EXPECT_TRUE(w.notifier.messages.empty());
}

} // namespace
