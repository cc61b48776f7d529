#include "ui/win/EditFieldStore.h"

#include "ui/win/Utf16.h"

namespace taruk::win {

std::string EditFieldStore::getText(FieldId id) const
{
    return toUtf8(windowText(m_edits[fieldIndex(id)]));
}

void EditFieldStore::setText(FieldId id, std::string_view text)
{
    HWND edit = m_edits[fieldIndex(id)];
    SetWindowTextW(edit, toUtf16(text).c_str());
    // A written number is read from its first digit: put the caret at the
    // start and scroll there, whatever the box showed before.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

} // namespace taruk::win
