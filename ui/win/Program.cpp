#include "ui/win/Program.h"

#include "ui/win/CalculatorForm.h"
#include "ui/win/ChineseMessageBox.h"

#include <commctrl.h>

namespace taruk::win {

int runProgram(HINSTANCE instance, int showCommand)
{
    // Visual styles for the controls: comctl32 version 6, which the manifest asks for.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    CalculatorForm form(instance);
    if (!form.created()) {
        showChineseMessageBox(nullptr, kCannotOpenWindow, MB_ICONERROR);
        return 1;
    }
    form.show(showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!form.preTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace taruk::win
