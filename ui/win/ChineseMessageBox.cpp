#include "ui/win/ChineseMessageBox.h"

#include "ui/form/FormLayout.h"
#include "ui/win/Utf16.h"

namespace taruk::win {

namespace {

LRESULT CALLBACK renameOk(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        wchar_t kind[16] = {};
        GetClassNameW(box, kind, 16);
        if (lstrcmpW(kind, L"#32770") == 0)
            SetDlgItemTextW(box, IDOK, kOkText);
    }
    // The hook handle is not needed: CallNextHookEx ignores it.
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void showChineseMessageBox(HWND owner, std::string_view text, UINT style)
{
    const std::wstring caption = toUtf16(FormLayout::kApplicationTitle);
    HHOOK hook = SetWindowsHookExW(WH_CBT, renameOk, nullptr, GetCurrentThreadId());
    MessageBoxW(owner, toUtf16(text).c_str(), caption.c_str(), MB_OK | style);
    if (hook)
        UnhookWindowsHookEx(hook);
}

} // namespace taruk::win
