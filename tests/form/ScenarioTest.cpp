#include "tests/form/RouterFixture.h"
#include "tests/scenarios/ScenarioSuite.h"
#include "tests/scenarios/ScenarioUser.h"
#include "ui/form/FormLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

using taruk::FieldId;

namespace {

// The scenarios played over the router and an in-memory store, with a small
// model of what a window's boxes do with keys: no toolkit, so it runs on every
// target and checks the table against the rules before any window does.
class ModelWindow : public ScenarioUser {
public:
    explicit ModelWindow(char separator) : m_routed(separator) {}

    std::string text(std::string_view box) const { return m_routed.store.getText(field(box)); }
    const std::string &focus() const { return m_focus; }
    std::vector<std::string> &notices() { return m_routed.notifier.messages; }

    void click(std::string_view control) override
    {
        m_focus = std::string(control);
        m_selected = false;
        if (control == "Command1" || control == "Command2")
            press();
    }
    void type(std::string_view keys) override
    {
        for (std::size_t i = 0; i < keys.size();) {
            std::size_t length = 1;
            while (i + length < keys.size() && (keys[i + length] & 0xC0) == 0x80)
                ++length;
            if (editable())
                setText((m_selected ? std::string() : text(m_focus)) +
                        std::string(keys.substr(i, length)));
            m_selected = false;
            i += length;
        }
    }
    void key(std::string_view name) override
    {
        namespace L = taruk::FormLayout;
        if (name == "Tab" || name == "Shift+Tab") {
            std::size_t at = 0;
            while (L::kControls[L::kFocusOrder[at]].name != m_focus)
                ++at;
            const std::size_t n = L::kFocusOrder.size();
            at = name == "Tab" ? (at + 1) % n : (at + n - 1) % n;
            m_focus = std::string(L::kControls[L::kFocusOrder[at]].name);
            m_selected = true;
        } else if (name == "Space" && !inBox()) {
            press();
        } else if (const auto held = enterWith(name); held && !inBox()) {
            m_routed.router.enterKeyDown(button(), *held, false);
        } else if (name == "Enter held") {
            // The window reports the key going down and each repeat.
            if (!inBox())
                for (bool repeat : {false, true, true})
                    m_routed.router.enterKeyDown(button(), {}, repeat);
        } else if (name == "Ctrl+A") {
            m_selected = true;
        } else if (name == "Backspace") {
            backspace();
        } else if (!enterWith(name) && name != "Space" && name != "Escape") {
            ADD_FAILURE() << "no key " << name; // these do nothing in a box
        }
    }

private:
    using Modifiers = taruk::EventRouter::Modifiers;
    // The modifiers of the table's Enter keys; nothing for another key.
    static std::optional<Modifiers> enterWith(std::string_view name)
    {
        const std::map<std::string_view, Modifiers> keys = {{"Enter", {}},
                                                            {"Shift+Enter", {.shift = true}},
                                                            {"Ctrl+Enter", {.control = true}},
                                                            {"Alt+Enter", {.alt = true}}};
        const auto found = keys.find(name);
        return found == keys.end() ? std::nullopt : std::optional(found->second);
    }
    static FieldId field(std::string_view box)
    {
        const auto id = taruk::fieldNamed(box);
        if (!id)
            ADD_FAILURE() << "no box " << box;
        return id.value_or(FieldId::Text1);
    }
    bool inBox() const { return m_focus.rfind("Text", 0) == 0; }
    bool editable() const { return inBox() && !taruk::isOutputField(field(m_focus)); }

    void setText(const std::string &text) { m_routed.store.setText(field(m_focus), text); }

    taruk::EventRouter::Button button() const
    {
        return m_focus == "Command1" ? taruk::EventRouter::Button::Command1
                                     : taruk::EventRouter::Button::Command2;
    }
    void press() { m_routed.router.press(button()); }
    void backspace()
    {
        if (editable()) {
            std::string t = m_selected ? std::string() : text(m_focus);
            while (!t.empty() && (t.back() & 0xC0) == 0x80)
                t.pop_back();
            if (!t.empty())
                t.pop_back();
            if (t != text(m_focus))
                setText(t);
        }
        m_selected = false;
    }

    RoutedStore m_routed;
    std::string m_focus = "Text1";
    bool m_selected = false;
};

class ModelScenario : public testing::TestWithParam<taruk::Scenario> {};

TEST_P(ModelScenario, ShowsWhatTheTableSays)
{
    const taruk::Scenario &scenario = GetParam();
    ModelWindow window(scenario.decimalSeparator);
    for (const taruk::ScenarioStep &step : scenario.steps) {
        SCOPED_TRACE(describe(step));
        window.notices().clear();
        window.play(step);
        EXPECT_EQ(window.notices(), strings(step.notices));
        if (!step.focus.empty()) {
            EXPECT_EQ(window.focus(), step.focus);
        }
    }
    for (const auto &[box, text] : finalTexts(scenario))
        EXPECT_EQ(window.text(box), text) << box;
}

TARUK_INSTANTIATE_SCENARIOS(ModelScenario);

TEST(ScenarioTable, NamesAreUniqueAndCoverEveryNotice)
{
    std::map<std::string_view, int> names;
    std::map<std::string_view, int> notices;
    for (const taruk::Scenario &s : taruk::scenarioTable()) {
        ++names[s.name];
        EXPECT_LE(s.beforeReady, s.steps.size()) << s.name;
        for (const taruk::ScenarioStep &step : s.steps)
            for (std::string_view n : step.notices)
                ++notices[n];
    }
    for (const auto &[name, count] : names)
        EXPECT_EQ(count, 1) << name;
    EXPECT_EQ(notices.size(), 5u);
}

} // namespace
