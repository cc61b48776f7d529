#pragma once

#include <windows.h>

#include <string_view>

namespace taruk::win {

// MessageBoxW with the application's title as caption and its one button
// reading 确定 on a Windows in any language: a hook on this thread renames
// the OK button when the box is activated, after the system has filled in
// its own text. `style` adds an icon where one is wanted.
void showChineseMessageBox(HWND owner, std::string_view text, UINT style);

// The button's text.
inline constexpr const wchar_t *kOkText = L"确定";

} // namespace taruk::win
