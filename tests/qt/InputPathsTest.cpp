#include "core/Messages.h"
#include "tests/qt/FormFixture.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using taruk::FieldId;
namespace M = taruk::Messages;

namespace {

using F = FieldId;

std::vector<std::string> list(std::initializer_list<std::string_view> messages)
{
    return {messages.begin(), messages.end()};
}

struct KeyCase {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool taken;        // the button takes the key; else it goes on to the window
    const char *text6; // after the key on 计算Taruk杀伤
};
void PrintTo(const KeyCase &c, std::ostream *os) { *os << c.name; }

class KeyOnAButton : public FormTest, public testing::WithParamInterface<KeyCase> {};

// The keys the scenario table does not press: the keypad's Enter is Enter,
// the logo key is reported as such, and only Enter goes to the window's rule.
TEST_P(KeyOnAButton, ReachesTheRuleAsItIs)
{
    const KeyCase &c = GetParam();
    QPushButton *calculate = button("Command1");
    calculate->setFocus();
    QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
    QApplication::sendEvent(calculate, &event);
    EXPECT_EQ(event.isAccepted(), c.taken);
    EXPECT_EQ(text(F::Text6), c.text6);
    EXPECT_TRUE(notices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyOnAButton,
    testing::Values(KeyCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, true, "1.5"},
                    KeyCase{"LogoEnter", Qt::Key_Return, Qt::MetaModifier, false, ""},
                    KeyCase{"Letter", Qt::Key_A, Qt::NoModifier, false, ""}),
    [](const auto &info) { return info.param.name; });

// An input method composing in a box: the text being composed, then the
// text it commits.
void compose(QLineEdit *box, const QString &preedit)
{
    QInputMethodEvent event(preedit, {});
    QApplication::sendEvent(box, &event);
}
void commit(QLineEdit *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

struct CompositionCase {
    const char *name;
    FieldId field;
    QString committed;
    std::vector<std::string> notices;
};
void PrintTo(const CompositionCase &c, std::ostream *os) { *os << c.name; }

class Composition : public FormTest, public testing::WithParamInterface<CompositionCase> {};

// Qt empties the selection the moment a composition starts; the checks
// judge only what is committed.
TEST_P(Composition, IsCheckedOnlyOnceCommitted)
{
    const CompositionCase &c = GetParam();
    QLineEdit *b = box(c.field);
    b->setFocus();
    b->selectAll();
    compose(b, "y");
    ASSERT_EQ(b->text(), "");
    compose(b, "yi");
    EXPECT_TRUE(notices().empty());
    commit(b, c.committed);
    EXPECT_EQ(b->text(), c.committed);
    EXPECT_EQ(notices(), c.notices);
}

INSTANTIATE_TEST_SUITE_P(
    InputMethod, Composition,
    testing::Values(CompositionCase{"CorrectionInRange", F::Text2, "1.2", {}},
                    CompositionCase{"CorrectionLetters", F::Text2, "一点二",
                                    list({M::kCorrectionRange, M::kEnterCorrection})},
                    // The selection is gone once the composition is abandoned: the box
                    // is empty, and that is checked.
                    CompositionCase{"CorrectionAbandoned", F::Text2, "",
                                    list({M::kCorrectionRange, M::kEnterCorrection})},
                    CompositionCase{"RawDamageFullWidthAboveRange", F::Text1, "１２８０１",
                                    list({M::kRawDamageRange})}),
    [](const auto &info) { return info.param.name; });

// A second composition in the same box is judged, like the first, only once
// committed.
TEST_F(FormTest, EachCompositionIsCheckedOnlyOnceCommitted)
{
    QLineEdit *b = box(F::Text2);
    b->setFocus();
    for (const QString &committed : {QString("1.2"), QString("1.3")}) {
        b->selectAll();
        compose(b, "y");
        compose(b, "yi");
        commit(b, committed);
    }
    EXPECT_EQ(b->text(), "1.3");
    EXPECT_TRUE(notices().empty());
}

// The reset writes the box while an input method composes in it: the box
// forgets that composition, so the next one is reported from its start.
TEST_F(FormTest, AProgramWriteEndsAComposition)
{
    QLineEdit *b = box(F::Text2);
    b->setFocus();
    b->selectAll();
    compose(b, "y");
    button("Command2")->click();
    EXPECT_EQ(b->text(), "1");
    b->selectAll();
    compose(b, "j");
    compose(b, "jiu");
    EXPECT_TRUE(notices().empty());
    commit(b, "9");
    EXPECT_EQ(notices(), list({M::kCorrectionRange}));
}

// A screen reader's "press", which Qt's button carries out 100 ms later
// without asking whether a modal box is open.
void pressAccessibly(QPushButton *button)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_TRUE(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

struct AccessibleCase {
    const char *name;
    bool duringNotice; // begun while the raw damage's notice is open
    const char *pressed;
    const char *text1; // afterwards: 13000 unless reset
    const char *text6;
};
void PrintTo(const AccessibleCase &c, std::ostream *os) { *os << c.name; }

class AccessiblePress : public FormTest, public testing::WithParamInterface<AccessibleCase> {};

// The press is reported as it begins and as it completes: begun during a
// notice, it stays refused when it completes after it.
TEST_P(AccessiblePress, ReachesTheRuleInTwoPhases)
{
    const AccessibleCase &c = GetParam();
    QPushButton *pressed = button(c.pressed);
    if (c.duringNotice) {
        notifier.whileOpen = [&] { pressAccessibly(pressed); };
        type(F::Text1, "13000");
    } else {
        pressAccessibly(pressed);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pressed->isDown(); }));
    EXPECT_EQ(text(F::Text1), c.text1);
    EXPECT_EQ(text(F::Text6), c.text6);
    EXPECT_EQ(notices(), c.duringNotice ? list({M::kRawDamageRange}) : list({}));
}

INSTANTIATE_TEST_SUITE_P(
    Accessibility, AccessiblePress,
    testing::Values(AccessibleCase{"NoNoticeOpen", false, "Command1", "1", "1.5"},
                    AccessibleCase{"BegunDuringANotice", true, "Command2", "13000", ""}),
    [](const auto &info) { return info.param.name; });

} // namespace

namespace {

struct PastedCase {
    const char *name;
    QString content; // pasted into the raw damage
    QString normalDamage;
};
void PrintTo(const PastedCase &c, std::ostream *os) { *os << c.name; }

class PastedRawDamage : public FormTest, public testing::WithParamInterface<PastedCase> {};

// What a spreadsheet, a web page or an input method with Chinese
// punctuation puts on the clipboard, through the real box and Ctrl+V.
TEST_P(PastedRawDamage, CalculatesWithoutNotice)
{
    paste(taruk::FieldId::Text1, GetParam().content);
    ASSERT_EQ(text(taruk::FieldId::Text1), GetParam().content); // the box keeps it as pasted
    click("Command1");
    EXPECT_EQ(text(taruk::FieldId::Text4), GetParam().normalDamage);
    EXPECT_TRUE(notices().empty()) << notices().front();
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, PastedRawDamage,
    testing::Values(PastedCase{"SpreadsheetCell", "12800\n", "12800"},
                    PastedCase{"SpreadsheetCellFromWindows", "12800\r\n", "12800"},
                    PastedCase{"NoBreakSpaces", QString::fromUtf8("\u00A0250\u00A0"), "250"},
                    PastedCase{"IdeographicFullStop", QString::fromUtf8("１２。５"), "12.5"},
                    PastedCase{"HalfwidthFullStop", QString::fromUtf8("12｡5"), "12.5"},
                    PastedCase{"FullWidthExponent", QString::fromUtf8("１．２Ｅ３"), "1200"},
                    PastedCase{"ThinSpaces", QString::fromUtf8("\u2009\u200A7\u202F"), "7"}),
    [](const auto &info) { return info.param.name; });

} // namespace
