#pragma once

#include "tests/scenarios/Scenario.h"

#include <string_view>

// A user of one window, in the terms of the scenario table. Each window's
// test says how a click, a key and typing reach its toolkit; what a step of
// the table means is said once, here.
class ScenarioUser {
public:
    virtual ~ScenarioUser() = default;

    // A mouse click on the control of that name.
    virtual void click(std::string_view control) = 0;
    // One of the table's keys (ScenarioStep::Act::Key) on the control that
    // has the focus.
    virtual void key(std::string_view name) = 0;
    // The UTF-8 text typed into the control that has the focus, one key a
    // character.
    virtual void type(std::string_view text) = 0;

    void play(const taruk::ScenarioStep &step)
    {
        using Act = taruk::ScenarioStep::Act;
        switch (step.act) {
        case Act::Replace:
            click(step.target);
            key("Ctrl+A");
            if (step.text.empty())
                key("Backspace");
            else
                type(step.text);
            break;
        case Act::Type:
            type(step.text);
            break;
        case Act::Key:
            key(step.text);
            break;
        case Act::Click:
            click(step.target);
            break;
        }
    }
};
