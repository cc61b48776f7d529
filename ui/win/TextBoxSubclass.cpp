#include "ui/win/TextBoxSubclass.h"

#include "ui/win/EditContextMenu.h"
#include "ui/win/Utf16.h"

#include <commctrl.h>

namespace taruk::win {

void TextBoxSubclass::attach(HWND edit, FieldId id)
{
    SetWindowSubclass(edit, procedure, fieldIndex(id), reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TextBoxSubclass::procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR field, DWORD_PTR self)
{
    EventRouter &router = reinterpret_cast<TextBoxSubclass *>(self)->m_router;
    const auto id = static_cast<FieldId>(field);
    switch (message) {
    case WM_IME_STARTCOMPOSITION:
        // An input method may show its composition inside the edit, which
        // changes the text (and raises EN_CHANGE) before anything is typed
        // for good.
        router.compositionStarted(id);
        break;
    case WM_IME_ENDCOMPOSITION: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        router.compositionEnded(id, toUtf8(windowText(edit)));
        return result;
    }
    case WM_CONTEXTMENU:
        showEditMenu(edit, lParam);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, procedure, field);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace taruk::win
