// Push button cells as a person uses them: one click per press and release by the mouse or the
// space bar, a press that leaves the button, the button drawn raised, sunk and with its focus
// mark only where the cell is current in a focused grid.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "control_window_fixture.h"
#include "grid/controls/push_button.h"
#include "grid/controls/static_control.h"
#include "platform/win/sys_colors.h"

namespace {

using namespace control_test;

using Clicks = std::vector<std::pair<ROWCOL, ROWCOL>>;

struct PushButtonTest : ControlWindowFixture {
    CGXPushbutton* pPush = nullptr;
    CDC dc;
    const CRect cell{10, 10, 110, 40};

    void SetUp() override {
        ControlWindowFixture::SetUp();
        if (HasFatalFailure()) return;
        grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), false, true);
        pPush = new CGXPushbutton(&grid);
        grid.RegisterControl(GX_IDS_CTRL_PUSHBTN, pPush, false, true);
        Store(1, 2, CGXStyle().SetControlId(GX_IDS_CTRL_PUSHBTN).SetChoicesList("Details"), 5, 2);
        ASSERT_TRUE(dc.CreateImage(120, 50));
    }
    CPoint In(ROWCOL nRow) { return grid.CalcCellRect(nRow, 2).CenterPoint(); }
    // Draws the cell of a row into the image; false when the button shows sunk (its bottom right
    // corner lit instead of in the dark shadow).
    bool DrawnRaised(ROWCOL nRow) {
        DrawCell(pPush, dc, nRow, 2, cell);
        const CRect content = pPush->GetCellRect(nRow, 2, &cell);
        return (dc.GetPixel(content.right - 1, content.bottom - 1) & 0xFFFFFF) ==
               (GetSysColor(COLOR_3DDKSHADOW) & 0xFFFFFF);
    }
    // Pixels of the button's shadow colour inside its edge: the focus mark round an empty caption.
    int FocusMarkPixels(ROWCOL nRow) {
        DrawCell(pPush, dc, nRow, 2, cell);
        const CRect content = pPush->GetCellRect(nRow, 2, &cell);
        int n = 0;
        for (int y = content.top + 3; y < content.bottom - 3; ++y)
            for (int x = content.left + 3; x < content.right - 3; ++x)
                n += (dc.GetPixel(x, y) & 0xFFFFFF) == (GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF);
        return n;
    }
};

// ---- the mouse -----------------------------------------------------------------------------------

struct MouseStep {
    char op;  // 'd' down, 'm' move, 'u' up
    bool bOver;  // over the button of row 2, else over the row 4 cell
};

struct MouseCase {
    const char* name;
    std::vector<MouseStep> steps;
    int nClicks;
};
void PrintTo(const MouseCase& c, std::ostream* os) { *os << c.name; }

const MouseCase kMouse[] = {
    {"press_and_release", {{'d', true}, {'u', true}}, 1},
    {"leave_and_release_outside", {{'d', true}, {'m', false}, {'u', false}}, 0},
    {"leave_and_come_back", {{'d', true}, {'m', false}, {'m', true}, {'u', true}}, 1},
    {"leave_come_back_leave_again", {{'d', true}, {'m', false}, {'m', true}, {'m', false}, {'u', false}}, 0},
    {"release_without_press", {{'u', true}}, 0},
    {"second_release_of_one_press", {{'d', true}, {'u', true}, {'u', true}}, 1},
    {"two_clicks", {{'d', true}, {'u', true}, {'d', true}, {'u', true}}, 2},
};

struct PushButtonMouseTest : PushButtonTest, ::testing::WithParamInterface<MouseCase> {};

TEST_P(PushButtonMouseTest, OneClickPerPressAndReleaseOnTheButton) {
    MakeCurrent(pPush, 2, 2);
    for (const MouseStep& s : GetParam().steps) {
        const CPoint pt = In(s.bOver ? 2 : 4);
        const int nHit = s.bOver ? 0x40 : 0x20;
        switch (s.op) {
        case 'd': pPush->OnLButtonDown(MK_LBUTTON, pt, kDown); break;
        case 'm': pPush->OnMouseMove(MK_LBUTTON, pt, 0x01 | 0x08 | nHit); break;
        default: pPush->OnLButtonUp(0, pt, 0x01 | 0x10 | nHit); break;
        }
    }
    EXPECT_EQ(grid.clicks, Clicks(static_cast<size_t>(GetParam().nClicks), {2, 2}));
    EXPECT_FALSE(pPush->GetButton()->IsPressed());
    EXPECT_FALSE(pPush->GetButton()->IsTracking());
}

INSTANTIATE_TEST_SUITE_P(Sequences, PushButtonMouseTest, ::testing::ValuesIn(kMouse),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PushButtonTest, PressedButtonSinksAndComesUpWhenThePointerLeaves) {
    MakeCurrent(pPush, 2, 2);
    EXPECT_TRUE(DrawnRaised(2));
    pPush->OnLButtonDown(MK_LBUTTON, In(2), kDown);
    EXPECT_FALSE(DrawnRaised(2));
    pPush->OnMouseMove(MK_LBUTTON, In(4), kMoveOff);
    EXPECT_FALSE(pPush->GetButton()->IsPressed());
    EXPECT_TRUE(DrawnRaised(2));
    pPush->OnMouseMove(MK_LBUTTON, In(2), kMoveOver);
    EXPECT_FALSE(DrawnRaised(2));
    // The other cells share the button object but not its press.
    EXPECT_TRUE(DrawnRaised(3));
}

TEST_F(PushButtonTest, PressSurvivesThePaintOfOtherCellsInBetween) {
    // Painting lays the one button object out over every cell it draws; the press still belongs
    // to the current cell's button.
    MakeCurrent(pPush, 2, 2);
    pPush->OnLButtonDown(MK_LBUTTON, In(2), kDown);
    DrawCell(pPush, dc, 5, 2, grid.CalcCellRect(5, 2));
    pPush->OnMouseMove(MK_LBUTTON, In(2) + CPoint(3, 1), kMoveOver);
    EXPECT_TRUE(pPush->GetButton()->IsPressed());
    DrawCell(pPush, dc, 5, 2, grid.CalcCellRect(5, 2));
    pPush->OnLButtonUp(0, In(2), kUpOver);
    EXPECT_EQ(grid.clicks, (Clicks{{2, 2}}));
}

TEST_F(PushButtonTest, PressIsForgottenWhenAnotherCellBecomesCurrent) {
    MakeCurrent(pPush, 2, 2);
    pPush->OnLButtonDown(MK_LBUTTON, In(2), kDown);
    MakeCurrent(pPush, 3, 2);
    EXPECT_FALSE(pPush->GetButton()->IsPressed());
    pPush->OnLButtonUp(0, In(3), kUpOver);
    EXPECT_TRUE(grid.clicks.empty());
}

// ---- the space bar -------------------------------------------------------------------------------

struct KeyCase {
    const char* name;
    std::vector<std::pair<UINT, UINT>> keys;  // message, key
    int nClicks;
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

const KeyCase kKeys[] = {
    {"space_down_and_up", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, 1},
    {"space_up_alone", {{WM_KEYUP, VK_SPACE}}, 0},
    {"space_held_repeats_then_up", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, 1},
    {"second_up_of_one_press", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, 1},
    {"other_key", {{WM_KEYDOWN, 'X'}, {WM_KEYUP, 'X'}}, 0},
};

struct PushButtonKeyTest : PushButtonTest, ::testing::WithParamInterface<KeyCase> {};

TEST_P(PushButtonKeyTest, SpaceClicksOncePerDownAndUp) {
    MakeCurrent(pPush, 3, 2);
    for (const auto& [nMessage, nKey] : GetParam().keys) pPush->KeyMessage(nMessage, nKey, 1, 0);
    EXPECT_EQ(grid.clicks, Clicks(static_cast<size_t>(GetParam().nClicks), {3, 2}));
    EXPECT_FALSE(pPush->GetButton()->IsPressed());
}

INSTANTIATE_TEST_SUITE_P(Keys, PushButtonKeyTest, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PushButtonTest, SpaceUpOfAPressByTheMouseIsNoClick) {
    MakeCurrent(pPush, 2, 2);
    pPush->OnLButtonDown(MK_LBUTTON, In(2), kDown);
    EXPECT_FALSE(pPush->KeyMessage(WM_KEYUP, VK_SPACE, 1, 0));
    pPush->OnLButtonUp(0, In(2), kUpOver);
    EXPECT_EQ(grid.clicks, (Clicks{{2, 2}}));
}

// ---- the focus mark ------------------------------------------------------------------------------

TEST_F(PushButtonTest, FocusMarkOnlyOnTheCurrentCellOfAFocusedGrid) {
    Store(1, 2, CGXStyle().SetChoicesList(""), 5, 2);  // no caption: only the mark is drawn inside
    MakeCurrent(pPush, 2, 2);
    EXPECT_GT(FocusMarkPixels(2), 0);
    EXPECT_EQ(FocusMarkPixels(3), 0);
    // Pressed or not, a grid without the focus shows no mark and no sunk button.
    pPush->OnLButtonDown(MK_LBUTTON, In(2), kDown);
    parent.SetFocus();
    EXPECT_EQ(FocusMarkPixels(2), 0);
    EXPECT_TRUE(DrawnRaised(2));
    // Nor does a printed grid.
    grid.SetFocus();
    grid.GetProperties()->SetPrinting(true);
    EXPECT_EQ(FocusMarkPixels(2), 0);
    grid.GetProperties()->SetPrinting(false);
    EXPECT_GT(FocusMarkPixels(2), 0);
}

TEST_F(PushButtonTest, RegisteredAsTheDialogsDo) {
    EXPECT_EQ(grid.GetControl(4, 2), pPush);
    EXPECT_NE(grid.GetControl(4, 1), pPush);
    CString name;
    ASSERT_TRUE(grid.GetStylesMap()->GetControlNames().Lookup(GX_IDS_CTRL_PUSHBTN, name));
    EXPECT_STREQ(name, "Push Button");
    EXPECT_STREQ(pPush->GetRuntimeClass()->m_lpszClassName, "CGXPushbutton");
}

}  // namespace
