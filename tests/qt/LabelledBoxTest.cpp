#include "tests/qt/FormFixture.h"

#include <QGroupBox>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

// The box a user finds by its label, as a screen reader does: the label
// with this caption inside the group box with this title.
QLineEdit *boxLabelled(const QWidget &form, const QString &group, const QString &caption)
{
    for (auto *frame : form.findChildren<QGroupBox *>())
        if (frame->title() == group)
            for (auto *label : frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                if (label->text() == caption) {
                    auto *box = qobject_cast<QLineEdit *>(label->buddy());
                    // Beside its label, not elsewhere in the window.
                    return box && box->parentWidget() == frame ? box : nullptr;
                }
    return nullptr;
}

const QString kTop = "Taruk杀伤计算器";
const QString kFlat = "强Taruk杀伤";
const QString kCounter = "强力克属性详细列表";

struct LabelledCase {
    const char *name;
    QString group;
    QString caption;
    QString typed;
    // What the four results then show: 强克五行, 强Taruk杀伤, 正常最终杀伤, 狂暴后杀伤.
    QStringList results;
};
void PrintTo(const LabelledCase &c, std::ostream *os) { *os << c.name; }

class LabelledBox : public FormTest, public testing::WithParamInterface<LabelledCase> {};

// A value typed into the box under a label feeds the figure that label
// names: two boxes swapped in the window description show up here.
TEST_P(LabelledBox, FeedsTheCalculationItsLabelNames)
{
    const LabelledCase &c = GetParam();
    QLineEdit *input = boxLabelled(form, c.group, c.caption);
    ASSERT_NE(input, nullptr) << c.caption.toStdString();
    input->setFocus();
    input->selectAll();
    QTest::keyClicks(input, c.typed);
    click("Command1");

    QStringList results;
    for (const char *caption : {"强克五行", "强Taruk杀伤", "正常最终杀伤", "狂暴后杀伤"}) {
        QLineEdit *output = boxLabelled(form, kTop, caption);
        ASSERT_NE(output, nullptr) << caption;
        results << output->text();
    }
    EXPECT_EQ(results, c.results);
    EXPECT_TRUE(notices().empty());
}

// Every other box keeps its start-up text: raw damage 1, correction 1.
// Counter percentages: 1 × (1 + 100/100) = 2. Frenzy: 1 × 2 × 1.5 = 3.
INSTANTIATE_TEST_SUITE_P(
    Window, LabelledBox,
    testing::Values(
        LabelledCase{"RawDamage", kTop, "原始杀伤", "100", {"0", "0", "100", "150"}},
        LabelledCase{"Correction", kTop, "五行修正", "1.2", {"0", "0", "1.2", "1.8"}},
        LabelledCase{"Frenzy", kTop, "狂暴程度", "100", {"0", "0", "1", "3"}},
        LabelledCase{"FlatWeapon", kFlat, "武器", "10", {"0", "10", "11", "16.5"}},
        LabelledCase{"FlatClothes", kFlat, "衣服", "10", {"0", "10", "11", "16.5"}},
        LabelledCase{"FlatHat", kFlat, "帽子", "10", {"0", "10", "11", "16.5"}},
        LabelledCase{"FlatNecklace", kFlat, "项链", "10", {"0", "10", "11", "16.5"}},
        // The fruit adds to the damage but not to the equipment total.
        LabelledCase{"Fruit", kFlat, "果子减抗", "10", {"0", "0", "11", "16.5"}},
        LabelledCase{"CounterClothes", kCounter, "衣服", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterHat", kCounter, "帽子", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterNecklace", kCounter, "项链", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterWeapon", kCounter, "武器", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterShoes", kCounter, "鞋子", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterCloak", kCounter, "披风", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterMask", kCounter, "面具", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterBelt", kCounter, "腰带", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterPendant", kCounter, "挂件", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterLeftRing", kCounter, "左戒", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterRightRing", kCounter, "右戒", "100", {"100", "0", "2", "3"}},
        LabelledCase{"CounterRune", kCounter, "符文强力克", "100", {"100", "0", "2", "3"}}),
    [](const auto &info) { return info.param.name; });

} // namespace
