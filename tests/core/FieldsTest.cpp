#include "core/Fields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

using taruk::FieldId;

namespace {

struct NameCase {
    const char *name;
    std::string_view given;
    std::optional<FieldId> found;
};
void PrintTo(const NameCase &c, std::ostream *os) { *os << c.name; }

class FieldNamed : public testing::TestWithParam<NameCase> {};

TEST_P(FieldNamed, FindsTheBoxOfThatNameOnly)
{
    EXPECT_EQ(taruk::fieldNamed(GetParam().given), GetParam().found);
}

// Names come from a page's element ids and from test data: near misses must
// find nothing rather than a neighbour.
INSTANTIATE_TEST_SUITE_P(Names, FieldNamed,
                         testing::Values(NameCase{"First", "Text1", FieldId::Text1},
                                         NameCase{"Last", "Text24", FieldId::Text24},
                                         NameCase{"TwoDigitsNotItsPrefix", "Text10",
                                                  FieldId::Text10},
                                         NameCase{"PrefixOfAName", "Text", std::nullopt},
                                         NameCase{"PastTheLast", "Text25", std::nullopt},
                                         NameCase{"Zero", "Text0", std::nullopt},
                                         NameCase{"OtherCase", "text1", std::nullopt},
                                         NameCase{"TrailingSpace", "Text1 ", std::nullopt},
                                         NameCase{"Button", "Command1", std::nullopt},
                                         NameCase{"Empty", "", std::nullopt}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
