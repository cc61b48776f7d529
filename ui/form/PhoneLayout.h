#pragma once

#include "ui/form/FormLayout.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The same window arranged for a narrow screen: one column of rows, read top
// to bottom in keyboard order (FormLayout's kFocusOrder), each box after its
// label, then the notes at the foot. The controls keep their names, captions
// and group boxes; only their places change, so a front end lays them out
// from these rows and builds them from FormLayout's table. Worked out here
// from the table, so a change of the keyboard order or of a group moves the
// rows with it.
namespace taruk::PhoneLayout {

struct Row {
    // The group box the row stands in.
    std::string_view group;
    // Left to right; a label comes before its box. The second may be empty.
    std::array<std::string_view, 2> controls;
    // The rows from the first result box or button to the last, which stay
    // on screen together after a calculation.
    bool results = false;
};

namespace detail {

using FormLayout::byName;
using FormLayout::indexOf;
using FormLayout::kControls;
using Kind = ControlSpec::Kind;

constexpr std::string_view labelOf(FieldId field)
{
    for (const ControlSpec &c : kControls)
        if (c.kind == Kind::Label && c.field == field)
            return c.name;
    throw std::invalid_argument("a box without a label");
}

constexpr bool within(std::string_view group, std::string_view outer)
{
    for (std::string_view g = group; !g.empty(); g = byName(g).container)
        if (g == outer)
            return true;
    return false;
}

struct Rows {
    std::array<Row, kControls.size()> rows{};
    std::size_t count = 0;
};

constexpr Rows arrange()
{
    Rows out;
    // A group box is drawn once: once its rows are left, a control of it
    // that comes later in keyboard order stands in the group box around it.
    std::array<bool, kControls.size()> leftBehind{};
    std::string_view current;
    const auto add = [&](std::string_view group, std::string_view first, std::string_view second) {
        while (leftBehind[indexOf(group)])
            group = byName(group).container;
        for (std::string_view g = current; !g.empty() && !within(group, g); g = byName(g).container)
            leftBehind[indexOf(g)] = true;
        current = group;
        out.rows[out.count++] = {group, {first, second}};
    };
    // The rows from the first result box or button to the last stand together.
    std::size_t firstResult = kControls.size();
    std::size_t lastResult = 0;
    for (std::size_t index : FormLayout::kFocusOrder) {
        const ControlSpec &c = kControls[index];
        if (c.kind == Kind::TextBox)
            add(c.container, labelOf(*c.field), c.name);
        else
            add(c.container, c.name, "");
        if (c.kind == Kind::Button || FormLayout::isResultBox(*c.field)) {
            firstResult = std::min(firstResult, out.count - 1);
            lastResult = out.count - 1;
        }
    }
    for (std::size_t i = firstResult; i <= lastResult; ++i)
        out.rows[i].results = true;
    // The notes, in the table's order; a note that starts where the one
    // before it ends, on the same line, shares its row ("PS:" and the first
    // range).
    std::optional<ControlSpec> previous;
    for (const ControlSpec &c : kControls) {
        if (c.kind != Kind::Label || c.field)
            continue;
        if (previous && previous->container == c.container && previous->top == c.top &&
            previous->left + previous->width >= c.left)
            out.rows[out.count - 1].controls[1] = c.name;
        else
            add(c.container, c.name, "");
        previous = c;
    }
    return out;
}

} // namespace detail

inline constexpr std::size_t kRowCount = detail::arrange().count;

inline constexpr std::array<Row, kRowCount> kRows = [] {
    const detail::Rows all = detail::arrange();
    std::array<Row, kRowCount> rows{};
    std::copy_n(all.rows.begin(), kRowCount, rows.begin());
    return rows;
}();

} // namespace taruk::PhoneLayout
