#pragma once

#include <windows.h>

namespace taruk::win {

// The program: opens the window and runs its message loop until the window
// closes; returns the exit status. When the window cannot be made it says
// so in a Chinese message box and returns 1.
int runProgram(HINSTANCE instance, int showCommand);

// What that message box says.
inline constexpr const char *kCannotOpenWindow = "无法创建计算器窗口，程序将退出。";

} // namespace taruk::win
