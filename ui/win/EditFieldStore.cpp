#include "ui/win/EditFieldStore.h"

#include "ui/win/Utf16.h"

namespace taruk::win {

std::string EditFieldStore::getText(FieldId id) const
{
    return toUtf8(windowText(m_edits[fieldIndex(id)]));
}

void EditFieldStore::setText(FieldId id, std::string_view text)
{
    // WM_SETTEXT also puts the caret at the start and scrolls there, so a
    // written number is shown from its first digit.
    SetWindowTextW(m_edits[fieldIndex(id)], toUtf16(text).c_str());
}

} // namespace taruk::win
