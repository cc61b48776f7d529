#include "ui/form/PhoneLayout.h"

#include "ui/form/FormLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using taruk::ControlSpec;
namespace L = taruk::FormLayout;
namespace P = taruk::PhoneLayout;

namespace {

using L::byName;

// The group boxes a row stands in, from the outermost.
std::vector<std::string> groupsOf(const P::Row &row)
{
    std::vector<std::string> chain;
    for (std::string_view g = row.group; !g.empty(); g = byName(g).container)
        chain.insert(chain.begin(), std::string(g));
    return chain;
}

// The rows each group box holds, by their index.
std::map<std::string, std::vector<std::size_t>> rowsOfGroups()
{
    std::map<std::string, std::vector<std::size_t>> rows;
    for (std::size_t i = 0; i < P::kRows.size(); ++i)
        for (const std::string &g : groupsOf(P::kRows[i]))
            rows[g].push_back(i);
    return rows;
}

} // namespace

TEST(PhoneLayout, PlacesEveryControlOnce)
{
    std::map<std::string, int> placed;
    for (const P::Row &row : P::kRows) {
        ASSERT_EQ(byName(row.group).kind, ControlSpec::Kind::GroupBox) << row.group;
        for (std::string_view name : row.controls)
            if (!name.empty())
                ++placed[std::string(byName(name).name)];
    }
    // A group box stands where its first row is.
    for (const auto &[group, rows] : rowsOfGroups())
        ++placed[group];
    for (const ControlSpec &c : L::kControls)
        EXPECT_EQ(placed[std::string(c.name)], 1) << c.name;
    EXPECT_EQ(placed.size(), L::kControls.size());
}

// A group box is drawn once: its rows follow each other.
TEST(PhoneLayout, EachGroupBoxHoldsOneRunOfRows)
{
    for (const auto &[group, rows] : rowsOfGroups())
        EXPECT_EQ(rows.back() - rows.front() + 1, rows.size()) << group;
}

// Keyboard order visits the rune and the fruit after the strong-Taruk total,
// whose group box stands with the window's: by then the counter grid and the
// flat bonuses are over, so the two stand there too, with their labels.
TEST(PhoneLayout, BoxesVisitedAfterTheirGroupStandInTheWindowsGroup)
{
    const std::map<std::string, std::string> expected = {
        {"Text10", "Frame2"}, {"Text7", "Frame3"},  {"Text21", "Frame3"},
        {"Text22", "Frame1"}, {"Text23", "Frame1"}, {"Text24", "Frame1"}};
    for (const P::Row &row : P::kRows) {
        if (expected.count(std::string(row.controls[1]))) {
            EXPECT_EQ(row.group, expected.at(std::string(row.controls[1]))) << row.controls[1];
        }
    }
}

// The two results and the two buttons, and nothing else, in one run of rows.
TEST(PhoneLayout, ResultsAndButtonsStandTogether)
{
    std::vector<std::size_t> rows;
    std::set<std::string> inside;
    for (std::size_t i = 0; i < P::kRows.size(); ++i) {
        if (!P::kRows[i].results)
            continue;
        rows.push_back(i);
        for (std::string_view name : P::kRows[i].controls)
            if (!name.empty() && byName(name).takesFocus())
                inside.emplace(name);
    }
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back() - rows.front() + 1, rows.size());
    // Text5 (frenzy) stands between Text6 and Command1 in keyboard order.
    EXPECT_EQ(inside, (std::set<std::string>{"Text4", "Command1", "Text5", "Text6", "Command2"}));
}
