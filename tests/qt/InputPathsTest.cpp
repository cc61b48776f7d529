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

TEST_F(FormTest, EnterOnAFocusedButtonPressesIt)
{
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                         std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        button("Command1")->setFocus();
        QTest::keyClick(button("Command1"), key, modifiers);
        EXPECT_EQ(text(F::Text6), "1.5") << key;
        button("Command2")->setFocus();
        QTest::keyClick(button("Command2"), key, modifiers);
        EXPECT_EQ(text(F::Text6), "") << key;
    }
    EXPECT_TRUE(notices().empty());
}

// Held down, Enter presses a button once: its repeats press nothing.
TEST_F(FormTest, HeldEnterOnAButtonPressesItOnce)
{
    QPushButton *calculate = button("Command1");
    calculate->setFocus();
    QTest::keyPress(calculate, Qt::Key_Return);
    EXPECT_EQ(text(F::Text6), "1.5");
    box(F::Text6)->setText("");
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(calculate, &event);
    }
    QTest::keyRelease(calculate, Qt::Key_Return);
    EXPECT_EQ(text(F::Text6), "");
}

// Only Enter and Space press a button: a letter typed on it does nothing.
TEST_F(FormTest, ALetterOnAButtonPressesNothing)
{
    button("Command1")->setFocus();
    QTest::keyClick(button("Command1"), Qt::Key_A);
    EXPECT_EQ(text(F::Text6), "");
}

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
                    CompositionCase{"CorrectionFullWidth", F::Text2, "１．４", {}},
                    CompositionCase{"CorrectionLetters", F::Text2, "一点二",
                                    list({M::kCorrectionRange, M::kEnterCorrection})},
                    // The selection is gone once the composition is abandoned: the box
                    // is empty, and that is checked.
                    CompositionCase{"CorrectionAbandoned", F::Text2, "",
                                    list({M::kCorrectionRange, M::kEnterCorrection})},
                    CompositionCase{"RawDamageFullWidth", F::Text1, "１２８００", {}},
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

// The reset writes the box while an input method composes in it: that ends the
// composition, so what is typed next is checked.
TEST_F(FormTest, AProgramWriteEndsAComposition)
{
    QLineEdit *b = box(F::Text2);
    b->setFocus();
    b->selectAll();
    compose(b, "y");
    button("Command2")->click();
    EXPECT_EQ(b->text(), "1");
    type(F::Text2, "9");
    EXPECT_EQ(notices(), list({M::kCorrectionRange}));
}

TEST_F(FormTest, CalculatesFromFullWidthDigitsCommittedByAnInputMethod)
{
    for (const auto &[id, committed] :
         {std::pair{F::Text1, QString("１０００")}, std::pair{F::Text2, QString("１．２")},
          std::pair{F::Text5, QString("５０")}}) {
        box(id)->setFocus();
        box(id)->selectAll();
        compose(box(id), "x");
        commit(box(id), committed);
    }
    click("Command1");
    EXPECT_EQ(text(F::Text4), "1200");
    EXPECT_EQ(text(F::Text6), "2700"); // 1.5 × 1200 × 1.5
    EXPECT_TRUE(notices().empty());
}

// A screen reader's "press", which Qt's button carries out 100 ms later
// without asking whether a modal box is open.
void pressAccessibly(QPushButton *button)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_TRUE(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

TEST_F(FormTest, AccessiblePressWorksWithNoNoticeOpen)
{
    pressAccessibly(button("Command1"));
    QTest::qWait(300);
    EXPECT_EQ(text(F::Text6), "1.5"); // so the press in the next tests is a real one
}

struct WhileOpenCase {
    const char *name;
    bool byCalculation; // the notice comes from Command1, else from typing into Text1
    const char *pressed;
    int waitMs; // how long the notice stays open after the press
};
void PrintTo(const WhileOpenCase &c, std::ostream *os) { *os << c.name; }

class PressWhileNoticeOpen : public FormTest, public testing::WithParamInterface<WhileOpenCase> {};

TEST_P(PressWhileNoticeOpen, StartsNothing)
{
    const WhileOpenCase &c = GetParam();
    type(F::Text9, "7");
    if (c.byCalculation) {
        type(F::Text1, "13000");
        notifier.messages.clear();
    }
    notifier.whileOpen = [&] {
        pressAccessibly(button(c.pressed));
        QTest::qWait(c.waitMs);
    };
    if (c.byCalculation)
        click("Command1");
    else
        type(F::Text1, "13000");
    QTest::qWait(300); // a press refused while the notice was open stays refused

    EXPECT_EQ(notices(), list({c.byCalculation ? M::kRawDamageWrong : M::kRawDamageRange}));
    EXPECT_EQ(notifier.deepest, 1);
    EXPECT_EQ(text(F::Text1), "13000");
    EXPECT_EQ(text(F::Text9), "7");
    EXPECT_EQ(text(F::Text3), c.byCalculation ? "7" : "0");
}

INSTANTIATE_TEST_SUITE_P(
    Accessibility, PressWhileNoticeOpen,
    testing::Values(WhileOpenCase{"ResetDuringRawDamageCheck", false, "Command2", 300},
                    WhileOpenCase{"CalculationDuringRawDamageCheck", false, "Command1", 300},
                    WhileOpenCase{"ResetDuringCalculation", true, "Command2", 300},
                    WhileOpenCase{"CalculationDuringCalculation", true, "Command1", 300},
                    // The click lands after the notice has closed.
                    WhileOpenCase{"ResetJustBeforeTheNoticeCloses", false, "Command2", 0},
                    WhileOpenCase{"CalculationJustBeforeTheNoticeCloses", true, "Command1", 0}),
    [](const auto &info) { return info.param.name; });

// The reset writes Text1 and Text2 through the store; their checks run
// inside it. Here a second edit slips in while the reset writes Text1.
TEST_F(FormTest, ChecksNestedInTheResetStillRun)
{
    type(F::Text1, "500"); // so that the reset changes it
    type(F::Text5, "20");
    bool edited = false;
    QObject::connect(box(F::Text1), &QLineEdit::textChanged, &form, [&] {
        if (!std::exchange(edited, true))
            box(F::Text2)->setText("abc");
    });
    click("Command2");
    EXPECT_EQ(notices(), list({M::kCorrectionRange, M::kEnterCorrection}));
    EXPECT_EQ(text(F::Text2), "1"); // then the reset wrote Text2 after all
    EXPECT_EQ(text(F::Text5), "0");
}

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
