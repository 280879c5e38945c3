// The single-line edit control driven by clicks and keys: typing with EN_UPDATE/EN_CHANGE,
// Backspace and Delete, selection by Shift+arrows, Home/End, the mouse and EM_SETSEL, the text
// limit, the clipboard keys, undo, horizontal scrolling that keeps the caret in view, read-only
// fields, and the look (sunken edge, caret, selection).
#include "controls_test_support.h"
#include "support/reference_picture.h"

using namespace controls_test;

namespace {

constexpr int kId = 5004;

class Edits : public ControlTest {
protected:
    HWND Field(DWORD style = ES_AUTOHSCROLL | WS_BORDER, int cx = 80) {
        HWND h = Make("EDIT", "", style | WS_TABSTOP, kId, 20, 20, cx, 22);
        Pump();
        return h;
    }
    static std::string Text(HWND h) {
        char buf[256];
        GetWindowText(h, buf, sizeof buf);
        return buf;
    }
    static std::pair<int, int> Sel(HWND h) {
        DWORD a = 0, b = 0;
        const LRESULT r = SendMessage(h, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        EXPECT_EQ(LOWORD(static_cast<UINT_PTR>(r)), a);
        EXPECT_EQ(HIWORD(static_cast<UINT_PTR>(r)), b);
        return {static_cast<int>(a), static_cast<int>(b)};
    }
    static void Type(const char* s) {
        synthetic::TypeText(s);
        PumpMessages();
    }
};

using Pair = std::pair<int, int>;

TEST_F(Edits, TypingIntoAClickedFieldChangesTheTextAndTellsEachChange) {
    HWND e = Field();
    EXPECT_EQ(SendMessage(e, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS));
    synthetic::Click(e, POINT{10, 8});
    Pump();
    EXPECT_EQ(GetFocus(), e);
    EXPECT_EQ(GetCaretWindow(), e);
    Type("12.5");
    EXPECT_EQ(Text(e), "12.5");
    EXPECT_EQ(Sel(e), Pair(4, 4));
    EXPECT_TRUE(SendMessage(e, EM_GETMODIFY, 0, 0));
    const std::vector<UINT> each{EN_UPDATE, EN_CHANGE};
    std::vector<UINT> expected{EN_SETFOCUS};
    for (int i = 0; i < 4; ++i) expected.insert(expected.end(), each.begin(), each.end());
    EXPECT_EQ(CodesFrom(kId), expected);
    // Tab, Enter and Escape are not text.
    Notifications().clear();
    SendMessage(e, WM_CHAR, '\t', 0);
    SendMessage(e, WM_CHAR, '\r', 0);
    SendMessage(e, WM_CHAR, 0x1B, 0);
    EXPECT_EQ(Text(e), "12.5");
    EXPECT_TRUE(CodesFrom(kId).empty());
}

TEST_F(Edits, BackspaceDeleteTheCaretKeysAndUndo) {
    HWND e = Field();
    SetFocus(e);
    Type("abcdef");
    Press(VK_BACK);
    EXPECT_EQ(Text(e), "abcde");
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_EQ(Text(e), "bcde");
    Press(VK_BACK);  // nothing before the caret
    EXPECT_EQ(Text(e), "bcde");
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    Type("X");
    EXPECT_EQ(Text(e), "bcXde");
    Press(VK_END);
    Press(VK_DELETE);  // nothing after it
    EXPECT_EQ(Text(e), "bcXde");
    EXPECT_EQ(Sel(e), Pair(5, 5));
    // Undo takes back the last change and redoes it the second time.
    EXPECT_TRUE(SendMessage(e, EM_CANUNDO, 0, 0));
    Press('Z', VK_CONTROL);
    EXPECT_EQ(Text(e), "bcde");
    Press('Z', VK_CONTROL);
    EXPECT_EQ(Text(e), "bcXde");
}

TEST_F(Edits, ShiftExtendsTheSelectionAndTypingReplacesIt) {
    HWND e = Field();
    SetFocus(e);
    Type("one two three");
    synthetic::KeyDown(VK_SHIFT);
    synthetic::KeyPress(VK_LEFT);
    synthetic::KeyPress(VK_LEFT);
    synthetic::KeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(Sel(e), Pair(11, 13));
    Press(VK_HOME, VK_SHIFT);
    EXPECT_EQ(Sel(e), Pair(0, 13)) << "the anchor stays at the end";
    // Ctrl+Shift+Right from the start takes one word with its blank.
    Press(VK_HOME);
    synthetic::KeyDown(VK_CONTROL);
    synthetic::KeyDown(VK_SHIFT);
    synthetic::KeyPress(VK_RIGHT);
    synthetic::KeyUp(VK_SHIFT);
    synthetic::KeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(Sel(e), Pair(0, 4));
    Type("1 ");
    EXPECT_EQ(Text(e), "1 two three");
    // Left without Shift collapses a selection to its start.
    SendMessage(e, EM_SETSEL, 2, 5);
    Press(VK_LEFT);
    EXPECT_EQ(Sel(e), Pair(2, 2));
}

TEST_F(Edits, SetSelReplaceSelAndSetTextPlaceTheSelection) {
    HWND e = Field();
    SetWindowText(e, "1000");
    SendMessage(e, EM_SETSEL, 0, -1);  // what the dialog manager does when tabbing into a field
    EXPECT_EQ(Sel(e), Pair(0, 4));
    SendMessage(e, EM_SETSEL, 3, 1);  // the caret end may come first
    EXPECT_EQ(Sel(e), Pair(1, 3));
    SendMessage(e, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Sel(e), Pair(1, 1)) << "deselected, the caret stays";
    SendMessage(e, EM_SETSEL, 2, 99);
    EXPECT_EQ(Sel(e), Pair(2, 4)) << "held to the text";
    SendMessage(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("5"));
    EXPECT_EQ(Text(e), "105");
    EXPECT_EQ(Sel(e), Pair(3, 3));
    // Setting the text tells the change and puts the caret at the start.
    SetFocus(e);
    Notifications().clear();
    SetWindowText(e, "250");
    EXPECT_EQ(CodesFrom(kId), (std::vector<UINT>{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(Text(e), "250");
    EXPECT_EQ(GetWindowTextLength(e), 3);
    EXPECT_EQ(Sel(e), Pair(0, 0));
    EXPECT_FALSE(SendMessage(e, EM_GETMODIFY, 0, 0));
    // A read-only field does not change until it is made writable again.
    SendMessage(e, EM_SETREADONLY, TRUE, 0);
    Type("x");
    Press(VK_DELETE);
    EXPECT_EQ(Text(e), "250");
    SendMessage(e, EM_SETREADONLY, FALSE, 0);
    Type("!");
    EXPECT_EQ(Text(e), "!250");
}

TEST_F(Edits, TheMouseSelectsByDraggingAndAWordByDoubleClick) {
    HWND e = Field(ES_AUTOHSCROLL | WS_BORDER, 200);
    SetWindowText(e, "100 ms period");
    const int x3 = GET_X_LPARAM(SendMessage(e, EM_POSFROMCHAR, 3, 0));
    const int x6 = GET_X_LPARAM(SendMessage(e, EM_POSFROMCHAR, 6, 0));
    ASSERT_LT(x3, x6);
    synthetic::MouseDown(e, POINT{x6, 8});
    Pump();
    EXPECT_EQ(GetCapture(), e);
    synthetic::MouseMove(e, POINT{x3, 8});
    synthetic::MouseUp(e, POINT{x3, 8});
    Pump();
    EXPECT_EQ(Sel(e), Pair(3, 6));
    EXPECT_EQ(GetCapture(), nullptr);
    AdvanceClock(GetDoubleClickTime());
    const int x4 = GET_X_LPARAM(SendMessage(e, EM_POSFROMCHAR, 4, 0));
    synthetic::DoubleClick(e, POINT{x4 + 2, 8});
    Pump();
    EXPECT_EQ(Sel(e), Pair(4, 7)) << "'ms' with its blank";
    // Shift+click extends from the anchor.
    AdvanceClock(GetDoubleClickTime());
    synthetic::KeyDown(VK_SHIFT);
    synthetic::Click(e, POINT{1, 8});
    synthetic::KeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(Sel(e), Pair(0, 4));
}

TEST_F(Edits, TheTextLimitCutsTypingAndPastingAndTellsOfIt) {
    HWND e = Field();
    SetFocus(e);
    SendMessage(e, EM_LIMITTEXT, 3, 0);
    Type("12345");
    EXPECT_EQ(Text(e), "123");
    EXPECT_EQ(CodesFrom(kId).back(), static_cast<UINT>(EN_MAXTEXT));
    // Replacing a selection counts only what stays.
    SendMessage(e, EM_SETSEL, 1, 3);
    Type("ab");
    EXPECT_EQ(Text(e), "1ab");
    SendMessage(e, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessage(e, EM_GETLIMITTEXT, 0, 0), EDIT_MAX_LIMIT);
    // Setting the text is not limited.
    SendMessage(e, EM_LIMITTEXT, 2, 0);
    SetWindowText(e, "12345");
    EXPECT_EQ(Text(e), "12345");
}

TEST_F(Edits, CutCopyAndPasteGoThroughTheClipboard) {
    HWND e = Field(ES_AUTOHSCROLL | WS_BORDER, 200);
    SetFocus(e);
    Type("speed 3000");
    SendMessage(e, EM_SETSEL, 6, 10);
    Press('C', VK_CONTROL);
    ASSERT_TRUE(OpenClipboard(nullptr));
    std::vector<BYTE> bytes;
    ASSERT_TRUE(GetClipboardBytes(CF_TEXT, bytes));
    CloseClipboard();
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes.data()), "3000");
    Press('X', VK_CONTROL);
    EXPECT_EQ(Text(e), "speed ");
    Press(VK_HOME);
    Press('V', VK_CONTROL);
    EXPECT_EQ(Text(e), "3000speed ");
    EXPECT_EQ(Sel(e), Pair(4, 4));
    // A line break ends what a single line takes.
    ASSERT_TRUE(OpenClipboard(e));
    EmptyClipboard();
    const char two[] = "first\r\nsecond";
    SetClipboardBytes(CF_TEXT, two, sizeof two);
    CloseClipboard();
    SendMessage(e, EM_SETSEL, 0, -1);
    SendMessage(e, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(e), "first");
    // Shift+Delete cuts, Shift+Insert pastes.
    SendMessage(e, EM_SETSEL, 0, 2);
    Press(VK_DELETE, VK_SHIFT);
    EXPECT_EQ(Text(e), "rst");
    Press(VK_END);
    Press(VK_INSERT, VK_SHIFT);
    EXPECT_EQ(Text(e), "rstfi");
}

TEST_F(Edits, AScrollingFieldKeepsTheCaretInViewAndAFixedOneStopsAtItsWidth) {
    HWND e = Field(ES_AUTOHSCROLL | WS_BORDER, 60);
    SetFocus(e);
    Type("0123456789012345678901234567890123456789");
    EXPECT_EQ(Text(e).size(), 40u);
    RECT area;
    SendMessage(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_GE(caret.x, area.left);
    EXPECT_LT(caret.x, area.right);
    EXPECT_GT(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 20) << "scrolled to the end";
    Press(VK_HOME);
    EXPECT_EQ(SendMessage(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, area.left);
    Press(VK_END);
    GetCaretPos(&caret);
    EXPECT_LT(caret.x, area.right);

    HWND fixed = Make("EDIT", "", WS_BORDER, 9, 20, 60, 60, 22);
    SetFocus(fixed);
    Type("0123456789012345678901234567890123456789");
    const std::size_t kept = Text(fixed).size();
    EXPECT_GT(kept, 3u);
    EXPECT_LT(kept, 40u) << "only what fits the width";
    EXPECT_EQ(CodesFrom(9).back(), static_cast<UINT>(EN_MAXTEXT));
}

// Pictures: the sunken edge of a bordered field, the selection's background and the caret after
// it inverted over the window colour; without the focus neither shows.
TEST_F(Edits, TheFieldShowsASunkenEdgeItsCaretAndItsSelection) {
    ASSERT_TRUE(MoveWindow(parent_, 100, 100, 160, 60, FALSE));
    HWND e = Field(ES_AUTOHSCROLL | WS_BORDER, 120);
    EXPECT_NE(GetWindowLong(e, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    SetWindowText(e, "1000");
    SetFocus(e);
    SendMessage(e, EM_SETSEL, 0, 2);
    UpdateWindow(parent_);
    ExpectExactlyReference(GetWindowSurfaceDC(parent_), "platform/controls/reference/edit_focused.png");
    SetFocus(parent_);
    UpdateWindow(parent_);
    ExpectExactlyReference(GetWindowSurfaceDC(parent_), "platform/controls/reference/edit_unfocused.png");
}

}  // namespace
