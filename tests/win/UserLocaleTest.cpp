#include "ui/win/UserLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Run by ctest under several Unix locales, which Wine turns into the user's
// Windows locale; TARUK_EXPECTED_SEPARATOR says what that locale uses.
TEST(UserLocaleTest, DecimalSeparatorOfTheUsersLocale)
{
    const char *expected = std::getenv("TARUK_EXPECTED_SEPARATOR");
    if (!expected)
        GTEST_SKIP() << "run by ctest with a locale and its separator";
    EXPECT_EQ(taruk::win::userDecimalSeparator(), expected[0]);
}
