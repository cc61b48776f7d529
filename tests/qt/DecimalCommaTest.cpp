#include "core/Messages.h"
#include "tests/qt/FormFixture.h"

#include <QLabel>
#include <QLocale>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using taruk::FieldId;
namespace M = taruk::Messages;

namespace {

using F = FieldId;

struct SeparatorCase {
    const char *name;
    QLocale locale;
    char expected;
};
void PrintTo(const SeparatorCase &c, std::ostream *os) { *os << c.name; }

class DecimalSeparator : public testing::TestWithParam<SeparatorCase> {};

TEST_P(DecimalSeparator, IsTheLocalesWhenTheCoreCanUseIt)
{
    EXPECT_EQ(taruk::CalculatorForm::decimalSeparator(GetParam().locale), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalSeparator,
                         testing::Values(SeparatorCase{"SimplifiedChinese", QLocale("zh_CN"), '.'},
                                         SeparatorCase{"German", QLocale("de_DE"), ','},
                                         SeparatorCase{"French", QLocale("fr_FR"), ','},
                                         SeparatorCase{"SwissGerman", QLocale("de_CH"), '.'},
                                         // The Arabic decimal separator U+066B is no ASCII mark.
                                         SeparatorCase{"EgyptianArabic", QLocale("ar_EG"), '.'},
                                         SeparatorCase{"Persian", QLocale("fa_IR"), '.'}),
                         [](const auto &info) { return info.param.name; });

// The window under a locale that writes decimal commas. ctest runs these
// with LC_ALL=de_DE.UTF-8 and leaves them out of the other runs.
class DecimalComma : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QLocale::system().decimalPoint(), ",") << "run under LC_ALL=de_DE.UTF-8";
        FormTest::SetUp();
    }
};

TEST_F(DecimalComma, CalculatesWithCommas)
{
    const std::map<FieldId, QString> inputs = {
        {F::Text1, "5000"}, {F::Text2, "1,2"},  {F::Text10, "100"}, {F::Text11, "50"},
        {F::Text12, "50"},  {F::Text13, "100"}, {F::Text24, "30"},  {F::Text5, "20"},
        {F::Text7, "5"},    {F::Text8, "5"},    {F::Text9, "5"},    {F::Text14, "5"},
        {F::Text15, "5"},   {F::Text16, "5"},   {F::Text17, "5"},   {F::Text18, "5"},
        {F::Text19, "5"},   {F::Text20, "5"},   {F::Text21, "5"},   {F::Text23, "2,5"}};
    for (const auto &[id, keys] : inputs)
        type(id, keys);
    click("Command1");
    EXPECT_EQ(text(F::Text3), "57,5");
    EXPECT_EQ(text(F::Text22), "300");
    EXPECT_EQ(text(F::Text4), "10073,7");  // 1.2 × 1.575 × 5330
    EXPECT_EQ(text(F::Text6), "18132,66"); // read back from Text4, × 1.2 × 1.5
    EXPECT_TRUE(notices().empty());
}

// A result copied into an input reads back as the number it shows.
TEST_F(DecimalComma, ResultsRoundTripThroughTheBoxes)
{
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

TEST_F(DecimalComma, ChecksReadCommasAndKeepTheirTexts)
{
    struct Row {
        FieldId field;
        QString pasted;
        std::vector<std::string> notices;
    };
    const std::vector<Row> rows = {
        {F::Text2, "1,4", {}},
        {F::Text2, "1,41", {std::string(M::kCorrectionRange)}}, // still says "1-1.4"
        {F::Text1, "12800,0", {}},
        {F::Text1, "12800,5", {std::string(M::kRawDamageRange)}},
        {F::Text1, "0,5", {std::string(M::kRawDamageRange)}},
    };
    for (const Row &row : rows) {
        notifier.messages.clear();
        paste(row.field, row.pasted);
        EXPECT_EQ(notices(), row.notices) << row.pasted.toStdString();
    }
    EXPECT_EQ(form.findChild<QLabel *>("Label26")->text(), "五行修正范围是1-1.4");
}

} // namespace
