#include "tests/scenarios/ScenarioSuite.h"
#include "tests/scenarios/ScenarioUser.h"
#include "tests/win/WinFormFixture.h"

namespace {

// The shared scenarios played through the real window as a user plays them:
// mouse clicks and keys through SendInput and the message loop, every
// notice shown by a box that takes the activation as a modal box does.
class WinScenario : public WinFormFixture,
                    public testing::WithParamInterface<taruk::Scenario>,
                    public ScenarioUser {
public:
    void SetUp() override {}

    void click(std::string_view name) override { user.click(control(name)); }
    void key(std::string_view name) override { EXPECT_TRUE(user.key(name)) << "no key " << name; }
    void type(std::string_view text) override { user.type(taruk::win::toUtf16(text)); }
};

TEST_P(WinScenario, ShowsWhatTheTableSays)
{
    const taruk::Scenario &scenario = GetParam();
    open(scenario.decimalSeparator);
    ASSERT_EQ(GetForegroundWindow(), form->window()) << "input would go elsewhere";
    for (const taruk::ScenarioStep &step : scenario.steps) {
        SCOPED_TRACE(describe(step));
        notifier.messages.clear();
        play(step);
        EXPECT_EQ(notifier.messages, strings(step.notices));
        if (!step.focus.empty()) {
            EXPECT_EQ(nameOf(GetFocus()), step.focus);
        }
    }
    for (const auto &[name, expected] : finalTexts(scenario))
        EXPECT_EQ(taruk::win::toUtf8(taruk::win::windowText(control(name))), expected) << name;
}

TARUK_INSTANTIATE_SCENARIOS(WinScenario);

} // namespace
