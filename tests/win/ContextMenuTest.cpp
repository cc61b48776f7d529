#include "tests/win/Clipboard.h"
#include "tests/win/WinFormFixture.h"
#include "ui/win/EditContextMenu.h"

#include <vector>

using taruk::FieldId;

namespace {

// Each item's text ("" for a separator) and whether it can be chosen.
struct Item {
    std::wstring text;
    bool enabled;
    friend bool operator==(const Item &, const Item &) = default;
};
void PrintTo(const Item &item, std::ostream *os)
{
    *os << taruk::win::toUtf8(item.text) << (item.enabled ? "" : " (grey)");
}

std::vector<Item> itemsOf(HMENU menu)
{
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        items.push_back({text, !(state & (MF_GRAYED | MF_DISABLED))});
    }
    return items;
}

// The menu of the edit, with the states Windows gives its own edit menu:
// undo, cut, copy, paste, delete, select all.
std::vector<Item> expectedMenu(std::array<bool, 6> on)
{
    return {{L"撤消(&U)", on[0]}, {L"", false},         {L"剪切(&T)", on[1]}, {L"复制(&C)", on[2]},
            {L"粘贴(&P)", on[3]}, {L"删除(&D)", on[4]}, {L"", false},         {L"全选(&A)", on[5]}};
}

class ContextMenuTest : public WinFormFixture {
public:
    HWND select(FieldId id, int start, int end)
    {
        SendMessageW(box(id), EM_SETSEL, static_cast<WPARAM>(start), end);
        return box(id);
    }
};

struct StateRow {
    const char *name;
    HWND (*setUp)(ContextMenuTest &);
    std::array<bool, 6> enabled;
};

// Run also under English and C locales, where the system's own edit menu
// would be in English.
TEST_F(ContextMenuTest, ItemsAreChineseWithTheStatesWindowsGives)
{
    const StateRow rows[] = {
        {"a box as opened, the clipboard empty",
         [](ContextMenuTest &t) {
             emptyClipboard();
             return t.select(FieldId::Text1, 0, 0);
         },
         {false, false, false, false, false, true}},
        {"its whole text selected, text on the clipboard",
         [](ContextMenuTest &t) {
             setClipboard(L"12");
             return t.select(FieldId::Text7, 0, -1);
         },
         {false, true, true, true, true, false}},
        {"after typing",
         [](ContextMenuTest &t) {
             setClipboard(L"12");
             t.select(FieldId::Text5, 1, 1);
             SendMessageW(t.box(FieldId::Text5), WM_CHAR, L'7', 1);
             return t.box(FieldId::Text5);
         },
         {true, false, false, true, false, true}},
        {"a read-only result, part selected",
         [](ContextMenuTest &t) {
             setClipboard(L"12");
             t.click("Command1"); // Text6: 1.5
             return t.select(FieldId::Text6, 0, 1);
         },
         {false, false, true, false, false, true}},
        {"a box the user emptied: only undo",
         [](ContextMenuTest &t) {
             emptyClipboard();
             t.fill(FieldId::Text9, "");
             return t.box(FieldId::Text9);
         },
         {true, false, false, false, false, false}},
    };
    for (const StateRow &row : rows) {
        SCOPED_TRACE(row.name);
        open('.');
        HWND edit = row.setUp(*this);
        HMENU menu = taruk::win::createEditMenu(edit);
        EXPECT_EQ(itemsOf(menu), expectedMenu(row.enabled));
        DestroyMenu(menu);
    }
}

// Reads the open menu and closes it, from a timer inside the menu's loop.
struct MenuWatch {
    std::vector<Item> items;
    RECT at = {};
};

void CALLBACK readAndCloseMenu(HWND timerWindow, UINT, UINT_PTR, DWORD)
{
    auto *watch = reinterpret_cast<MenuWatch *>(GetWindowLongPtrW(timerWindow, GWLP_USERDATA));
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup))
        return;
    watch->items = itemsOf(reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)));
    GetWindowRect(popup, &watch->at);
    EndMenu();
}

// The menu opens from the mouse and from the keyboard (Shift+F10, the menu
// key), where
// the user is: at the pointer, or under the box.
TEST_F(ContextMenuTest, OpensWhereTheUserAsks)
{
    const struct {
        const char *name;
        void (*open)(ContextMenuTest &);
    } rows[] = {
        {"right click",
         [](ContextMenuTest &t) {
             t.user.click(t.box(FieldId::Text2), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
         }},
        {"Shift+F10",
         [](ContextMenuTest &t) {
             t.user.click(t.box(FieldId::Text2));
             t.user.key("Shift+F10");
         }},
        {"the menu key",
         [](ContextMenuTest &t) {
             t.user.click(t.box(FieldId::Text2));
             t.user.key("Menu");
         }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        open('.');
        emptyClipboard();
        MenuWatch watch;
        HWND timerWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(timerWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&watch));
        SetTimer(timerWindow, 1, 50, readAndCloseMenu);
        row.open(*this);
        DestroyWindow(timerWindow);

        // "1" and nothing selected: only 全选.
        EXPECT_EQ(watch.items, expectedMenu({false, false, false, false, false, true}));
        RECT edit;
        GetWindowRect(box(FieldId::Text2), &edit);
        EXPECT_GE(watch.at.left, edit.left);
        EXPECT_LE(watch.at.left, edit.right);
        EXPECT_GE(watch.at.top, edit.top);
        EXPECT_LE(watch.at.top, edit.bottom);
        EXPECT_EQ(nameOf(GetFocus()), "Text2");
    }
}

} // namespace
