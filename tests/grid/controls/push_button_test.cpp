// Push button cells as a person uses them: one click per press and release by the mouse or the
// space bar, a press that leaves the button, and the button drawn raised, sunk and with its focus
// mark only where its cell is current in a focused grid; a picture of a raised and a pressed one.
#include "controls_fixture.h"
#include "support/reference_picture.h"

namespace {

using namespace control_test;

const CRect kCell{10, 10, 110, 40};

struct PushButtonTest : ControlsFixture {
    CPoint In(ROWCOL nRow) { return grid.CalcCellRect(nRow, 2).CenterPoint(); }
    // Draws a row's cell into the image; false when its button shows sunk (the bottom right
    // corner lit instead of in the dark shadow).
    bool DrawnRaised(ROWCOL nRow) {
        DrawCell(pPush, nRow, 2, kCell);
        const CRect r = pPush->GetCellRect(nRow, 2, &kCell);
        return Pixel(r.right - 1, r.bottom - 1) == (GetSysColor(COLOR_3DDKSHADOW) & 0xFFFFFF);
    }
    // Pixels of the shadow colour inside the button's edge: the focus mark, the caption being empty.
    int FocusMarkPixels(ROWCOL nRow) {
        DrawCell(pPush, nRow, 2, kCell);
        const CRect r = pPush->GetCellRect(nRow, 2, &kCell);
        int n = 0;
        for (int y = r.top + 3; y < r.bottom - 3; ++y)
            for (int x = r.left + 3; x < r.right - 3; ++x) n += Pixel(x, y) == (GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF);
        return n;
    }
};

// ---- the mouse and the space bar -----------------------------------------------------------------

struct InputCase {
    const char* name;
    std::vector<std::pair<char, bool>> steps;  // 'd' 'm' 'u' mouse over row 2 (true) or row 4; 'D' 'U' space
    int nClicks;
};
void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

const InputCase kInputs[] = {
    {"press_and_release", {{'d', true}, {'u', true}}, 1},
    {"leave_and_release_outside", {{'d', true}, {'m', false}, {'u', false}}, 0},
    {"leave_and_come_back", {{'d', true}, {'m', false}, {'m', true}, {'u', true}}, 1},
    {"release_without_press", {{'u', true}}, 0},
    {"second_release_of_one_press", {{'d', true}, {'u', true}, {'u', true}}, 1},
    {"two_clicks", {{'d', true}, {'u', true}, {'d', true}, {'u', true}}, 2},
    {"space_down_and_up", {{'D', true}, {'U', true}}, 1},
    {"space_up_alone", {{'U', true}}, 0},
    {"space_held_then_up_twice", {{'D', true}, {'D', true}, {'U', true}, {'U', true}}, 1},
    {"space_up_of_a_mouse_press", {{'d', true}, {'U', true}, {'u', true}}, 1},
};

struct PushButtonInputTest : PushButtonTest, ::testing::WithParamInterface<InputCase> {};

TEST_P(PushButtonInputTest, OneClickPerPressAndReleaseOnTheButton) {
    MakeCurrent(pPush, 2, 2);
    for (const auto& [op, bOver] : GetParam().steps) {
        const CPoint pt = In(bOver ? 2 : 4);
        const int nHit = bOver ? 0x40 : 0x20;
        if (op == 'd') pPush->OnLButtonDown(MK_LBUTTON, pt, kDown);
        if (op == 'm') pPush->OnMouseMove(MK_LBUTTON, pt, 0x01 | 0x08 | nHit);
        if (op == 'u') pPush->OnLButtonUp(0, pt, 0x01 | 0x10 | nHit);
        if (op == 'D' || op == 'U') pPush->KeyMessage(op == 'D' ? WM_KEYDOWN : WM_KEYUP, VK_SPACE, 1, 0);
    }
    EXPECT_EQ(grid.clicks, Clicks(static_cast<size_t>(GetParam().nClicks), {2, 2}));
    EXPECT_FALSE(pPush->GetButton()->IsPressed());
}

INSTANTIATE_TEST_SUITE_P(Sequences, PushButtonInputTest, ::testing::ValuesIn(kInputs), CaseName<InputCase>);

TEST_F(PushButtonTest, PressedButtonSinksAndComesUpWhileThePointerIsOff) {
    MakeCurrent(pPush, 2, 2);
    EXPECT_TRUE(DrawnRaised(2));
    pPush->OnLButtonDown(MK_LBUTTON, In(2), kDown);
    EXPECT_FALSE(DrawnRaised(2));
    EXPECT_TRUE(DrawnRaised(3));  // the other cells share the button object, not its press
    pPush->OnMouseMove(MK_LBUTTON, In(4), kMoveOff);
    EXPECT_TRUE(DrawnRaised(2));
    // Painting other cells meanwhile lays the one button object out over them; the press still
    // belongs to the current cell.
    pPush->OnMouseMove(MK_LBUTTON, In(2) + CPoint(3, 1), kMoveOver);
    EXPECT_FALSE(DrawnRaised(2));
    // A press is forgotten when another cell becomes current.
    MakeCurrent(pPush, 3, 2);
    pPush->OnLButtonUp(0, In(3), kUpOver);
    EXPECT_TRUE(grid.clicks.empty());
}

TEST_F(PushButtonTest, FocusMarkOnlyOnTheCurrentCellOfAFocusedGridNotPrinting) {
    Store(1, 2, CGXStyle().SetChoicesList(""), 5, 2);
    MakeCurrent(pPush, 2, 2);
    EXPECT_GT(FocusMarkPixels(2), 0);
    EXPECT_EQ(FocusMarkPixels(3), 0);
    grid.GetProperties()->SetPrinting(true);
    EXPECT_EQ(FocusMarkPixels(2), 0);
    grid.GetProperties()->SetPrinting(false);
    // Pressed or not, a grid without the focus shows neither the mark nor a sunk button.
    pPush->OnLButtonDown(MK_LBUTTON, In(2), kDown);
    parent.SetFocus();
    EXPECT_EQ(FocusMarkPixels(2), 0);
    EXPECT_TRUE(DrawnRaised(2));
}

TEST_F(ControlsFixture, PushButtonsRaisedAndPressed) {
    CDC image;
    ASSERT_TRUE(image.CreateImage(230, 34));
    image.FillSolidRect(CRect(0, 0, 230, 34), RGB(255, 255, 255));
    // Left the button of a cell that is not current; right the current cell's, pressed.
    MakeCurrent(pPush, 2, 2);
    pPush->OnLButtonDown(MK_LBUTTON, grid.CalcCellRect(2, 2).CenterPoint(), kDown);
    for (ROWCOL nRow : {1u, 2u}) {
        CGXStyle style;
        grid.ComposeStyleRowCol(nRow, 2, &style);
        const int x = nRow == 1 ? 5 : 120;
        pPush->Draw(&image, CRect(x, 5, x + 105, 29), nRow, 2, style, grid.GetStandardStyle());
    }
    ExpectMatchesReference(image.GetSafeHdc(), "grid/controls/reference/push_button_pressed.png");
}

}  // namespace
