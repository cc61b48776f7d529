#include "ui/win/UserLocale.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <utility>

// Run by ctest under several Unix locales, which Wine turns into the user's
// Windows locale; TARUK_EXPECTED_SEPARATOR says what that locale uses.
TEST(UserLocaleTest, DecimalSeparatorOfTheUsersLocale)
{
    const char *expected = std::getenv("TARUK_EXPECTED_SEPARATOR");
    if (!expected)
        GTEST_SKIP() << "run by ctest with a locale and its separator";
    EXPECT_EQ(taruk::win::userDecimalSeparator(), expected[0]);
}

// The user may set any decimal mark in the Control Panel. One the core
// cannot take (the exponent's E, a sign, the Arabic mark U+066B) is read as
// '.'; a comma is kept.
TEST(UserLocaleOverrideTest, MarksTheCoreCannotTakeBecomeAPoint)
{
    wchar_t before[8] = {};
    ASSERT_GT(GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, before, 8), 0);
    const std::pair<const wchar_t *, char> rows[] = {
        {L"E", '.'}, {L"-", '.'}, {L"\u066B", '.'}, {L",", ','}};
    for (const auto &[mark, expected] : rows) {
        SCOPED_TRACE(static_cast<int>(mark[0]));
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, mark));
        EXPECT_EQ(taruk::win::userDecimalSeparator(), expected);
    }
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before);
}
