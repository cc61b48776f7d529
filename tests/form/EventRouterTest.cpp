#include "tests/form/RouterFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using taruk::FieldId;
using Button = taruk::EventRouter::Button;

namespace {

using F = FieldId;
using Notices = std::vector<std::string>;

const std::string kRawDamageWrong = "Taruk原始杀伤有误！请重新输入！";
const std::string kRawDamageRange = "请输入正确的Taruk原始杀伤！杀伤范围为1-12800";
const std::string kCorrectionRange = "请输入合法的数值!五行修正范围是1-1.4";
const std::string kEnterCorrection = "请输入五行修正";

struct GuardCase {
    const char *name;
    // Raises the first notice; `whileOpen` acts while it is open, `after`
    // once it has closed.
    void (*raise)(RoutedStore &);
    void (*whileOpen)(RoutedStore &);
    void (*after)(RoutedStore &);
    Notices notices;
    std::string text1, text2, text3;
};
void PrintTo(const GuardCase &c, std::ostream *os) { *os << c.name; }

void calculateAbove(RoutedStore &s)
{
    s.store.setText(F::Text1, "13000");
    s.notifier.messages.clear();
    s.router.press(Button::Command1);
}
void typeAbove(RoutedStore &s) { s.store.setText(F::Text1, "13000"); }
void nothing(RoutedStore &) {}

class NoticeGuard : public testing::TestWithParam<GuardCase> {};

TEST_P(NoticeGuard, StartsNothingWhileANoticeIsOpen)
{
    const GuardCase &c = GetParam();
    RoutedStore s;
    s.store.setText(F::Text7, "7");
    s.notifier.whileOpen = [&] { c.whileOpen(s); };
    c.raise(s);
    c.after(s);
    EXPECT_EQ(s.notifier.messages, c.notices);
    EXPECT_EQ(s.store.getText(F::Text1), c.text1);
    EXPECT_EQ(s.store.getText(F::Text2), c.text2);
    EXPECT_EQ(s.store.getText(F::Text3), c.text3);
}

INSTANTIATE_TEST_SUITE_P(
    Router, NoticeGuard,
    testing::Values(GuardCase{"ResetDuringRawDamageCheck",
                              typeAbove,
                              [](RoutedStore &s) { s.router.press(Button::Command2); },
                              nothing,
                              {kRawDamageRange},
                              "13000",
                              "1",
                              "0"},
                    GuardCase{"CalculationDuringCalculation",
                              calculateAbove,
                              [](RoutedStore &s) { s.router.press(Button::Command1); },
                              nothing,
                              {kRawDamageWrong},
                              "13000",
                              "1",
                              "7"},
                    // Down while the notice is open, released after it closed.
                    GuardCase{"PressBeganDuringNoticeCompletedAfter",
                              typeAbove,
                              [](RoutedStore &s) { s.router.pressBegan(Button::Command2); },
                              [](RoutedStore &s) { s.router.pressCompleted(Button::Command2); },
                              {kRawDamageRange},
                              "13000",
                              "1",
                              "0"},
                    // Down before the notice, released while it is open.
                    GuardCase{"PressCompletedDuringNotice",
                              [](RoutedStore &s) {
                                  s.router.pressBegan(Button::Command2);
                                  typeAbove(s);
                              },
                              [](RoutedStore &s) { s.router.pressCompleted(Button::Command2); },
                              nothing,
                              {kRawDamageRange},
                              "13000",
                              "1",
                              "0"},
                    // A completion reported alone (a script's click, a tool's
                    // BN_CLICKED) is a whole press, judged when it completes.
                    GuardCase{"CompletedAloneDuringNotice",
                              typeAbove,
                              [](RoutedStore &s) { s.router.pressCompleted(Button::Command2); },
                              nothing,
                              {kRawDamageRange},
                              "13000",
                              "1",
                              "0"},
                    GuardCase{"CompletedAloneAfterTheNotice",
                              typeAbove,
                              nothing,
                              [](RoutedStore &s) { s.router.pressCompleted(Button::Command2); },
                              {kRawDamageRange},
                              "1",
                              "1",
                              "0"},
                    // A refused begin does not outlive the press: the next one counts.
                    GuardCase{"WholePressAfterARefusedBegin",
                              typeAbove,
                              [](RoutedStore &s) { s.router.pressBegan(Button::Command2); },
                              [](RoutedStore &s) {
                                  s.router.pressCompleted(Button::Command2);
                                  s.router.press(Button::Command2);
                              },
                              {kRawDamageRange},
                              "1",
                              "1",
                              "0"},
                    // A whole press after the notice begins anew, whatever
                    // began during it.
                    GuardCase{"PressAfterARefusedBegin",
                              typeAbove,
                              [](RoutedStore &s) { s.router.pressBegan(Button::Command2); },
                              [](RoutedStore &s) { s.router.press(Button::Command2); },
                              {kRawDamageRange},
                              "1",
                              "1",
                              "0"},
                    // The refused press ends at its completion: a completion
                    // alone after it (a script's click) is a press of its own.
                    GuardCase{"CompletionAloneAfterARefusedPress",
                              typeAbove,
                              [](RoutedStore &s) { s.router.pressBegan(Button::Command2); },
                              [](RoutedStore &s) {
                                  s.router.pressCompleted(Button::Command2);
                                  s.router.pressCompleted(Button::Command2);
                              },
                              {kRawDamageRange},
                              "1",
                              "1",
                              "0"},
                    // Each button has its own press: Command1's, begun while the
                    // notice was open, stays dropped when Command2 is pressed down.
                    GuardCase{"EachButtonItsOwnPress",
                              typeAbove,
                              [](RoutedStore &s) { s.router.pressBegan(Button::Command1); },
                              [](RoutedStore &s) {
                                  s.router.pressBegan(Button::Command2);
                                  s.router.pressCompleted(Button::Command1);
                              },
                              {kRawDamageRange},
                              "13000",
                              "1",
                              "0"},
                    GuardCase{"CorrectionChangedDuringNotice",
                              typeAbove,
                              [](RoutedStore &s) { s.store.setText(F::Text2, ""); },
                              nothing,
                              {kRawDamageRange},
                              "13000",
                              "",
                              "0"},
                    // Not judged while the notice was open, so judged at the next
                    // notification even though the text is the same.
                    GuardCase{"UnjudgedChangeIsJudgedNextTime",
                              typeAbove,
                              [](RoutedStore &s) { s.store.setText(F::Text2, "2"); },
                              [](RoutedStore &s) { s.router.textChanged(F::Text2, "2"); },
                              {kRawDamageRange, kCorrectionRange},
                              "13000",
                              "2",
                              "0"},
                    GuardCase{"PressAfterTheNoticeClosed",
                              typeAbove,
                              nothing,
                              [](RoutedStore &s) { s.router.press(Button::Command2); },
                              {kRawDamageRange},
                              "1",
                              "1",
                              "0"},
                    // The reset's own writes run the checks: no notice is open then. Here
                    // a second edit slips in while the reset writes Text1.
                    GuardCase{"ChecksNestedInTheResetRun",
                              [](RoutedStore &s) {
                                  s.store.setText(F::Text1, "500");
                                  s.store.addListener(F::Text1, [&s, done = false]() mutable {
                                      if (!std::exchange(done, true))
                                          s.store.setText(F::Text2, "abc");
                                  });
                                  s.router.press(Button::Command2);
                              },
                              nothing,
                              nothing,
                              {kCorrectionRange, kEnterCorrection},
                              "1",
                              "1",
                              "0"}),
    [](const auto &info) { return info.param.name; });

struct ChangeCase {
    const char *name;
    void (*act)(RoutedStore &);
    Notices notices;
};
void PrintTo(const ChangeCase &c, std::ostream *os) { *os << c.name; }

class ChangeRule : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeRule, ChecksOnlyCommittedChangedText)
{
    RoutedStore s;
    GetParam().act(s);
    EXPECT_EQ(s.notifier.messages, GetParam().notices);
}

INSTANTIATE_TEST_SUITE_P(
    Router, ChangeRule,
    testing::Values(ChangeCase{"PlainChange",
                               [](RoutedStore &s) { s.store.setText(F::Text2, "2"); },
                               {kCorrectionRange}},
                    // An edit control that notifies on select-all, text unchanged.
                    ChangeCase{"SameTextAgain",
                               [](RoutedStore &s) {
                                   s.store.setText(F::Text2, "2");
                                   s.router.textChanged(F::Text2, "2");
                                   s.router.textChanged(F::Text2, "2");
                               },
                               {kCorrectionRange}},
                    ChangeCase{"SameTextAgainInRawDamage",
                               [](RoutedStore &s) {
                                   s.store.setText(F::Text1, "0");
                                   s.router.textChanged(F::Text1, "0");
                               },
                               {kRawDamageRange}},
                    ChangeCase{"StartupTextIsNoChange",
                               [](RoutedStore &s) {
                                   s.router.textChanged(F::Text1, "1");
                                   s.router.textChanged(F::Text2, "1");
                               },
                               {}},
                    ChangeCase{"BackAndForth",
                               [](RoutedStore &s) {
                                   s.store.setText(F::Text1, "0");
                                   s.store.setText(F::Text1, "5");
                                   s.store.setText(F::Text1, "0");
                               },
                               {kRawDamageRange, kRawDamageRange}},
                    // Whatever an input method shows while composing is not judged; the
                    // committed text is, once.
                    ChangeCase{"CompositionJudgedWhenCommitted",
                               [](RoutedStore &s) {
                                   s.router.compositionStarted(F::Text2);
                                   s.store.setText(F::Text2, "y");
                                   s.store.setText(F::Text2, "yi");
                                   s.store.setText(F::Text2, "1.5");
                                   s.router.compositionEnded(F::Text2, "1.5");
                               },
                               {kCorrectionRange}},
                    ChangeCase{"CompositionCommittingTheOldText",
                               [](RoutedStore &s) {
                                   s.router.compositionStarted(F::Text2);
                                   s.store.setText(F::Text2, "");
                                   s.store.setText(F::Text2, "1");
                                   s.router.compositionEnded(F::Text2, "1");
                               },
                               {}},
                    // Ended while a notice was open, reported once it has closed: the
                    // composition is over, its text not judged then but at the next
                    // change, as any change made during a notice.
                    ChangeCase{"CompositionEndedDuringNotice",
                               [](RoutedStore &s) {
                                   s.router.compositionStarted(F::Text2);
                                   s.store.setText(F::Text2, "9");
                                   s.router.compositionEndedDuringNotice(F::Text2);
                                   s.router.textChanged(F::Text2, "9");
                               },
                               {kCorrectionRange}},
                    // A page reports a change and runs its check later: the text
                    // reported is judged, not what the box holds by then.
                    ChangeCase{"JudgesTheReportedText",
                               [](RoutedStore &s) {
                                   s.router.textChanged(F::Text1, "13000");
                                   s.router.textChanged(F::Text2, "1.2");
                               },
                               {kRawDamageRange}},
                    // The reset writes Text1 while an input method composes there:
                    // the composition is over, and the next change is judged.
                    ChangeCase{"ProgramWriteEndsComposition",
                               [](RoutedStore &s) {
                                   s.router.compositionStarted(F::Text1);
                                   s.store.setText(F::Text1, "y");
                                   s.router.press(Button::Command2);
                                   s.store.setText(F::Text1, "0");
                               },
                               {kRawDamageRange}},
                    ChangeCase{"ProgramWriteInAnotherBox",
                               [](RoutedStore &s) {
                                   s.router.compositionStarted(F::Text1);
                                   s.store.setText(F::Text5, "3");
                                   s.router.press(Button::Command1);
                                   s.store.setText(F::Text1, "0");
                               },
                               {}},
                    ChangeCase{"CompositionInOneBoxOnly",
                               [](RoutedStore &s) {
                                   s.router.compositionStarted(F::Text1);
                                   s.store.setText(F::Text2, "");
                               },
                               {kCorrectionRange, kEnterCorrection}},
                    ChangeCase{"OtherFieldsHaveNoCheck",
                               [](RoutedStore &s) {
                                   for (FieldId id : taruk::kAllFields)
                                       if (id != F::Text1 && id != F::Text2)
                                           s.store.setText(id, "x");
                               },
                               {}}),
    [](const auto &info) { return info.param.name; });

using Modifiers = taruk::EventRouter::Modifiers;

struct EnterCase {
    const char *name;
    Modifiers held;
    std::vector<bool> repeats; // each time the key goes down: one of its repeats?
    bool taken;                // the button's key, not passed on
    std::size_t presses;
};
void PrintTo(const EnterCase &c, std::ostream *os) { *os << c.name; }

class EnterKey : public testing::TestWithParam<EnterCase> {};

// Each press of 计算Taruk杀伤 over 13000 says so once.
TEST_P(EnterKey, PressesAFocusedButtonAsADialogDoes)
{
    const EnterCase &c = GetParam();
    RoutedStore s;
    s.store.setText(F::Text1, "13000");
    s.notifier.messages.clear();
    for (bool repeat : c.repeats)
        EXPECT_EQ(s.router.enterKeyDown(Button::Command1, c.held, repeat), c.taken);
    EXPECT_EQ(s.notifier.messages, Notices(c.presses, kRawDamageWrong));
}

INSTANTIATE_TEST_SUITE_P(
    RouterKeys, EnterKey,
    testing::Values(
        EnterCase{"Alone", {}, {false}, true, 1},
        // Held: one press as it goes down, none on its repeats;
        // the next time it goes down is a new press.
        EnterCase{"HeldPressesOnce", {}, {false, true, true, true, false, true}, true, 2},
        EnterCase{"WithShift", {.shift = true}, {false}, true, 1},
        EnterCase{"WithCtrl", {.control = true}, {false}, true, 1},
        EnterCase{"WithShiftAndCtrl", {.shift = true, .control = true}, {false}, true, 1},
        EnterCase{"HeldWithCtrl", {.control = true}, {false, true, true}, true, 1},
        // The system's chords: Alt+Enter, the logo key's, AltGr
        // (Ctrl+Alt on Windows).
        EnterCase{"WithAlt", {.alt = true}, {false, true}, false, 0},
        EnterCase{"WithLogo", {.logo = true}, {false}, false, 0},
        EnterCase{"WithCtrlAndAlt", {.control = true, .alt = true}, {false}, false, 0},
        EnterCase{"WithShiftAndLogo", {.shift = true, .logo = true}, {false}, false, 0}),
    [](const auto &info) { return info.param.name; });

// The separator given is the one the checks read with.
TEST(RouterSeparator, ChecksReadTheSeparatorGiven)
{
    RoutedStore comma(',');
    comma.store.setText(F::Text2, "1,41");
    comma.store.setText(F::Text2, "1,4");
    comma.store.setText(F::Text2, "1.2");
    EXPECT_EQ(comma.notifier.messages,
              (Notices{kCorrectionRange, kCorrectionRange, kEnterCorrection}));
}

} // namespace
