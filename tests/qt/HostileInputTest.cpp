#include "core/Messages.h"
#include "tests/qt/FormFixture.h"

#include <algorithm>
#include <ctime>

using taruk::FieldId;

namespace {

using F = FieldId;

struct HostileCase {
    const char *name;
    FieldId field;
    QString content;
};
void PrintTo(const HostileCase &c, std::ostream *os) { *os << c.name; }

class HostileInput : public FormTest, public testing::WithParamInterface<HostileCase> {};

bool onlyFixedNotices(const std::vector<std::string> &notices)
{
    const auto &all = taruk::Messages::kAll;
    return std::all_of(notices.begin(), notices.end(), [&](const std::string &n) {
        return std::find(all.begin(), all.end(), n) != all.end();
    });
}

// Whatever is pasted stays exactly as pasted, the program goes on, and
// only the fixed notices answer, in well under 10 s of processor time (not
// wall time, which a loaded machine stretches).
TEST_P(HostileInput, KeptAsPastedAndAnsweredWithFixedNotices)
{
    const HostileCase &c = GetParam();
    const std::clock_t start = std::clock();
    paste(c.field, c.content);
    EXPECT_TRUE(text(c.field) == c.content) << "length " << text(c.field).size();
    click("Command1");
    EXPECT_TRUE(text(c.field) == c.content);
    EXPECT_TRUE(onlyFixedNotices(notices()));
    EXPECT_TRUE(form.isVisible());
    EXPECT_LT(double(std::clock() - start) / CLOCKS_PER_SEC, 10.0);
}

QString repeated(const char *piece, int times)
{
    QString s;
    for (int i = 0; i < times; ++i)
        s += QString::fromUtf8(piece);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Paste, HostileInput,
    testing::Values(
        HostileCase{"MegabyteOfDigitsInRawDamage", F::Text1, QString(1 << 20, QChar('7'))},
        HostileCase{"MegabyteOfTextInCounter", F::Text7, repeated("强Taruk杀伤 1.5e", 1 << 16)},
        HostileCase{"TenThousandDigitsInCorrection", F::Text2, QString(10000, QChar('9'))},
        HostileCase{"TenThousandDigitsInFrenzy", F::Text5, QString(10000, QChar('1'))},
        HostileCase{"EmbeddedNul", F::Text10, QString("12") + QChar(0) + QString("3")},
        HostileCase{"LoneSurrogates", F::Text1, QString(QChar(0xD800)) + "5" + QChar(0xDC00)},
        HostileCase{"RightToLeftMarks", F::Text2, QString::fromUtf8("\u200F1.2\u200E")},
        HostileCase{"ArabicIndicDigits", F::Text24, QString::fromUtf8("١٢")},
        HostileCase{"ControlCharacters", F::Text13, QString::fromUtf8("1\x01\x1b[2J\x7f")}),
    [](const auto &info) { return info.param.name; });

TEST_F(FormTest, TextInEveryFieldAtOnce)
{
    for (FieldId id : taruk::kAllFields)
        if (!taruk::isOutputField(id))
            paste(id, QString::fromUtf8("x１e５"));
    notifier.messages.clear();
    click("Command1");
    EXPECT_EQ(notices(), (std::vector<std::string>{std::string(taruk::Messages::kEnterAllValues),
                                                   std::string(taruk::Messages::kRawDamageWrong)}));
    for (FieldId id : {F::Text3, F::Text22, F::Text4, F::Text6})
        EXPECT_EQ(text(id), taruk::toQString(taruk::startupText(id)));
}

} // namespace
