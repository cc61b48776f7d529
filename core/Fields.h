#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace taruk {

// The 24 entry fields, named after the text boxes that show them. The
// numbers follow the order in which the boxes were made, not the layout.
// clang-format off
enum class FieldId {
    Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8,
    Text9, Text10, Text11, Text12, Text13, Text14, Text15, Text16,
    Text17, Text18, Text19, Text20, Text21, Text22, Text23, Text24,
};
// clang-format on

inline constexpr std::size_t kFieldCount = 24;

constexpr std::size_t fieldIndex(FieldId id) { return static_cast<std::size_t>(id); }

// Every field in numbering order, for code that visits all of them.
inline constexpr std::array<FieldId, kFieldCount> kAllFields = [] {
    std::array<FieldId, kFieldCount> ids{};
    for (std::size_t i = 0; i < kFieldCount; ++i)
        ids[i] = static_cast<FieldId>(i);
    return ids;
}();

// "Text1" … "Text24": also the name of the field's text box.
inline constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
    "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
    "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23", "Text24",
};
constexpr std::string_view fieldName(FieldId id) { return kFieldNames[fieldIndex(id)]; }

// The field whose box has that name; none for any other name, since a page or
// a test names boxes by text.
constexpr std::optional<FieldId> fieldNamed(std::string_view name)
{
    for (FieldId id : kAllFields)
        if (fieldName(id) == name)
            return id;
    return std::nullopt;
}

// The text a field holds when the program starts and after a reset.
std::string_view startupText(FieldId id);

// Output fields are written only by the calculation and the reset.
bool isOutputField(FieldId id);

} // namespace taruk
