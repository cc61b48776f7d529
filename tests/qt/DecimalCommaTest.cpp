#include "tests/qt/FormFixture.h"

#include <QLocale>

#include <gtest/gtest.h>

using taruk::FieldId;

namespace {

using F = FieldId;

// The window under a locale that writes decimal commas, as the user gets it
// without choosing a separator. ctest runs these with LC_ALL=de_DE.UTF-8 and
// leaves them out of the other runs.
class DecimalComma : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QLocale::system().decimalPoint(), ",") << "run under LC_ALL=de_DE.UTF-8";
        FormTest::SetUp();
    }
};

// A result copied into an input reads back as the number it shows.
TEST_F(DecimalComma, ResultsRoundTripThroughTheBoxes)
{
    ASSERT_EQ(taruk::CalculatorForm::systemDecimalSeparator(), ',');
    type(F::Text1, "1,5");
    type(F::Text2, "1,2");
    click("Command1");
    ASSERT_EQ(text(F::Text4), "1,8");
    box(F::Text4)->selectAll();
    box(F::Text4)->copy();
    paste(F::Text1, QApplication::clipboard()->text());
    click("Command1");
    EXPECT_EQ(text(F::Text1), "1,8");
    EXPECT_EQ(text(F::Text4), "2,16");
    EXPECT_EQ(text(F::Text6), "3,24");
    EXPECT_TRUE(notices().empty());
}

} // namespace
