#include "tests/scenarios/ScenarioTable.h"

#include <algorithm>

namespace taruk {

namespace {

using Act = ScenarioStep::Act;
using Notices = std::vector<std::string_view>;

// The five notices, as the user reads them. The correction's range notice
// has an ASCII "!", the raw damage's notices full-width "！".
constexpr std::string_view kEnterAllValues = "请输入各项数值";
constexpr std::string_view kRawDamageWrong = "Taruk原始杀伤有误！请重新输入！";
constexpr std::string_view kRawDamageRange = "请输入正确的Taruk原始杀伤！杀伤范围为1-12800";
constexpr std::string_view kCorrectionRange = "请输入合法的数值!五行修正范围是1-1.4";
constexpr std::string_view kEnterCorrection = "请输入五行修正";

ScenarioStep replace(std::string_view box, std::string_view text, Notices notices = {},
                     std::string_view focus = {})
{
    return {Act::Replace, box, text, std::move(notices), focus.empty() ? box : focus};
}
ScenarioStep type(std::string_view text, Notices notices = {}, std::string_view focus = {})
{
    return {Act::Type, {}, text, std::move(notices), focus};
}
ScenarioStep key(std::string_view name, std::string_view focus = {}, Notices notices = {})
{
    return {Act::Key, {}, name, std::move(notices), focus};
}
ScenarioStep click(std::string_view control, Notices notices = {})
{
    return {Act::Click, control, {}, std::move(notices), control};
}

// The inputs of the worked example: raw damage 5000, correction 1.2, flat
// bonuses 100, 50, 50, 100 and fruit 30, each of the twelve counters 5,
// frenzy 20.
std::vector<ScenarioStep> typeWorkedExample(std::string_view correction,
                                            std::string_view rune = "5")
{
    std::vector<ScenarioStep> steps = {
        replace("Text1", "5000"), replace("Text2", correction), replace("Text10", "100"),
        replace("Text11", "50"),  replace("Text12", "50"),      replace("Text13", "100"),
        replace("Text24", "30"),  replace("Text5", "20"),
    };
    for (std::string_view counter : {"Text7", "Text8", "Text9", "Text14", "Text15", "Text16",
                                     "Text17", "Text18", "Text19", "Text20", "Text21"})
        steps.push_back(replace(counter, "5"));
    steps.push_back(replace("Text23", rune));
    return steps;
}

std::vector<std::pair<std::string_view, std::string_view>>
workedExampleShows(std::string_view correction, std::string_view rune,
                   const std::vector<std::pair<std::string_view, std::string_view>> &results)
{
    std::vector<std::pair<std::string_view, std::string_view>> shows = {
        {"Text1", "5000"}, {"Text2", correction}, {"Text10", "100"}, {"Text11", "50"},
        {"Text12", "50"},  {"Text13", "100"},     {"Text24", "30"},  {"Text5", "20"},
        {"Text7", "5"},    {"Text8", "5"},        {"Text9", "5"},    {"Text14", "5"},
        {"Text15", "5"},   {"Text16", "5"},       {"Text17", "5"},   {"Text18", "5"},
        {"Text19", "5"},   {"Text20", "5"},       {"Text21", "5"},   {"Text23", rune},
    };
    for (const auto &result : results) {
        auto same = std::find_if(shows.begin(), shows.end(),
                                 [&](const auto &shown) { return shown.first == result.first; });
        if (same == shows.end())
            shows.push_back(result);
        else
            same->second = result.second;
    }
    return shows;
}

template <typename... Steps>
std::vector<ScenarioStep> steps(std::vector<ScenarioStep> first, Steps... more)
{
    (first.push_back(more), ...);
    return first;
}

// What 计算Taruk杀伤 shows, with good and bad inputs.
std::vector<Scenario> calculationScenarios()
{
    return {
        {"StartupTexts", '.', {}, {}},

        // 1 × (0 / 100 + 1) × 1 = 1; (0 / 100 + 1) × 1 × 1.5 = 1.5.
        {"CalculationWithStartupTexts",
         '.',
         {click("Command1")},
         {{"Text4", "1"}, {"Text6", "1.5"}}},

        // Sum 5000 + 100 + 50 + 50 + 100 + 30 = 5330; counters 12 × 5 = 60,
        // factor 1.6; 1.2 × 1.6 × 5330 = 10233.6. Frenzy: 1.2 × 10233.6 × 1.5
        // = 18420.48.
        {"FullCalculation", '.', steps(typeWorkedExample("1.2"), click("Command1")),
         workedExampleShows(
             "1.2", "5",
             {{"Text3", "60"}, {"Text22", "300"}, {"Text4", "10233.6"}, {"Text6", "18420.48"}})},

        // The ceiling itself passes: 1.4 × 12800 = 17920; 2 × 17920 × 1.5.
        {"CeilingPasses",
         '.',
         {replace("Text1", "12800"), replace("Text2", "1.4"), replace("Text5", "100"),
          click("Command1")},
         {{"Text1", "12800"},
          {"Text2", "1.4"},
          {"Text5", "100"},
          {"Text4", "17920"},
          {"Text6", "53760"}}},

        // Computed with 13000 all the same, then the ceiling notice alone.
        {"RawDamageAboveCeiling",
         '.',
         {replace("Text1", "13000", {kRawDamageRange}), click("Command1", {kRawDamageWrong})},
         {{"Text1", "13000"}, {"Text4", "13000"}, {"Text6", "19500"}}},

        // "0", "0." and "0.5" are each below 1; the calculation itself lets
        // 0.5 through: 0.5 and 0.5 × 1.5.
        {"RawDamageBelowOne",
         '.',
         {replace("Text1", "0.5", {kRawDamageRange, kRawDamageRange, kRawDamageRange}),
          click("Command1")},
         {{"Text1", "0.5"}, {"Text4", "0.5"}, {"Text6", "0.75"}}},

        // An emptied raw damage is no notice while typing. Step 3 fails, step 4
        // finds Text4 empty and fails too; then both notices.
        {"RawDamageEmptied",
         '.',
         {replace("Text1", ""), click("Command1", {kEnterAllValues, kRawDamageWrong})},
         {{"Text1", ""}}},

        // Counter 10: factor 1.1, Text4 1.1, Text6 1.1 × 1.5 = 1.65. With the
        // counter emptied, Text3 keeps its 10 and the rest is computed from it.
        {"CounterEmptiedKeepsItsTotal",
         '.',
         {replace("Text7", "10"), click("Command1"), replace("Text7", ""),
          click("Command1", {kEnterAllValues})},
         {{"Text7", ""}, {"Text3", "10"}, {"Text4", "1.1"}, {"Text6", "1.65"}}},

        // 1e308 + 1e308 overflows in Text22's sum and in the damage's; Text6
        // then finds Text4 still empty.
        {"OverflowKeepsOldTexts",
         '.',
         {replace("Text10", "1e308"), replace("Text11", "1e308"),
          click("Command1", {kEnterAllValues})},
         {{"Text10", "1e308"}, {"Text11", "1e308"}}},

        // Full-width digits and point as a Chinese input method types them:
        // 1.2 × 1000 = 1200; 1.5 × 1200 × 1.5 = 2700.
        {"FullWidthDigits",
         '.',
         {replace("Text1", "１０００"), replace("Text2", "１．２"), replace("Text5", "５０"),
          click("Command1")},
         {{"Text1", "１０００"},
          {"Text2", "１．２"},
          {"Text5", "５０"},
          {"Text4", "1200"},
          {"Text6", "2700"}}},

        // Under a locale that writes a decimal comma. Counters 11 × 5 + 2.5 =
        // 57.5, factor 1.575; 1.2 × 1.575 × 5330 = 10073.7; 1.2 × 10073.7 × 1.5
        // = 18132.66. The range notice keeps its "1-1.4"; a point is no
        // separator there, so the frenzy "1.5" cannot be read.
        {"DecimalComma", ',',
         steps(typeWorkedExample("1,2", "2,5"), click("Command1"),
               replace("Text2", "1,41", {kCorrectionRange}), replace("Text2", "1,2"),
               replace("Text5", "1.5"), click("Command1", {kEnterAllValues})),
         workedExampleShows("1,2", "2,5",
                            {{"Text5", "1.5"},
                             {"Text3", "57,5"},
                             {"Text22", "300"},
                             {"Text4", "10073,7"},
                             {"Text6", "18132,66"}})},
    };
}

// The checks of the raw damage and the correction while the user types, and
// the reset that runs them.
std::vector<Scenario> checkScenarios()
{
    return {
        // 1, 13, 130 and 1300 are in range: only the last key warns, and the
        // box keeps what was typed.
        {"RawDamageTypedKeyByKey",
         '.',
         {click("Text1"), key("Ctrl+A", "Text1"), type("1", {}, "Text1"), type("3", {}, "Text1"),
          type("0", {}, "Text1"), type("0", {}, "Text1"), type("0", {kRawDamageRange}, "Text1")},
         {{"Text1", "13000"}}},

        {"CorrectionEmptied",
         '.',
         {replace("Text2", "", {kCorrectionRange, kEnterCorrection})},
         {{"Text2", ""}}},

        // Each key that leaves text that is no number gives both notices.
        {"CorrectionLetters",
         '.',
         {replace("Text2", "ab",
                  {kCorrectionRange, kEnterCorrection, kCorrectionRange, kEnterCorrection})},
         {{"Text2", "ab"}}},

        // "1", "1." and "1.4" pass; 1.41 is out. "0", "0." and "0.9" are all
        // below 1. Selecting the text again changes nothing and checks nothing.
        {"CorrectionOutOfRange",
         '.',
         {replace("Text2", "1.41", {kCorrectionRange}),
          replace("Text2", "0.9", {kCorrectionRange, kCorrectionRange, kCorrectionRange}),
          replace("Text2", "2", {kCorrectionRange}), key("Ctrl+A", "Text2")},
         {{"Text2", "2"}}},

        // After the notices the focus is back in the box, and the next keys
        // land there.
        {"TypingGoesOnAfterNotices",
         '.',
         {replace("Text2", "", {kCorrectionRange, kEnterCorrection}), type("1.3", {}, "Text2")},
         {{"Text2", "1.3"}}},

        // The reset writes Text1 and Text2 while both hold bad texts: their
        // checks run on the new "1" and say nothing. Counter 7: Text3 7, and
        // the empty correction fails steps 3 and 4. Emptying the correction
        // again warns again: the check saw the reset's "1".
        {"ResetAfterNotices",
         '.',
         {replace("Text1", "13000", {kRawDamageRange}),
          replace("Text2", "", {kCorrectionRange, kEnterCorrection}), replace("Text9", "7"),
          click("Command1", {kEnterAllValues, kRawDamageWrong}), click("Command2"),
          click("Command1"), replace("Text2", "", {kCorrectionRange, kEnterCorrection})},
         {{"Text2", ""}, {"Text4", "1"}, {"Text6", "1.5"}}},

        // The reset's write of Text1 reaches its check, so the 0 typed again
        // after it is a change from 1 and warns again. The box is selected by
        // Shift+Tab, which changes no text: Ctrl+A in Wine's edit notifies a
        // change, which would tell the check of the 1 all the same.
        {"ZeroAgainAfterReset",
         '.',
         {replace("Text1", "0", {kRawDamageRange}), click("Command2"), click("Text2"),
          key("Shift+Tab", "Text1"), type("0", {kRawDamageRange}, "Text1")},
         {{"Text1", "0"}}},
    };
}

// What the user does before the window is ready to run it (the page's
// module still loading) takes effect once it is, in the order made.
std::vector<Scenario> beforeReadyScenarios()
{
    return {
        // The texts typed are judged, then the press runs on them: 5000 × 1.2
        // = 6000, × 1.5 = 9000. The 13000 typed after the press is judged
        // after it and leaves the results of 5000.
        {"PressBeforeReady",
         '.',
         {replace("Text1", "5000"), replace("Text2", "1.2"), click("Command1"),
          replace("Text1", "13000", {kRawDamageRange})},
         {{"Text1", "13000"}, {"Text2", "1.2"}, {"Text4", "6000"}, {"Text6", "9000"}},
         4},

        // The reset restores what was typed before it, not what was typed
        // after it: 777 becomes 0, and the 2 typed later stays and warns.
        {"ResetBeforeReady",
         '.',
         {replace("Text5", "777"), click("Command2"), replace("Text2", "2", {kCorrectionRange})},
         {{"Text2", "2"}},
         3},
    };
}

// What the keyboard and the read-only boxes do.
std::vector<Scenario> keyboardScenarios()
{
    return {
        {"ReadOnlyBoxes",
         '.',
         {click("Command1"), replace("Text3", "5"), replace("Text22", "5"), replace("Text4", "5"),
          replace("Text6", "")},
         {{"Text4", "1"}, {"Text6", "1.5"}}},

        // Tab through every box and button and round to Text1; Shift+Tab
        // goes back.
        {"KeyboardOrder",
         '.',
         {key("Tab", "Text2"),    key("Tab", "Text3"),  key("Tab", "Text4"),
          key("Tab", "Command1"), key("Tab", "Text5"),  key("Tab", "Text6"),
          key("Tab", "Command2"), key("Tab", "Text10"), key("Tab", "Text11"),
          key("Tab", "Text12"),   key("Tab", "Text13"), key("Tab", "Text7"),
          key("Tab", "Text8"),    key("Tab", "Text9"),  key("Tab", "Text14"),
          key("Tab", "Text15"),   key("Tab", "Text16"), key("Tab", "Text17"),
          key("Tab", "Text18"),   key("Tab", "Text19"), key("Tab", "Text20"),
          key("Tab", "Text21"),   key("Tab", "Text22"), key("Tab", "Text23"),
          key("Tab", "Text24"),   key("Tab", "Text1"),  key("Shift+Tab", "Text24")},
         {}},

        // Enter and Escape in a box run nothing; Space and Enter on a focused
        // button press it. Space on 重新输入 resets the 200 and the 100 (else
        // Enter on 计算Taruk杀伤 would give 200 and 600); Enter in the frenzy
        // box at the end does not calculate again (else Text6 would be 3).
        {"KeyboardAlone",
         '.',
         {key("Ctrl+A", "Text1"),    type("200", {}, "Text1"),     key("Enter", "Text1"),
          key("Escape", "Text1"),    key("Tab", "Text2"),          key("Tab", "Text3"),
          key("Tab", "Text4"),       key("Tab", "Command1"),       key("Tab", "Text5"),
          key("Ctrl+A", "Text5"),    type("100", {}, "Text5"),     key("Tab", "Text6"),
          key("Tab", "Command2"),    key("Space", "Command2"),     key("Shift+Tab", "Text6"),
          key("Shift+Tab", "Text5"), key("Shift+Tab", "Command1"), key("Enter", "Command1"),
          key("Tab", "Text5"),       key("Ctrl+A", "Text5"),       type("100", {}, "Text5"),
          key("Enter", "Text5"),     key("Escape", "Text5")},
         {{"Text5", "100"}, {"Text4", "1"}, {"Text6", "1.5"}}},

        // Enter held down on 计算Taruk杀伤 presses it once, not again on each
        // repeat of the key: one notice, not three. The result is computed
        // with 13000 all the same (as RawDamageAboveCeiling).
        {"EnterHeldPressesOnce",
         '.',
         {replace("Text1", "13000", {kRawDamageRange}), key("Tab", "Text2"), key("Tab", "Text3"),
          key("Tab", "Text4"), key("Tab", "Command1"),
          key("Enter held", "Command1", {kRawDamageWrong})},
         {{"Text1", "13000"}, {"Text4", "13000"}, {"Text6", "19500"}}},

        // Enter presses a focused button with Shift or Ctrl held as without;
        // with Alt it is the system's key and presses nothing. Each press of
        // 计算Taruk杀伤 over 13000 says so; Ctrl+Enter on 重新输入 then resets
        // every box (else Text1 would keep 13000, Text4 13000).
        {"EnterWithAModifier",
         '.',
         {replace("Text1", "13000", {kRawDamageRange}), key("Tab", "Text2"), key("Tab", "Text3"),
          key("Tab", "Text4"), key("Tab", "Command1"), key("Alt+Enter", "Command1"),
          key("Shift+Enter", "Command1", {kRawDamageWrong}),
          key("Ctrl+Enter", "Command1", {kRawDamageWrong}), key("Tab", "Text5"),
          key("Tab", "Text6"), key("Tab", "Command2"), key("Ctrl+Enter", "Command2")},
         {}},
    };
}

} // namespace

std::vector<std::pair<std::string_view, std::string_view>> startupShows()
{
    return {
        {"Text1", "1"},  {"Text2", "1"},  {"Text3", "0"},  {"Text4", ""},   {"Text5", "0"},
        {"Text6", ""},   {"Text7", "0"},  {"Text8", "0"},  {"Text9", "0"},  {"Text10", "0"},
        {"Text11", "0"}, {"Text12", "0"}, {"Text13", "0"}, {"Text14", "0"}, {"Text15", "0"},
        {"Text16", "0"}, {"Text17", "0"}, {"Text18", "0"}, {"Text19", "0"}, {"Text20", "0"},
        {"Text21", "0"}, {"Text22", "0"}, {"Text23", "0"}, {"Text24", "0"},
    };
}

std::vector<Scenario> scenarioTable()
{
    std::vector<Scenario> table = calculationScenarios();
    for (auto part : {checkScenarios(), keyboardScenarios(), beforeReadyScenarios()})
        table.insert(table.end(), part.begin(), part.end());
    return table;
}

} // namespace taruk
