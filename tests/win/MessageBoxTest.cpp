#include "core/Messages.h"
#include "ui/form/FormLayout.h"
#include "ui/win/CalculatorForm.h"
#include "ui/win/Utf16.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What one open message box showed, seen from a timer inside its own loop.
struct SeenBox {
    std::wstring caption;
    std::wstring text;
    int buttons = 0;
    bool icon = false;
    bool ownerEnabled = true;
};

struct Watch {
    HWND owner = nullptr;
    std::vector<SeenBox> seen;
};
constexpr const wchar_t *kWatchProperty = L"TarukTestWatch";

BOOL CALLBACK inspectChild(HWND child, LPARAM box)
{
    auto *seen = reinterpret_cast<SeenBox *>(box);
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (!(style & WS_VISIBLE))
        return TRUE;
    if (lstrcmpiW(kind, L"Button") == 0)
        ++seen->buttons;
    else if (lstrcmpiW(kind, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
        seen->icon = seen->icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    else if (lstrcmpiW(kind, L"Static") == 0 && seen->text.empty())
        seen->text = taruk::win::windowText(child);
    return TRUE;
}

BOOL CALLBACK findBox(HWND window, LPARAM found)
{
    wchar_t kind[32] = {};
    GetClassNameW(window, kind, 32);
    if (lstrcmpW(kind, L"#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK closeOpenBox(HWND owner, UINT, UINT_PTR, DWORD)
{
    auto *watch = static_cast<Watch *>(GetPropW(owner, kWatchProperty));
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    SeenBox seen;
    seen.caption = taruk::win::windowText(box);
    EnumChildWindows(box, inspectChild, reinterpret_cast<LPARAM>(&seen));
    seen.ownerEnabled = IsWindowEnabled(watch->owner) != FALSE;
    EXPECT_EQ(GetWindow(box, GW_OWNER), watch->owner);
    watch->seen.push_back(seen);
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

} // namespace

// The real notice: emptying Text2 opens two MessageBoxW in turn, each closed
// by a timer that fires inside the box's own message loop.
TEST(MessageBoxTest, NoticesAreModalBoxesWithOkOnlyAndNoIcon)
{
    taruk::win::CalculatorForm form(GetModuleHandleW(nullptr));
    form.show(SW_SHOWNORMAL);
    Watch watch;
    watch.owner = form.window();
    SetPropW(form.window(), kWatchProperty, &watch);
    SetTimer(form.window(), 1, 50, closeOpenBox);

    SetWindowTextW(form.textBox(taruk::FieldId::Text2), L"");

    KillTimer(form.window(), 1);
    RemovePropW(form.window(), kWatchProperty);
    const std::wstring caption = taruk::win::toUtf16(taruk::FormLayout::kApplicationTitle);
    const std::wstring texts[] = {taruk::win::toUtf16(taruk::Messages::kCorrectionRange),
                                  taruk::win::toUtf16(taruk::Messages::kEnterCorrection)};
    ASSERT_EQ(watch.seen.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(watch.seen[i].caption, caption);
        EXPECT_EQ(watch.seen[i].text, texts[i]);
        EXPECT_EQ(watch.seen[i].buttons, 1);
        EXPECT_FALSE(watch.seen[i].icon);
        EXPECT_FALSE(watch.seen[i].ownerEnabled) << "the window took input during the notice";
    }
    EXPECT_TRUE(IsWindowEnabled(form.window()));
}
