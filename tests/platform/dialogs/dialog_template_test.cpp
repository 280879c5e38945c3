// Templates and dialog units: the binary form read back as built, bounds refused, and the pixel
// rectangles a known template gives with the 8-point "MS Sans Serif" dialog font.
#include <string>
#include <tuple>

#include "dialog_test_support.h"

using namespace dialog_test;

namespace {

class Templates : public DialogTest {};

const DialogItem kTimeItems[] = {
    LText(kNoId, "Generate time interrupt every", 7, 10, 92, 8),
    EditText(5004, 104, 7, 46, 14, WS_TABSTOP | ES_AUTOHSCROLL),
    ComboBox(5005, 154, 8, 38, 108, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST),
    DefPushButton(IDOK, "OK", 12, 26, 50, 14),
    PushButton(IDCANCEL, "Cancel", 74, 26, 50, 14),
    PushButton(57671, "Help", 136, 26, 50, 14),
};

TEST_F(Templates, TheBinaryFormReadsBackAsBuilt) {
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Time", 0, 0, 199, 47}, kTimeItems);
    ASSERT_EQ(t.size() % 2, 0u);
    ParsedDialogTemplate p;
    ASSERT_TRUE(ParseDialogTemplate(t.data(), t.size(), p));
    EXPECT_EQ(std::make_tuple(p.caption, p.style, p.cx, p.cy, p.pointSize, p.face),
              std::make_tuple(std::string("Time"), kDialogDefaultStyle, 199, 47, 8, std::string("MS Sans Serif")));
    ASSERT_EQ(p.items.size(), 6u);
    EXPECT_EQ(std::make_tuple(p.items[0].classOrdinal, p.items[0].text, p.items[0].id),
              std::make_tuple(DLGCLASS_STATIC, std::string("Generate time interrupt every"), kNoId));
    EXPECT_EQ(p.items[1].classOrdinal, DLGCLASS_EDIT);
    EXPECT_EQ(p.items[1].style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL);
    EXPECT_EQ(std::make_tuple(p.items[2].classOrdinal, p.items[2].cy), std::make_tuple(DLGCLASS_COMBOBOX, 108));
    EXPECT_EQ(std::make_tuple(p.items[3].style & 0xF, static_cast<int>(p.items[3].id)), std::make_tuple(1u, IDOK));
    EXPECT_EQ(std::make_tuple(p.items[5].id, p.items[5].x), std::make_tuple(57671, 136));
    // Each item starts on a DWORD boundary: the platform's loader relies on it.
    const DialogItem custom[] = {Control(5000, "GXWND", "InterruptGridWnd", 7, 7, 417, 210, WS_BORDER)};
    const std::vector<BYTE> g = BuildDialogTemplate(DialogHeader{"Interrupt Settings", 0, 0, 431, 244}, custom);
    ASSERT_TRUE(ParseDialogTemplate(g.data(), g.size(), p));
    EXPECT_EQ(p.items[0].classOrdinal, 0);
    EXPECT_EQ(p.items[0].className, "GXWND");
    EXPECT_EQ(p.items[0].text, "InterruptGridWnd");
}

TEST_F(Templates, EveryTruncationAndAMissingClassAreRefused) {
    const std::vector<BYTE> t = BuildDialogTemplate(DialogHeader{"Time", 0, 0, 199, 47}, kTimeItems);
    ParsedDialogTemplate p;
    for (size_t n = 0; n < t.size(); ++n) EXPECT_FALSE(ParseDialogTemplate(t.data(), n, p)) << n;
    EXPECT_FALSE(ParseDialogTemplate(nullptr, 100, p));
    // An item whose class field is empty names no window class.
    const DialogItem bad[] = {Control(1, "", "x", 0, 0, 10, 10, 0)};
    const std::vector<BYTE> b = BuildDialogTemplate(DialogHeader{"x", 0, 0, 10, 10}, bad);
    EXPECT_FALSE(ParseDialogTemplate(b.data(), b.size(), p));
    // A template that does not parse makes no dialog and leaves no window behind.
    EXPECT_EQ(CreateDialogIndirectParam(nullptr, AsTemplate(b), nullptr, TestDlgProc, 0), nullptr);
    EXPECT_EQ(GetTopWindow(nullptr), nullptr);
}

TEST_F(Templates, DialogUnitsComeFromTheDialogFont) {
    // 8-point "MS Sans Serif" at 96 dots per inch is the bitmap face's 13-pixel strike: the
    // letters average 6 pixels wide, lines are 13 high.
    const LONG base = GetDialogBaseUnits();
    EXPECT_EQ(LOWORD(base), 6);
    EXPECT_EQ(HIWORD(base), 13);
    // The stand-in classes take the places of the standard ones.
    const DialogItem items[] = {
        TStatic(kNoId, "Generate time interrupt every", 7, 10),
        Control(5004, "TestEdit", "", 104, 7, 46, 14, WS_TABSTOP | WS_BORDER),
        Control(IDOK, "TestButton", "OK", 12, 26, 50, 14, WS_TABSTOP | BS_DEFPUSHBUTTON),
    };
    HWND owner = Owner();
    const std::vector<BYTE> mine = BuildDialogTemplate(DialogHeader{"Time", 10, 20, 199, 47}, items);
    HWND dlg = CreateDialogIndirectParam(nullptr, AsTemplate(mine), owner, TestDlgProc, 0);
    ASSERT_NE(dlg, nullptr);
    RECT rc;
    GetClientRect(dlg, &rc);
    EXPECT_EQ(rc.right, 199 * 6 / 4 + 1);  // 298.5 rounds to 299
    EXPECT_EQ(rc.bottom, (47 * 13 + 4) / 8);  // 76.375 rounds to 76
    RECT wr;
    GetWindowRect(dlg, &wr);
    // A modal frame of 3 pixels and a 19-pixel caption around the client area.
    EXPECT_EQ(wr.right - wr.left, 299 + 2 * 3);
    EXPECT_EQ(wr.bottom - wr.top, 76 + 2 * 3 + 19);
    // The position counts from the owner's client area.
    POINT origin{0, 0};
    ClientToScreen(owner, &origin);
    EXPECT_EQ(wr.left, origin.x + 15);
    EXPECT_EQ(wr.top, origin.y + (20 * 13 + 4) / 8);
    RECT edit;
    GetWindowRect(GetDlgItem(dlg, 5004), &edit);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&edit), 2);
    // 104 · 6 / 4, 7 · 13 / 8 = 11.375, 150 · 6 / 4, 21 · 13 / 8 = 34.125: what MapDialogRect gives.
    EXPECT_TRUE(window_test::RectIs(edit, {156, 11, 225, 34}));
    RECT mapped{104, 7, 150, 21};
    ASSERT_TRUE(MapDialogRect(dlg, &mapped));
    EXPECT_TRUE(window_test::RectIs(mapped, edit));
    EXPECT_FALSE(MapDialogRect(owner, &mapped));  // no dialog
    // A larger font gives larger units.
    HFONT big = CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    const SIZE bigUnits = GetFontDialogBaseUnits(big);
    DeleteObject(big);
    EXPECT_GT(bigUnits.cx, 6);
    EXPECT_GT(bigUnits.cy, 13);
}

}  // namespace
