// The Windows program: one window, its message loop, and nothing else. It
// reads no command line, file or registry value of its own.
#include "ui/win/Program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    return taruk::win::runProgram(instance, showCommand);
}
