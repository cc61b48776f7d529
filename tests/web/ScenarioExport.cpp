// Writes the scenario table (tests/scenarios/ScenarioTable.h) as JSON on standard
// output, for the page's tests, which play it in a browser. Built in the
// same wasm build and run under node, so the web tests need no native build.
#include "tests/scenarios/ScenarioTable.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c; // UTF-8 passes as it is
        }
    }
    return out + '"';
}

const char *actName(taruk::ScenarioStep::Act act)
{
    using Act = taruk::ScenarioStep::Act;
    switch (act) {
    case Act::Replace:
        return "Replace";
    case Act::Type:
        return "Type";
    case Act::Key:
        return "Key";
    case Act::Click:
        return "Click";
    }
    return "";
}

template <typename Pairs>
std::string object(const Pairs &pairs)
{
    std::string out = "{";
    for (const auto &[key, value] : pairs)
        out += (out.size() > 1 ? ", " : "") + quoted(key) + ": " + quoted(value);
    return out + "}";
}

std::string step(const taruk::ScenarioStep &s)
{
    std::string notices = "[";
    for (std::string_view n : s.notices)
        notices += (notices.size() > 1 ? ", " : "") + quoted(n);
    return "{\"act\": " + quoted(actName(s.act)) + ", \"target\": " + quoted(s.target) +
           ", \"text\": " + quoted(s.text) + ", \"notices\": " + notices +
           "], \"focus\": " + quoted(s.focus) + "}";
}

} // namespace

int main()
{
    std::string out = "{\"startup\": " + object(taruk::startupShows()) + ",\n\"scenarios\": [";
    bool first = true;
    for (const taruk::Scenario &s : taruk::scenarioTable()) {
        out += first ? "\n" : ",\n";
        first = false;
        out += "{\"name\": " + quoted(s.name) +
               ", \"decimalSeparator\": " + quoted(std::string(1, s.decimalSeparator)) +
               ", \"shows\": " + object(s.shows) +
               ", \"beforeReady\": " + std::to_string(s.beforeReady) + ", \"steps\": [";
        for (std::size_t i = 0; i < s.steps.size(); ++i)
            out += (i ? ",\n  " : "\n  ") + step(s.steps[i]);
        out += "]}";
    }
    out += "]}\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}
