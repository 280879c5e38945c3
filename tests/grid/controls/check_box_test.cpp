// Check box cells as a person uses them: what a value shows, the cycle a toggle follows, button
// sequences over the box (one toggle per click), the space bar on the current cell, and the cells
// that refuse (disabled, read-only, vetoed by the grid).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "check_box_fixture.h"
#include "platform/win/sys_colors.h"

namespace {

using namespace control_test;

// ---- what a value shows --------------------------------------------------------------------------

struct StateCase {
    const char* name;
    const char* value;
    bool bTriState;
    const char* checked;    // user attribute 51019, null: absent
    const char* unchecked;  // user attribute 51020
    bool bEnabled;
    int nImage;
};
void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

const StateCase kStates[] = {
    {"one_checked", "1", false, nullptr, nullptr, true, kChecked},
    {"zero_unchecked", "0", false, nullptr, nullptr, true, kUnchecked},
    {"empty_unchecked", "", false, nullptr, nullptr, true, kUnchecked},
    {"empty_tristate_indeterminate", "", true, nullptr, nullptr, true, kIndeterminate},
    {"other_unchecked", "maybe", false, nullptr, nullptr, true, kUnchecked},
    {"other_tristate_indeterminate", "maybe", true, nullptr, nullptr, true, kIndeterminate},
    {"zero_tristate_unchecked", "0", true, nullptr, nullptr, true, kUnchecked},
    {"one_tristate_checked", "1", true, nullptr, nullptr, true, kChecked},
    {"own_checked_text", "Y", false, "Y", "N", true, kChecked},
    {"own_unchecked_text", "N", true, "Y", "N", true, kUnchecked},
    {"one_not_own_checked_text", "1", false, "Y", "N", true, kUnchecked},
    {"empty_attributes_mean_one", "1", false, "", "", true, kChecked},
    {"disabled_checked_grey", "1", false, nullptr, nullptr, false, kUncheckedPressed},
    {"disabled_indeterminate_grey", "", true, nullptr, nullptr, false, kUncheckedPressed},
};

CGXStyle StyleOf(const StateCase& c) {
    CGXStyle style;
    style.SetValue(c.value).SetTriState(c.bTriState).SetEnabled(c.bEnabled);
    if (c.checked != nullptr) style.SetUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED, c.checked);
    if (c.unchecked != nullptr) style.SetUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED, c.unchecked);
    return style;
}

struct CheckBoxStateTest : CheckBoxFixture, ::testing::WithParamInterface<StateCase> {};

TEST_P(CheckBoxStateTest, ValueShowsItsImage) {
    const StateCase& c = GetParam();
    Store(2, 1, StyleOf(c));
    EXPECT_EQ(ShownImage(2, 1), c.nImage);
}

INSTANTIATE_TEST_SUITE_P(Values, CheckBoxStateTest, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckBoxFixture, OnlyTheCurrentCellShowsItsPressedBox) {
    Store(2, 1, CGXStyle().SetValue("1"));
    Store(3, 1, CGXStyle().SetValue("1"));
    MakeCurrent(pBox, 2, 1);
    pBox->OnLButtonDown(MK_LBUTTON, InBox(2, 1), kDown);
    EXPECT_EQ(pBox->GetState(2, 1, grid.LookupStyleRowCol(2, 1)), GX_CB_CURRENT | GX_CB_PRESSED | GX_CB_CHECKED);
    EXPECT_EQ(ShownImage(2, 1), kCheckedPressed);
    EXPECT_EQ(ShownImage(3, 1), kChecked);
}

// ---- the cycle of a toggle -----------------------------------------------------------------------

struct ToggleCase {
    const char* name;
    StateCase cell;
    const char* next;
};
void PrintTo(const ToggleCase& c, std::ostream* os) { *os << c.name; }

const ToggleCase kToggles[] = {
    {"checked_to_unchecked", {"", "1", false, nullptr, nullptr, true, 0}, "0"},
    {"unchecked_to_checked", {"", "0", false, nullptr, nullptr, true, 0}, "1"},
    {"empty_to_checked", {"", "", false, nullptr, nullptr, true, 0}, "1"},
    {"other_to_checked", {"", "maybe", false, nullptr, nullptr, true, 0}, "1"},
    {"tristate_checked_to_unchecked", {"", "1", true, nullptr, nullptr, true, 0}, "0"},
    {"tristate_unchecked_to_indeterminate", {"", "0", true, nullptr, nullptr, true, 0}, ""},
    {"tristate_indeterminate_to_checked", {"", "", true, nullptr, nullptr, true, 0}, "1"},
    {"own_texts_checked_to_unchecked", {"", "Y", false, "Y", "N", true, 0}, "N"},
    {"own_texts_unchecked_to_checked", {"", "N", false, "Y", "N", true, 0}, "Y"},
    {"own_texts_other_to_checked", {"", "1", false, "Y", "N", true, 0}, "Y"},
};

struct CheckBoxToggleTest : CheckBoxFixture, ::testing::WithParamInterface<ToggleCase> {};

TEST_P(CheckBoxToggleTest, ClickStoresTheNextValueAndReportsTheCell) {
    const ToggleCase& c = GetParam();
    Store(4, 1, StyleOf(c.cell));
    Click(4, 1);
    EXPECT_STREQ(Value(4, 1), c.next);
    EXPECT_EQ(grid.clicks, (std::vector<std::pair<ROWCOL, ROWCOL>>{{4, 1}}));
}

INSTANTIATE_TEST_SUITE_P(Values, CheckBoxToggleTest, ::testing::ValuesIn(kToggles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckBoxFixture, ThreeClicksWalkTheTriStateCycleAndUndoWalksBack) {
    Store(1, 1, CGXStyle().SetValue("1").SetTriState(true));
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        Click(1, 1);
        seen.emplace_back(Value(1, 1).GetString());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"0", "", "1"}));
    // Each toggle is one change of its own.
    ASSERT_TRUE(grid.Undo());
    EXPECT_STREQ(Value(1, 1), "");
    ASSERT_TRUE(grid.Undo());
    EXPECT_STREQ(Value(1, 1), "0");
}

// ---- button sequences ----------------------------------------------------------------------------

// One message of a sequence: down, move, up or double click, on the box, beside it in the same
// cell, or over another cell, with the hit state the grid gives it.
struct Step {
    char op;     // 'd' 'm' 'u' 'c'
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
    {"click_on_the_box", {{'d', 'b', kDown}, {'u', 'b', kUpOver}}, 1},
    {"leave_the_box_and_come_back",
     {{'d', 'b', kDown}, {'m', 's', kMoveOver}, {'m', 'b', kMoveOver}, {'u', 'b', kUpOver}},
     1},
    {"leave_the_box_release_beside_it", {{'d', 'b', kDown}, {'m', 's', kMoveOver}, {'u', 's', kUpOver}}, 0},
    {"leave_the_cell_release_there", {{'d', 'b', kDown}, {'m', 'o', kMoveOff}, {'u', 'o', kUpOff}}, 0},
    {"leave_the_cell_and_come_back",
     {{'d', 'b', kDown}, {'m', 'o', kMoveOff}, {'m', 'b', kMoveOver}, {'u', 'b', kUpOver}},
     1},
    {"press_beside_slide_onto_the_box", {{'d', 's', kDown}, {'m', 'b', kMoveOver}, {'u', 'b', kUpOver}}, 1},
    {"press_and_release_beside", {{'d', 's', kDown}, {'u', 's', kUpOver}}, 0},
    {"second_release_of_one_press", {{'d', 'b', kDown}, {'u', 'b', kUpOver}, {'u', 'b', kUpOver}}, 1},
    {"release_without_press", {{'u', 'b', kUpOver}}, 0},
    {"double_click", {{'d', 'b', kDown}, {'u', 'b', kUpOver}, {'c', 'b', 0}}, 2},
    {"double_click_beside", {{'d', 's', kDown}, {'u', 's', kUpOver}, {'c', 's', 0}}, 0},
};

struct CheckBoxSequenceTest : CheckBoxFixture, ::testing::WithParamInterface<SequenceCase> {};

TEST_P(CheckBoxSequenceTest, TogglesOncePerCompletedClick) {
    Store(2, 1, CGXStyle().SetValue("0"));
    MakeCurrent(pBox, 2, 1);
    for (const Step& s : GetParam().steps) {
        const CPoint pt = s.where == 'b' ? InBox(2, 1) : s.where == 's' ? BesideBox(2, 1) : InBox(4, 1);
        switch (s.op) {
        case 'd': pBox->OnLButtonDown(MK_LBUTTON, pt, s.nHit); break;
        case 'm': pBox->OnMouseMove(MK_LBUTTON, pt, s.nHit); break;
        case 'u': pBox->OnLButtonUp(0, pt, s.nHit); break;
        default: pBox->OnLButtonDblClk(MK_LBUTTON, pt, s.nHit); break;
        }
    }
    const int n = GetParam().nToggles;
    EXPECT_EQ(grid.clicks.size(), static_cast<size_t>(n));
    EXPECT_STREQ(Value(2, 1), n % 2 == 1 ? "1" : "0");
    EXPECT_FALSE(pBox->IsPressed());
    EXPECT_STREQ(Value(4, 1), "");  // the cell the pointer wandered over is untouched
}

INSTANTIATE_TEST_SUITE_P(Sequences, CheckBoxSequenceTest, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckBoxFixture, BoxLooksPressedOnlyWhileThePointerIsOverIt) {
    Store(2, 1, CGXStyle().SetValue("0"));
    MakeCurrent(pBox, 2, 1);
    pBox->OnLButtonDown(MK_LBUTTON, InBox(2, 1), kDown);
    EXPECT_EQ(ShownImage(2, 1), kUncheckedPressed);
    pBox->OnMouseMove(MK_LBUTTON, InBox(4, 1), kMoveOff);
    EXPECT_EQ(ShownImage(2, 1), kUnchecked);
    pBox->OnMouseMove(MK_LBUTTON, InBox(2, 1), kMoveOver);
    EXPECT_EQ(ShownImage(2, 1), kUncheckedPressed);
    pBox->OnLButtonUp(0, InBox(2, 1), kUpOver);
    EXPECT_EQ(ShownImage(2, 1), kChecked);
}

TEST_F(CheckBoxFixture, PressOnOneCellIsForgottenWhenAnotherBecomesCurrent) {
    Store(2, 1, CGXStyle().SetValue("0"), 3, 1);
    MakeCurrent(pBox, 2, 1);
    pBox->OnLButtonDown(MK_LBUTTON, InBox(2, 1), kDown);
    MakeCurrent(pBox, 3, 1);
    EXPECT_FALSE(pBox->IsPressed());
    // The box of the cell left behind is not where a release toggles the new one.
    pBox->OnLButtonUp(0, InBox(2, 1), kUpOver);
    EXPECT_TRUE(grid.clicks.empty());
    EXPECT_STREQ(Value(2, 1), "0");
    EXPECT_STREQ(Value(3, 1), "0");
}

// ---- the space bar -------------------------------------------------------------------------------

TEST_F(CheckBoxFixture, SpaceTogglesTheCurrentCellOnly) {
    Store(1, 1, CGXStyle().SetValue("0"), 3, 1);
    MakeCurrent(pBox, 2, 1);
    EXPECT_TRUE(pBox->KeyMessage(WM_CHAR, ' ', 1, 0));
    EXPECT_STREQ(Value(1, 1), "0");
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_STREQ(Value(3, 1), "0");
    MakeCurrent(pBox, 3, 1);
    EXPECT_TRUE(pBox->KeyMessage(WM_CHAR, ' ', 1, 0));
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_STREQ(Value(3, 1), "1");
    EXPECT_EQ(grid.clicks, (std::vector<std::pair<ROWCOL, ROWCOL>>{{2, 1}, {3, 1}}));
}

TEST_F(CheckBoxFixture, KeysOtherThanTheSpaceCharacterToggleNothing) {
    Store(2, 1, CGXStyle().SetValue("0"));
    MakeCurrent(pBox, 2, 1);
    EXPECT_FALSE(pBox->KeyMessage(WM_KEYUP, VK_SPACE, 1, 0));    // an up without its down
    EXPECT_FALSE(pBox->KeyMessage(WM_KEYDOWN, VK_SPACE, 1, 0));  // the character toggles, not the key
    EXPECT_FALSE(pBox->KeyMessage(WM_CHAR, 'x', 1, 0));
    EXPECT_STREQ(Value(2, 1), "0");
    EXPECT_TRUE(grid.clicks.empty());
}

TEST_F(CheckBoxFixture, SpaceWithoutACurrentCellTogglesNothing) {
    Store(2, 1, CGXStyle().SetValue("0"));
    EXPECT_FALSE(pBox->KeyMessage(WM_CHAR, ' ', 1, 0));
    // A control still set up for a cell that is no longer current leaves it alone.
    MakeCurrent(pBox, 2, 1);
    ASSERT_TRUE(grid.SetCurrentCell(3, 2));
    pBox->KeyMessage(WM_CHAR, ' ', 1, 0);
    EXPECT_STREQ(Value(2, 1), "0");
    EXPECT_TRUE(grid.clicks.empty());
}

// ---- cells that refuse ---------------------------------------------------------------------------

TEST_F(CheckBoxFixture, DisabledBoxNeitherPressesNorTogglesNorReports) {
    Store(2, 1, CGXStyle().SetValue("0").SetEnabled(false));
    MakeCurrent(pBox, 2, 1);
    pBox->OnLButtonDown(MK_LBUTTON, InBox(2, 1), kDown);
    EXPECT_FALSE(pBox->IsPressed());
    pBox->OnLButtonUp(0, InBox(2, 1), kUpOver);
    pBox->OnLButtonDblClk(MK_LBUTTON, InBox(2, 1), 0);
    pBox->KeyMessage(WM_CHAR, ' ', 1, 0);
    EXPECT_STREQ(Value(2, 1), "0");
    EXPECT_TRUE(grid.clicks.empty());
    EXPECT_EQ(ShownImage(2, 1), kUncheckedPressed);
}

TEST_F(CheckBoxFixture, ReadOnlyCellKeepsItsValueAndReportsNothing) {
    Store(2, 1, CGXStyle().SetValue("1").SetReadOnly(true));
    grid.GetParam()->SetLockReadOnly(true);
    Click(2, 1);
    pBox->KeyMessage(WM_CHAR, ' ', 1, 0);
    EXPECT_STREQ(Value(2, 1), "1");
    EXPECT_TRUE(grid.clicks.empty());
    // Without the lock the attribute does not hold the cell.
    grid.GetParam()->SetLockReadOnly(false);
    Click(2, 1);
    EXPECT_STREQ(Value(2, 1), "0");
}

TEST_F(CheckBoxFixture, GridThatRefusesEditingKeepsTheValueAndHearsNothing) {
    Store(2, 1, CGXStyle().SetValue("0"));
    grid.bAllowEditing = false;
    Click(2, 1);
    EXPECT_STREQ(Value(2, 1), "0");
    EXPECT_TRUE(grid.clicks.empty());
}

// ---- registration --------------------------------------------------------------------------------

TEST_F(CheckBoxFixture, RegisteredAsTheDialogsDoWithTheThreeDimensionalLook) {
    EXPECT_TRUE(pBox->IsDraw3d());
    EXPECT_EQ(grid.GetControl(3, 1), pBox);
    EXPECT_NE(grid.GetControl(3, 2), pBox);  // the static text stays the default
    CString name;
    ASSERT_TRUE(grid.GetStylesMap()->GetControlNames().Lookup(GX_IDS_CTRL_CHECKBOX3D, name));
    EXPECT_STREQ(name, "Check Box");
    EXPECT_STREQ(pBox->GetRuntimeClass()->m_lpszClassName, "CGXCheckBox");
}

}  // namespace
