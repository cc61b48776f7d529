// The Windows program: one window, its message loop, and nothing else. It
// reads no command line, file or registry value of its own.
#include "ui/win/Program.h"

// The parameters named as <winbase.h> declares them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nShowCmd)
{
    return taruk::win::runProgram(hInstance, nShowCmd);
}
