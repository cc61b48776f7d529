#include "core/Fields.h"

namespace taruk {

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
