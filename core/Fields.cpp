#include "core/Fields.h"

namespace taruk {

namespace {
constexpr std::array<std::string_view, kFieldCount> kNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
    "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
    "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23", "Text24",
};
} // namespace

std::string_view fieldName(FieldId id) { return kNames[fieldIndex(id)]; }

std::string_view startupText(FieldId id)
{
    switch (id) {
    case FieldId::Text1:
    case FieldId::Text2:
        return "1";
    case FieldId::Text4:
    case FieldId::Text6:
        return "";
    default:
        return "0";
    }
}

bool isOutputField(FieldId id)
{
    return id == FieldId::Text3 || id == FieldId::Text4 || id == FieldId::Text6 ||
           id == FieldId::Text22;
}

} // namespace taruk
