#pragma once

#include "tests/scenarios/Scenario.h"

#include <string_view>
#include <utility>
#include <vector>

namespace taruk {

// What a user does in the calculator and what the window must then show,
// written out from the behaviour the window promises: the notice texts
// literally, the results worked out by hand. Every front end plays every
// scenario through its real window; nothing here is computed by the code
// under test.
std::vector<Scenario> scenarioTable();

// What each of the 24 boxes shows when the window opens, spelled out.
std::vector<std::pair<std::string_view, std::string_view>> startupShows();

} // namespace taruk
