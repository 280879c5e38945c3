// Check box cells as a person uses them: what a value shows and what a click makes of it, button
// sequences over the box (one toggle per click), the space bar on the current cell only, and the
// cells that refuse (disabled, read-only, vetoed by the grid); pictures of the five images and of
// the strips (system colours, the print strip, strips a host does not have, a cell narrower than
// the box), and where the box goes.
#include <memory>

#include "controls_fixture.h"
#include "grid/controls/style_drawing.h"
#include "platform/win/module_resources.h"
#include "support/reference_picture.h"

namespace {

using namespace control_test;

// ---- values: the image they show and the value a click stores ------------------------------------

struct ValueCase {
    const char* name;
    CGXStyle style;
    int nImage;
    const char* next;
};
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

CGXStyle Texts(const char* pszValue, const char* pszChecked, const char* pszUnchecked) {
    return CGXStyle().SetValue(pszValue).SetUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED, pszChecked)
        .SetUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED, pszUnchecked);
}

const ValueCase kValues[] = {
    {"one", CGXStyle().SetValue("1"), kChecked, "0"},
    {"zero", CGXStyle().SetValue("0"), kUnchecked, "1"},
    {"empty", CGXStyle().SetValue(""), kUnchecked, "1"},
    {"other", CGXStyle().SetValue("maybe"), kUnchecked, "1"},
    {"tristate_one", CGXStyle().SetValue("1").SetTriState(true), kChecked, "0"},
    {"tristate_zero", CGXStyle().SetValue("0").SetTriState(true), kUnchecked, ""},
    {"tristate_empty", CGXStyle().SetValue("").SetTriState(true), kIndeterminate, "1"},
    {"tristate_other", CGXStyle().SetValue("maybe").SetTriState(true), kIndeterminate, "1"},
    {"own_checked", Texts("Y", "Y", "N"), kChecked, "N"},
    {"own_unchecked", Texts("N", "Y", "N"), kUnchecked, "Y"},
    {"own_texts_one", Texts("1", "Y", "N"), kUnchecked, "Y"},
    {"empty_texts_mean_one_and_zero", Texts("1", "", ""), kChecked, "0"},
};

struct CheckBoxValueTest : ControlsFixture, ::testing::WithParamInterface<ValueCase> {};

TEST_P(CheckBoxValueTest, ShowsItsImageAndAClickStoresTheNextValue) {
    Store(4, 1, GetParam().style);
    EXPECT_EQ(ShownImage(4), GetParam().nImage);
    Click(4);
    EXPECT_STREQ(Value(4, 1), GetParam().next);
    EXPECT_EQ(grid.clicks, (Clicks{{4, 1}}));
}

INSTANTIATE_TEST_SUITE_P(Values, CheckBoxValueTest, ::testing::ValuesIn(kValues), CaseName<ValueCase>);

// ---- button sequences: one message each, on the box, beside it in the cell or over another cell --

struct Step {
    char op;     // 'd' down, 'm' move, 'u' up, 'c' double click
    char where;  // 'b' box, 's' beside the box, 'o' another cell
    int nHit;
};

struct SequenceCase {
    const char* name;
    std::vector<Step> steps;
    int nToggles;
};
void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }

const SequenceCase kSequences[] = {
    {"click", {{'d', 'b', kDown}, {'u', 'b', kUpOver}}, 1},
    {"leave_the_box_come_back", {{'d', 'b', kDown}, {'m', 's', kMoveOver}, {'m', 'b', kMoveOver}, {'u', 'b', kUpOver}}, 1},
    {"leave_the_box_release_beside", {{'d', 'b', kDown}, {'m', 's', kMoveOver}, {'u', 's', kUpOver}}, 0},
    {"leave_the_cell_release_there", {{'d', 'b', kDown}, {'m', 'o', kMoveOff}, {'u', 'o', kUpOff}}, 0},
    {"leave_the_cell_come_back", {{'d', 'b', kDown}, {'m', 'o', kMoveOff}, {'m', 'b', kMoveOver}, {'u', 'b', kUpOver}}, 1},
    {"press_beside_slide_onto_the_box", {{'d', 's', kDown}, {'m', 'b', kMoveOver}, {'u', 'b', kUpOver}}, 1},
    {"second_release_of_one_press", {{'d', 'b', kDown}, {'u', 'b', kUpOver}, {'u', 'b', kUpOver}}, 1},
    {"release_without_press", {{'u', 'b', kUpOver}}, 0},
    {"double_click", {{'d', 'b', kDown}, {'u', 'b', kUpOver}, {'c', 'b', 0}}, 2},
    {"double_click_beside", {{'d', 's', kDown}, {'u', 's', kUpOver}, {'c', 's', 0}}, 0},
};

struct CheckBoxSequenceTest : ControlsFixture, ::testing::WithParamInterface<SequenceCase> {};

TEST_P(CheckBoxSequenceTest, TogglesOncePerCompletedClick) {
    Store(2, 1, CGXStyle().SetValue("0"));
    MakeCurrent(pBox, 2, 1);
    for (const Step& s : GetParam().steps) {
        const CPoint pt = s.where == 'b' ? InBox(2) : s.where == 's' ? InBox(2) + CPoint(40, 0) : InBox(4);
        if (s.op == 'd') pBox->OnLButtonDown(MK_LBUTTON, pt, s.nHit);
        if (s.op == 'm') pBox->OnMouseMove(MK_LBUTTON, pt, s.nHit);
        if (s.op == 'u') pBox->OnLButtonUp(0, pt, s.nHit);
        if (s.op == 'c') pBox->OnLButtonDblClk(MK_LBUTTON, pt, s.nHit);
        // The box looks pressed exactly while the held button is over it.
        EXPECT_EQ(ShownImage(2) == kUncheckedPressed || ShownImage(2) == kCheckedPressed, pBox->IsPressed());
        EXPECT_EQ(pBox->IsPressed(), (s.op == 'd' || s.op == 'm') && s.where == 'b');
    }
    const int n = GetParam().nToggles;
    EXPECT_EQ(grid.clicks, Clicks(static_cast<size_t>(n), {2, 1}));
    EXPECT_STREQ(Value(2, 1), n % 2 == 1 ? "1" : "0");
    EXPECT_STREQ(Value(4, 1), "");  // the cell the pointer wandered over is untouched
}

INSTANTIATE_TEST_SUITE_P(Sequences, CheckBoxSequenceTest, ::testing::ValuesIn(kSequences), CaseName<SequenceCase>);

TEST_F(ControlsFixture, CheckBoxPressIsForgottenWhenAnotherCellBecomesCurrent) {
    Store(2, 1, CGXStyle().SetValue("0"), 3, 1);
    MakeCurrent(pBox, 2, 1);
    pBox->OnLButtonDown(MK_LBUTTON, InBox(2), kDown);
    MakeCurrent(pBox, 3, 1);
    EXPECT_FALSE(pBox->IsPressed());
    pBox->OnLButtonUp(0, InBox(2), kUpOver);  // where the old cell's box was: no toggle anywhere
    EXPECT_TRUE(grid.clicks.empty());
}

// ---- the space bar -------------------------------------------------------------------------------

TEST_F(ControlsFixture, SpaceTogglesTheCurrentCellOnly) {
    Store(1, 1, CGXStyle().SetValue("0"), 3, 1);
    EXPECT_FALSE(pBox->KeyMessage(WM_CHAR, ' ', 1, 0));  // no cell set up yet
    MakeCurrent(pBox, 2, 1);
    EXPECT_FALSE(pBox->KeyMessage(WM_KEYUP, VK_SPACE, 1, 0));    // an up without its down
    EXPECT_FALSE(pBox->KeyMessage(WM_KEYDOWN, VK_SPACE, 1, 0));  // the character toggles, not the key
    EXPECT_FALSE(pBox->KeyMessage(WM_CHAR, 'x', 1, 0));
    EXPECT_TRUE(pBox->KeyMessage(WM_CHAR, ' ', 1, 0));
    MakeCurrent(pBox, 3, 1);
    EXPECT_TRUE(pBox->KeyMessage(WM_CHAR, ' ', 1, 0));
    EXPECT_TRUE(pBox->KeyMessage(WM_CHAR, ' ', 1, 0));
    EXPECT_EQ(std::string(Value(1, 1).GetString()) + Value(2, 1).GetString() + Value(3, 1).GetString(), "010");
    EXPECT_EQ(grid.clicks, (Clicks{{2, 1}, {3, 1}, {3, 1}}));
    // A control still set up for a cell that is no longer current leaves it alone.
    ASSERT_TRUE(grid.SetCurrentCell(3, 2));
    pBox->KeyMessage(WM_CHAR, ' ', 1, 0);
    EXPECT_STREQ(Value(3, 1), "0");
}

// ---- cells that refuse: the value stays, the grid hears nothing ----------------------------------

struct RefusalCase {
    const char* name;
    CGXStyle style;
    bool bLockReadOnly;
    bool bAllowEditing;
    int nImagePressed;  // while the button is held on the box
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

const RefusalCase kRefusals[] = {
    {"disabled", CGXStyle().SetValue("1").SetEnabled(false), false, true, kUncheckedPressed},
    {"read_only", CGXStyle().SetValue("1").SetReadOnly(true), true, true, kCheckedPressed},
    {"editing_refused", CGXStyle().SetValue("1"), false, false, kCheckedPressed},
};

struct CheckBoxRefusalTest : ControlsFixture, ::testing::WithParamInterface<RefusalCase> {};

TEST_P(CheckBoxRefusalTest, NeitherTogglesNorReports) {
    // The cell is current when it turns disabled or read-only: a grid does not make such a cell
    // current.
    const RefusalCase& c = GetParam();
    MakeCurrent(pBox, 2, 1);
    Store(2, 1, c.style);
    grid.GetParam()->SetLockReadOnly(c.bLockReadOnly);
    grid.bAllowEditing = c.bAllowEditing;
    Click(2);
    pBox->OnLButtonDblClk(MK_LBUTTON, InBox(2), 0);
    pBox->KeyMessage(WM_CHAR, ' ', 1, 0);
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_TRUE(grid.clicks.empty());
    pBox->OnLButtonDown(MK_LBUTTON, InBox(2), kDown);
    EXPECT_EQ(ShownImage(2), c.nImagePressed);
}

INSTANTIATE_TEST_SUITE_P(Cells, CheckBoxRefusalTest, ::testing::ValuesIn(kRefusals), CaseName<RefusalCase>);

// ---- pictures: the five images, the strips, missing strips, where the box goes ----------------------

TEST_F(ControlsFixture, FiveCheckBoxStates) {
    CDC image;
    ASSERT_TRUE(image.CreateImage(180, 110));
    image.FillSolidRect(CRect(0, 0, 180, 110), RGB(255, 255, 255));
    const char* captions[] = {"Unchecked", "Checked", "Unchecked, pressed", "Checked, pressed", "Indeterminate"};
    for (ROWCOL nRow = 1; nRow <= 5; ++nRow)
        Store(nRow, 1, CGXStyle().SetValue(nRow == 5 ? "" : nRow % 2 == 0 ? "1" : "0").SetTriState(true)
                           .SetChoicesList(captions[nRow - 1]));
    for (ROWCOL nRow = 1; nRow <= 5; ++nRow) {
        // The pressed ones are the current cell with the button held over the box.
        if (nRow == 3 || nRow == 4) {
            MakeCurrent(pBox, nRow, 1);
            pBox->OnLButtonDown(MK_LBUTTON, InBox(nRow), kDown);
        }
        CGXStyle style;
        grid.ComposeStyleRowCol(nRow, 1, &style);
        const int y = 5 + 20 * static_cast<int>(nRow - 1);
        pBox->Draw(&image, CRect(5, y, 175, y + 20), nRow, 1, style, grid.GetStandardStyle());
    }
    ExpectMatchesReference(image.GetSafeHdc(), "grid/controls/reference/check_box_states.png");
}

constexpr COLORREF kMagenta = 0xFF00FF;
const CRect kCell{10, 10, 110, 40};
const CPoint kBoxAt{13, 13};  // three pixels in

// A strip of the host's under an identifier no host uses, for as long as the object lives.
struct OwnStrip {
    CModuleRegistration module{"CheckBoxTestStrips"};
    explicit OwnStrip(UINT nID) {
        const std::vector<BYTE> strip = host_resources::CheckBoxStrip(true);
        AddModuleResource(module, RT_BITMAP, MAKEINTRESOURCEA(nID), strip.data(), static_cast<DWORD>(strip.size()));
    }
};

// Checked boxes in cells 20 pixels square, left to right: printed from a check box whose print
// strip is missing (the screen box), a cell 8 pixels wide (the left part of the box, unscaled),
// then in a yellow window with blue text on the screen and printed (the flat strip, black on white).
TEST_F(ControlsFixture, BoxesFollowTheSystemColoursAndPrintTheFlatStrip) {
    CDC image;
    ASSERT_TRUE(image.CreateImage(88, 20));
    image.FillSolidRect(CRect(0, 0, 88, 20), kMagenta);
    Store(2, 1, CGXStyle().SetValue("1"));
    Store(3, 1, CGXStyle().SetValue("0"));
    auto draw = [&](CGXCheckBox* pControl, ROWCOL nRow, const CRect& rect, bool bPrinting) {
        grid.GetProperties()->SetPrinting(bPrinting);
        CGXStyle style;
        grid.ComposeStyleRowCol(nRow, 1, &style);
        pControl->Draw(&image, rect, nRow, 1, style, grid.GetStandardStyle());
        grid.GetProperties()->SetPrinting(false);
    };
    OwnStrip own(4243);
    const auto pOwn = std::make_unique<CGXCheckBox>(&grid, true, 4243, 4244);  // 4244 exists nowhere
    EXPECT_TRUE(pOwn->LoadBitmaps());
    draw(pOwn.get(), 2, CRect(0, 0, 20, 20), true);
    draw(pBox, 3, CRect(20, 0, 28, 20), false);
    const int nIndices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF colours[] = {RGB(255, 255, 0), RGB(0, 0, 255)};
    ASSERT_TRUE(SetSysColors(2, nIndices, colours));
    pBox->OnSysColorChange();
    draw(pBox, 2, CRect(48, 0, 68, 20), false);
    draw(pBox, 2, CRect(68, 0, 88, 20), true);
    ExpectExactlyReference(image.GetSafeHdc(), "grid/controls/reference/check_box_strips.png");
}

TEST_F(ControlsFixture, MissingScreenStripDrawsNoBoxButTheCaptionAndIsLookedForAgain) {
    const auto pOwn = std::make_unique<CGXCheckBox>(&grid, true, 4245);
    Store(2, 1, CGXStyle().SetValue("1").SetChoicesList("Enable"));
    DrawCell(pOwn.get(), 2, 1, kCell);
    EXPECT_EQ(Pixel(kBoxAt.x, kBoxAt.y), kMagenta);
    bool bCaption = false;
    for (int x = kCell.left + 19; x < kCell.right; ++x)
        for (int y = kCell.top; y < kCell.bottom; ++y) bCaption = bCaption || Pixel(x, y) != kMagenta;
    EXPECT_TRUE(bCaption);

    OwnStrip own(4245);
    DrawCell(pOwn.get(), 2, 1, kCell);
    EXPECT_EQ(ImageAt(dc, kBoxAt), kChecked);
}

// ---- where the box goes --------------------------------------------------------------------------

struct PlacementCase {
    const char* name;
    CRect rect;
    UINT nAlign;
    CRect box;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

const PlacementCase kPlacements[] = {
    {"default_three_pixels_in", {0, 0, 100, 30}, 0, {3, 3, 16, 16}},
    {"right", {0, 0, 100, 30}, DT_RIGHT, {87, 3, 100, 16}},
    {"bottom", {0, 0, 100, 30}, DT_BOTTOM, {3, 17, 16, 30}},
    {"centred_in_the_middle", {20, 40, 120, 58}, DT_CENTER | DT_VCENTER, {63, 42, 76, 55}},
    {"narrow_clipped", {0, 0, 10, 10}, 0, {0, 0, 10, 10}},
    {"barely_wider_centred_stays_left", {0, 0, 14, 14}, DT_CENTER, {0, 1, 13, 14}},
    {"narrow_right_stays_left", {0, 0, 10, 30}, DT_RIGHT, {0, 3, 10, 16}},
};

struct CheckBoxPlacementTest : ControlsFixture, ::testing::WithParamInterface<PlacementCase> {};

TEST_P(CheckBoxPlacementTest, BoxLiesWhereTheAlignmentPutsIt) {
    EXPECT_EQ(pBox->ComputeBoxRect(&dc, GetParam().rect, "", GetParam().nAlign), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Alignments, CheckBoxPlacementTest, ::testing::ValuesIn(kPlacements), CaseName<PlacementCase>);

TEST_F(ControlsFixture, CaptionTakesRoomAfterTheBox) {
    const int nText = dc.GetTextExtent(CString("Enable")).cx;
    EXPECT_EQ(pBox->ComputeBoxRect(&dc, CRect(0, 0, 200, 40), "Enable", DT_RIGHT).left, 200 - (13 * 3 / 2 + nText));
    // A cell sized for it holds the box, the widest line and every line of the caption.
    CGXStyle style;
    grid.ComposeStyleRowCol(2, 1, &style);
    style.SetChoicesList("Enable\nDisable\nReset");
    TEXTMETRIC tm{};
    CGXStyleFont font(grid, &dc, style);
    dc.GetTextMetrics(&tm);
    const CSize size = pBox->CalcSize(&dc, 2, 1, style, grid.GetStandardStyle(), false);
    EXPECT_GE(size.cx, 19 + dc.GetTextExtent(CString("Disable")).cx);
    EXPECT_EQ(size.cy, std::max<int>(17, 3 * (tm.tmHeight + tm.tmExternalLeading + 1)));
}

}  // namespace
