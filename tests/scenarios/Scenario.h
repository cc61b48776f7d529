#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace taruk {

// One thing a user does in the window, in toolkit-free terms, and what the
// window answers. Every front end's tests play the same scenarios through
// their real window (ScenarioTable.h).
struct ScenarioStep {
    enum class Act {
        // Click into the box, select all with Ctrl+A, then type the text one
        // key at a time; an empty text is one Backspace.
        Replace,
        // Type the text one key at a time into the control that has the focus.
        Type,
        // One key on the control that has the focus: "Tab", "Shift+Tab",
        // "Enter", "Shift+Enter", "Ctrl+Enter", "Alt+Enter", "Escape",
        // "Space", "Backspace" or "Ctrl+A"; or "Enter held": Enter down, two
        // repeats of it as a held key gives them, then up.
        Key,
        // A mouse click on the control.
        Click,
    };

    Act act;
    std::string_view target; // the control of Replace and Click
    std::string_view text;   // what Replace and Type type, the key of Key
    // The notices the step shows, in order; each is closed before the next
    // key goes in.
    std::vector<std::string_view> notices;
    // The control that has the focus after the step and its notices; empty
    // where it does not matter.
    std::string_view focus;
};

// A window opened afresh (focus in Text1), the steps, and what every text box
// shows at the end: the boxes listed in `shows`, and the start-up text in the
// others.
struct Scenario {
    std::string_view name; // letters and digits, unique
    char decimalSeparator; // the one the user's locale writes
    std::vector<ScenarioStep> steps;
    std::vector<std::pair<std::string_view, std::string_view>> shows;
    // How many of the first steps are made before the window is ready to
    // run them: on the page, while its module is still loading. Their
    // notices then come, in order, once it is. A window that is ready as it
    // opens plays them as any other steps, and must show the same.
    std::size_t beforeReady = 0;
};

} // namespace taruk
