#include "core/Messages.h"
#include "tests/win/WinFormFixture.h"
#include "ui/win/Dpi.h"

#include <vector>

using taruk::FieldId;
namespace Messages = taruk::Messages;
using Notices = std::vector<std::string>;

namespace {

std::wstring className(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// The characters of text that the control's font has no glyph for.
std::wstring missingGlyphs(HWND control, const std::wstring &text)
{
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    std::wstring missing;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (glyphs[i] == 0xFFFF)
            missing += text[i];
    return missing;
}

void setClipboard(const std::wstring &text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

} // namespace

class CalculatorFormTest : public WinFormFixture {};

// The system's own controls, so that screen readers, themes and input
// methods treat them as they treat every other program's.
TEST_F(CalculatorFormTest, ControlsAreTheSystemsOwn)
{
    EXPECT_EQ(taruk::win::windowText(form->window()), L"Orvel版计算器");
    using Kind = taruk::ControlSpec::Kind;
    for (const auto &spec : taruk::FormLayout::kControls) {
        SCOPED_TRACE(std::string(spec.name));
        HWND c = control(spec.name);
        const LONG style = GetWindowLongW(c, GWL_STYLE);
        const std::wstring expected = spec.kind == Kind::TextBox ? L"Edit"
                                      : spec.kind == Kind::Label ? L"Static"
                                                                 : L"Button";
        EXPECT_EQ(className(c), expected);
        if (spec.kind == Kind::TextBox) {
            EXPECT_FALSE(style & ES_MULTILINE);
        } else if (spec.kind == Kind::Button) {
            EXPECT_EQ(style & 0xF, BS_PUSHBUTTON) << "no default button";
        }
    }
}

// Expected pixels at 96 dpi worked out by hand: twips / 15, with the
// group boxes' offsets added (Frame2 at 480,1080; Frame3 at 480,2280).
struct GeometryRow {
    const char *name;
    RECT expected; // left, top, right, bottom
    bool mayGrow;  // labels and edits grow to fit the font, never shrink
};

TEST_F(CalculatorFormTest, GeometryFromTwipsAt96Dpi)
{
    ASSERT_EQ(taruk::win::windowDpi(form->window()), 96u) << "the test prefix runs at 96 dpi";
    RECT client;
    GetClientRect(form->window(), &client);
    EXPECT_EQ(client.right, 386);  // 5790 / 15
    EXPECT_EQ(client.bottom, 496); // 7440 / 15
    EXPECT_FALSE(GetWindowLongW(form->window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));

    const GeometryRow rows[] = {
        {"Frame1", {0, 0, 385, 489}, false},
        {"Frame3", {32, 152, 32 + 321, 152 + 145}, false},
        {"Text1", {32, 40, 32 + 57, 40 + 26}, true},
        {"Text24", {304, 112, 304 + 41, 112 + 25}, true}, // Frame2 + (4080, 600)
        {"Text23", {128, 272, 128 + 73, 272 + 18}, true}, // Frame3 + (1440, 1800)
        {"Label24", {48, 272, 48 + 73, 272 + 17}, true},  // Frame3 + (240, 1800)
        {"Command2", {184, 384, 184 + 105, 384 + 41}, false},
    };
    for (const GeometryRow &row : rows) {
        SCOPED_TRACE(row.name);
        RECT r;
        GetWindowRect(control(row.name), &r);
        MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ(r.left, row.expected.left);
        EXPECT_EQ(r.top, row.expected.top);
        if (row.mayGrow) {
            EXPECT_GE(r.right, row.expected.right);
            EXPECT_GE(r.bottom, row.expected.bottom);
        } else {
            EXPECT_EQ(r.right, row.expected.right);
            EXPECT_EQ(r.bottom, row.expected.bottom);
        }
    }
}

// Moved to a monitor at 144 dpi: 5790 x 7440 twips are 579 x 744 pixels,
// Text1 sits at (480, 600) / 10, 12 pt is 24 pixels and 9 pt 18.
TEST_F(CalculatorFormTest, LaysItselfOutAgainAtANewDpi)
{
    RECT suggested = {10, 10, 700, 900};
    SendMessageW(form->window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT client;
    GetClientRect(form->window(), &client);
    EXPECT_EQ(client.right, 579);
    EXPECT_EQ(client.bottom, 744);
    RECT r;
    GetWindowRect(box(FieldId::Text1), &r);
    MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT *>(&r), 2);
    EXPECT_EQ(r.left, 48);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 85); // 855 / 10, rounded down
    EXPECT_EQ(fontOf(box(FieldId::Text4)).lfHeight, -24);
    EXPECT_EQ(fontOf(box(FieldId::Text1)).lfHeight, -18); // 9 pt
}

// A screen reader names an edit after the static just before it. Finding
// the boxes through their labels also catches two fields swapped in the
// table: the frenzy box must feed Text6, a counter box Text3.
TEST_F(CalculatorFormTest, EachBoxFollowsItsLabel)
{
    const std::pair<const wchar_t *, FieldId> rows[] = {
        {L"原始杀伤", FieldId::Text1},    {L"强Taruk杀伤", FieldId::Text22},
        {L"狂暴程度", FieldId::Text5},    {L"正常最终杀伤", FieldId::Text4},
        {L"果子减抗", FieldId::Text24},   {L"衣服", FieldId::Text7},
        {L"符文强力克", FieldId::Text23},
    };
    for (const auto &[label, id] : rows) {
        SCOPED_TRACE(std::string(taruk::fieldName(id)));
        HWND before = GetWindow(box(id), GW_HWNDPREV);
        EXPECT_EQ(taruk::win::windowText(before), label);
    }
    auto boxAfter = [this](std::string_view label) {
        return GetWindow(control(label), GW_HWNDNEXT);
    };
    SetWindowTextW(boxAfter("Label5"), L"20");  // 狂暴程度
    SetWindowTextW(boxAfter("Label24"), L"40"); // 符文强力克
    click("Command1");
    EXPECT_EQ(text(FieldId::Text3), "40");
    EXPECT_EQ(text(FieldId::Text4), "1.4");
    EXPECT_EQ(text(FieldId::Text6), "2.52"); // 1.4 * 1.2 * 1.5
}

TEST_F(CalculatorFormTest, FontsAreYaHeiAndSongWhereInstalled)
{
    for (const char *name : {"Text4", "Text6"}) {
        SCOPED_TRACE(name);
        const LOGFONTW font = fontOf(control(name));
        EXPECT_STREQ(font.lfFaceName, L"宋体");
        EXPECT_EQ(font.lfHeight, -16); // 12 pt at 96 dpi
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    }
    EXPECT_STREQ(fontOf(control("Label1")).lfFaceName, L"Microsoft YaHei UI");
}

// Run also in a Wine prefix where the CJK fonts go by their own names only
// (no YaHei, no 宋体): the window must find them itself.
TEST_F(CalculatorFormTest, EveryControlDrawsEveryCharacterOfItsText)
{
    for (const auto &spec : taruk::FormLayout::kControls) {
        SCOPED_TRACE(std::string(spec.name));
        HWND c = control(spec.name);
        const std::wstring shown = spec.name == "Text4" || spec.name == "Text6"
                                       ? L"杀伤0123456789.,"
                                       : taruk::win::windowText(c);
        EXPECT_EQ(missingGlyphs(c, shown), L"") << "drawn in " << fontOf(c).lfFaceName;
    }
}

TEST_F(CalculatorFormTest, ResultBoxesPaintInTheirColours)
{
    const std::pair<const char *, COLORREF> rows[] = {{"Text4", RGB(192, 0, 0)},
                                                      {"Text6", RGB(0, 0, 128)}};
    for (const auto &[name, colour] : rows) {
        SCOPED_TRACE(name);
        HWND c = control(name);
        HDC dc = GetDC(c);
        SendMessageW(form->window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(c));
        EXPECT_EQ(GetTextColor(dc), colour);
        ReleaseDC(c, dc);
    }
}

// A high-contrast scheme turned on or off changes the results' colours:
// they must be drawn again.
TEST_F(CalculatorFormTest, ResultsRepaintWhenTheColourSchemeChanges)
{
    for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
        SCOPED_TRACE(message);
        for (const char *name : {"Text4", "Text6"})
            ValidateRect(control(name), nullptr);
        SendMessageW(form->window(), message, 0, 0);
        for (const char *name : {"Text4", "Text6"})
            EXPECT_TRUE(GetUpdateRect(control(name), nullptr, FALSE)) << name;
    }
}

TEST_F(CalculatorFormTest, ResultsShowTheirFirstDigit)
{
    fill(FieldId::Text1, "5333");
    fill(FieldId::Text2, "1.15");
    fill(FieldId::Text7, "37");
    fill(FieldId::Text5, "33");
    click("Command1");
    ASSERT_EQ(text(FieldId::Text6), "16762.2722925");
    // Scroll both results to their ends, as a user reading them may have.
    for (FieldId id : {FieldId::Text4, FieldId::Text6}) {
        SendMessageW(box(id), EM_SETSEL, 100, 100);
        SendMessageW(box(id), EM_SCROLLCARET, 0, 0);
    }
    ASSERT_GT(SendMessageW(box(FieldId::Text6), EM_GETFIRSTVISIBLELINE, 0, 0), 0)
        << "the box is too wide for this test to mean anything";
    click("Command1");
    for (FieldId id : {FieldId::Text3, FieldId::Text22, FieldId::Text4, FieldId::Text6}) {
        // For a single-line edit: the first character that is visible.
        EXPECT_EQ(SendMessageW(box(id), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << taruk::fieldName(id);
    }
}

// The default limit of an edit is 32767 characters; a longer paste must not
// be cut short behind the user's back.
TEST_F(CalculatorFormTest, PasteLongerThanTheDefaultLimitIsKeptWhole)
{
    const std::wstring pasted(40000, L'7');
    setClipboard(pasted);
    SendMessageW(box(FieldId::Text5), EM_SETSEL, 0, -1);
    SendMessageW(box(FieldId::Text5), WM_PASTE, 0, 0);
    EXPECT_EQ(GetWindowTextLengthW(box(FieldId::Text5)), 40000);
}

// WM_COMMAND carries an id and a sender anyone can post: neither may make the
// window read past its control table or act for a control it does not own.
TEST_F(CalculatorFormTest, CommandsFromUnknownControlsDoNothing)
{
    HWND stranger = CreateWindowExW(0, L"BUTTON", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    const struct {
        const char *name;
        int id;
        int code;
        HWND sender;
    } rows[] = {
        {"the id just past the table", 100 + 57, BN_CLICKED, control("Command1")},
        {"Command1's id from another window", GetDlgCtrlID(control("Command1")), BN_CLICKED,
         stranger},
        {"Text2's id from another control", GetDlgCtrlID(box(FieldId::Text2)), EN_CHANGE,
         box(FieldId::Text5)},
    };
    fill(FieldId::Text2, "9"); // out of range, were it checked
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SendMessageW(form->window(), WM_COMMAND, MAKEWPARAM(row.id, row.code),
                     reinterpret_cast<LPARAM>(row.sender));
        EXPECT_EQ(text(FieldId::Text4), "") << "a calculation ran";
        EXPECT_TRUE(notifier.messages.empty());
    }
    DestroyWindow(stranger);
}

// Enter on a focused button is the key path's (a held key presses once);
// IDOK, which IsDialogMessage sends for Enter where it finds no default
// button, presses nothing, whatever has the focus: else Windows would press
// the button a second time.
TEST_F(CalculatorFormTest, OkCommandPressesNothing)
{
    for (const char *focus : {"Command1", "Command2", "Text1"}) {
        SCOPED_TRACE(focus);
        fill(FieldId::Text1, "5");
        SetWindowTextW(box(FieldId::Text4), L"");
        SetFocus(control(focus));
        SendMessageW(form->window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_EQ(text(FieldId::Text1), "5");
        EXPECT_EQ(text(FieldId::Text4), "");
        EXPECT_TRUE(notifier.messages.empty());
    }
}

namespace {

// The mouse button down on Command2 and up again, as a tool sends it to a
// window a modal box has disabled.
void mouseDownOnReset(WinFormFixture &f)
{
    SendMessageW(f.control("Command2"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
}
void mouseUpOnReset(WinFormFixture &f)
{
    SendMessageW(f.control("Command2"), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}
void nothing(WinFormFixture &) {}

} // namespace

// The buttons report where a press begins (the mouse button goes down), so
// that a press begun while a notice is open stays dropped when it completes
// after it; the same press with no notice open resets, so the first row is no
// press lost on the way.
TEST_F(CalculatorFormTest, PressesAreReportedInTwoPhases)
{
    using Action = void (*)(WinFormFixture &);
    struct Row {
        const char *name;
        Action raiseNotice;
        Action after;
        std::string text1;
        Notices notices;
    };
    const Row rows[] = {
        {"begun inside the correction notice, completed after it",
         [](WinFormFixture &f) { f.type(FieldId::Text2, ""); },
         mouseUpOnReset,
         "5",
         {std::string(Messages::kCorrectionRange), std::string(Messages::kEnterCorrection)}},
        {"the same press with no notice open",
         nothing,
         [](WinFormFixture &f) {
             mouseDownOnReset(f);
             mouseUpOnReset(f);
         },
         "1",
         {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        open('.');
        fill(FieldId::Text1, "5");
        notifier.whileOpen = [this] { mouseDownOnReset(*this); };
        row.raiseNotice(*this);
        notifier.whileOpen = nullptr;
        row.after(*this);
        EXPECT_EQ(text(FieldId::Text1), row.text1);
        EXPECT_EQ(notifier.messages, row.notices);
    }
}

// An input method's composition is reported as it starts and as it ends:
// what it shows meanwhile is not checked, what it commits is, and every
// change after it again.
TEST_F(CalculatorFormTest, CompositionsAreReportedAsTheyStartAndEnd)
{
    HWND edit = box(FieldId::Text2);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_IME_STARTCOMPOSITION, 0, 0);
    for (const char *shown : {"", "1", "1.5"})
        type(FieldId::Text2, shown);
    EXPECT_TRUE(notifier.messages.empty()) << "a check ran on transient text";
    SendMessageW(edit, WM_IME_ENDCOMPOSITION, 0, 0);
    EXPECT_EQ(notifier.messages, Notices{std::string(Messages::kCorrectionRange)});
    notifier.messages.clear();
    type(FieldId::Text2, "2");
    EXPECT_EQ(notifier.messages, Notices{std::string(Messages::kCorrectionRange)});
}

TEST_F(CalculatorFormTest, ClosingTheWindowEndsTheProgram)
{
    fill(FieldId::Text1, "5000");
    SendMessageW(form->window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form->window(), nullptr);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(notifier.messages.empty()) << "no question on closing";
}
