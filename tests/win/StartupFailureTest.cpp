#include "tests/win/BoxWatcher.h"
#include "ui/win/Program.h"
#include "ui/win/WindowClass.h"

#include <gtest/gtest.h>

namespace {

// The class of the window about to be made. (Wine hands the hook an atom
// where the caller named the class.)
bool isClass(WPARAM window, const wchar_t *name)
{
    wchar_t kind[64] = {};
    GetClassNameW(reinterpret_cast<HWND>(window), kind, 64);
    return lstrcmpiW(kind, name) == 0;
}

// CBT hooks that refuse to make one kind of window, so that CreateWindowExW
// fails as it may when the system runs out of window handles or memory.
LRESULT CALLBACK refuseTheWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && isClass(wParam, taruk::win::kFormClassName))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
LRESULT CALLBACK refuseTextBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && isClass(wParam, L"Edit"))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK countFormWindows(HWND window, LPARAM count)
{
    wchar_t kind[64] = {};
    GetClassNameW(window, kind, 64);
    if (lstrcmpW(kind, taruk::win::kFormClassName) == 0)
        ++*reinterpret_cast<int *>(count);
    return TRUE;
}

} // namespace

// The program must not run on without its window, nor end without a word.
TEST(StartupFailureTest, ReportsAWindowItCannotMakeAndExitsWithStatus1)
{
    const struct {
        const char *name;
        HOOKPROC refuse;
    } rows[] = {{"the window", refuseTheWindow}, {"its text boxes", refuseTextBoxes}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        BoxWatcher watcher;
        HHOOK hook = SetWindowsHookExW(WH_CBT, row.refuse, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        const int status = taruk::win::runProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        UnhookWindowsHookEx(hook);

        EXPECT_EQ(status, 1);
        ASSERT_EQ(watcher.seen.size(), 1u);
        EXPECT_EQ(watcher.seen[0].text, L"无法创建计算器窗口，程序将退出。");
        EXPECT_EQ(watcher.seen[0].caption, L"Taruk杀伤计算器");
        EXPECT_EQ(watcher.seen[0].buttons, std::vector<std::wstring>{L"确定"});
        EXPECT_TRUE(watcher.seen[0].icon);
        int left = 0;
        EnumThreadWindows(GetCurrentThreadId(), countFormWindows, reinterpret_cast<LPARAM>(&left));
        EXPECT_EQ(left, 0) << "a half-made window is left behind";
    }
}
