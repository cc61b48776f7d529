#include "ui/win/EditContextMenu.h"

#include <windowsx.h>

#include <algorithm>

namespace taruk::win {

namespace {

// Each item's command is the message it sends to the edit, as in the
// system's own edit menu; 全选 sends EM_SETSEL over the whole text.
struct Item {
    const wchar_t *text; // null: a separator
    UINT command;
};
constexpr Item kItems[] = {
    {L"撤消(&U)", WM_UNDO},
    {nullptr, 0},
    {L"剪切(&T)", WM_CUT},
    {L"复制(&C)", WM_COPY},
    {L"粘贴(&P)", WM_PASTE},
    {L"删除(&D)", WM_CLEAR},
    {nullptr, 0},
    {L"全选(&A)", EM_SETSEL},
};

bool enabled(HWND edit, UINT command)
{
    const bool editable = !(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selection = start != end;
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    switch (command) {
    case WM_UNDO:
        return editable && SendMessageW(edit, EM_CANUNDO, 0, 0);
    case WM_CUT:
    case WM_CLEAR:
        return editable && selection;
    case WM_COPY:
        return selection;
    case WM_PASTE:
        return editable && IsClipboardFormatAvailable(CF_UNICODETEXT);
    default: // select all
        return length > 0 && (start != 0 || end != length);
    }
}

// Where the keyboard opens the menu: below the caret, inside the box.
POINT keyboardPosition(HWND edit)
{
    RECT client;
    GetClientRect(edit, &client);
    POINT at = {(client.right - client.left) / 2, client.bottom};
    POINT caret;
    if (GetFocus() == edit && GetCaretPos(&caret))
        at.x = std::clamp(caret.x, client.left, client.right);
    ClientToScreen(edit, &at);
    return at;
}

} // namespace

HMENU createEditMenu(HWND edit)
{
    HMENU menu = CreatePopupMenu();
    for (const Item &item : kItems) {
        if (!item.text)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING | (enabled(edit, item.command) ? MF_ENABLED : MF_GRAYED),
                        item.command, item.text);
    }
    return menu;
}

void showEditMenu(HWND edit, LPARAM position)
{
    if (GetFocus() != edit)
        SetFocus(edit);
    POINT at = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (at.x == -1 && at.y == -1)
        at = keyboardPosition(edit);
    HMENU menu = createEditMenu(edit);
    const auto command = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x,
        at.y, 0, edit, nullptr));
    DestroyMenu(menu);
    if (command == EM_SETSEL)
        SendMessageW(edit, EM_SETSEL, 0, -1);
    else if (command != 0)
        SendMessageW(edit, command, 0, 0);
}

} // namespace taruk::win
