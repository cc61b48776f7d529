#pragma once

#include "tests/scenarios/ScenarioTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What every window's scenario test needs around the table: the scenarios as
// GoogleTest parameters, each step described, and every box's text at the
// end.

namespace taruk {
// Found by GoogleTest through the argument's namespace.
inline void PrintTo(const Scenario &s, std::ostream *os) { *os << s.name; }
} // namespace taruk

// Each of the 24 boxes with the text it must show when the scenario is over.
inline std::vector<std::pair<std::string, std::string>> finalTexts(const taruk::Scenario &s)
{
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto &[box, text] : taruk::startupShows()) {
        const auto shown =
            std::find_if(s.shows.begin(), s.shows.end(),
                         [box = box](const auto &pair) { return pair.first == box; });
        texts.emplace_back(box, shown == s.shows.end() ? text : shown->second);
    }
    return texts;
}

inline std::vector<std::string> strings(const std::vector<std::string_view> &views)
{
    return {views.begin(), views.end()};
}

// "Replace Text2 \"1.41\"", to say which step of a scenario failed.
inline std::string describe(const taruk::ScenarioStep &step)
{
    using Act = taruk::ScenarioStep::Act;
    switch (step.act) {
    case Act::Replace:
        return "Replace " + std::string(step.target) + " \"" + std::string(step.text) + "\"";
    case Act::Type:
        return "Type \"" + std::string(step.text) + "\"";
    case Act::Key:
        return "Key " + std::string(step.text);
    case Act::Click:
        return "Click " + std::string(step.target);
    }
    return "?";
}

#define TARUK_INSTANTIATE_SCENARIOS(suite)                                                         \
    INSTANTIATE_TEST_SUITE_P(Table, suite, testing::ValuesIn(taruk::scenarioTable()),              \
                             [](const auto &info) { return std::string(info.param.name); })
