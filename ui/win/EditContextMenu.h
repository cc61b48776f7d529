#pragma once

#include <windows.h>

namespace taruk::win {

// The text boxes' own context menu, in Chinese on a Windows in any language:
// 撤消, 剪切, 复制, 粘贴, 删除 and 全选, enabled as Windows enables the items
// of an edit's menu. The caller destroys the menu.
HMENU createEditMenu(HWND edit);

// Shows the menu for WM_CONTEXTMENU and carries out the chosen item. At the
// mouse, or, for Shift+F10 and the menu key (position -1), at the caret.
void showEditMenu(HWND edit, LPARAM position);

} // namespace taruk::win
