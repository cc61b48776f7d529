#pragma once

#include <windows.h>

namespace taruk::win {

// The calculator window's class: its icon, arrow cursor, dialog-coloured
// background and window procedure.
inline constexpr const wchar_t *kFormClassName = L"TarukCalculatorForm";

// Registers the class once per process; true when it is registered.
bool registerFormClass(HINSTANCE instance, WNDPROC windowProc);

} // namespace taruk::win
