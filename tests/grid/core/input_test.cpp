// The grid under a person's hands, through the synthetic-input path: clicks make cells current
// (the editor's tests keep greyed cells from becoming current), the hooks of leaving a cell, the
// arrow and page keys, Shift extending the selection, dragging a selection and a column border,
// copying and pasting a block, Delete, and undo and redo by keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/controls/static_control.h"
#include "grid_wnd_fixture.h"
#include "host/resources/host_resources.h"
#include "platform/win/cursor_resource.h"
#include "platform/win/synthetic_input.h"

namespace {

// Counts the hooks of leaving a cell, and may refuse leaving and clearing.
struct InputGrid : core_test::FixedGridWnd {
    int nLeaving = 0, nLeft = 0;
    bool bAllowLeaving = true, bAllowClear = true;
    bool OnLeavingCell(ROWCOL, ROWCOL) override {
        ++nLeaving;
        return bAllowLeaving;
    }
    bool OnLeftCell(ROWCOL, ROWCOL, ROWCOL, ROWCOL) override {
        ++nLeft;
        return true;
    }
    bool CanClear() override { return bAllowClear && CGXGridWnd::CanClear(); }
};

std::string ClipboardText() {
    std::vector<BYTE> bytes;
    if (!OpenClipboard(nullptr)) return "<busy>";
    const bool bText = GetClipboardBytes(1, bytes) != FALSE;
    CloseClipboard();
    if (!bText) return "<none>";
    return std::string(reinterpret_cast<const char*>(bytes.data()));
}

void SetClipboardText(const char* psz) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardBytes(1, psz, std::strlen(psz) + 1);
    CloseClipboard();
}

struct InputTest : ::testing::Test {
    CWnd parent;
    InputGrid grid;

    void SetUp() override {
        host_resources::RegisterForProcess();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "input", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, 0));
        ASSERT_TRUE(core_test::TakeOverPlaceholder(grid, parent.GetSafeHwnd(), CRect(0, 0, 600, 400), WS_VSCROLL));
        grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), true);
        grid.GetData()->SetRowCount(100);
        grid.GetData()->SetColCount(5);
        for (ROWCOL r = 1; r <= 100; ++r)
            for (ROWCOL c = 1; c <= 5; ++c) {
                CString s;
                s.Format("%lu.%lu", static_cast<unsigned long>(r), static_cast<unsigned long>(c));
                CGXStyle style;
                grid.StoreStyleRowCol(r, c, &style.SetValue(s), ModifyMode::Override);
            }
        grid.UpdateScrollbars();
        grid.SetFocus();
        PumpMessages();
    }
    void TearDown() override {
        // Keys held by a failed case must not leak into the next.
        for (UINT vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
            if (GetKeyState(static_cast<int>(vk)) < 0) synthetic::KeyUp(vk);
        PumpMessages();
    }
    CPoint Centre(ROWCOL r, ROWCOL c) { return grid.CalcCellRect(r, c).CenterPoint(); }
    void Click(ROWCOL r, ROWCOL c, UINT vkHeld = 0) {
        if (vkHeld) synthetic::KeyDown(vkHeld);
        synthetic::Click(grid.GetSafeHwnd(), Centre(r, c));
        if (vkHeld) synthetic::KeyUp(vkHeld);
        PumpMessages();
    }
    void Drag(CPoint from, CPoint to) {
        synthetic::MouseDown(grid.GetSafeHwnd(), from);
        synthetic::MouseMove(grid.GetSafeHwnd(), CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
        synthetic::MouseMove(grid.GetSafeHwnd(), to);
        synthetic::MouseUp(grid.GetSafeHwnd(), to);
        PumpMessages();
    }
    void Key(UINT vk, UINT vkHeld = 0) {
        if (vkHeld) synthetic::KeyDown(vkHeld);
        synthetic::KeyPress(vk);
        if (vkHeld) synthetic::KeyUp(vkHeld);
        PumpMessages();
    }
    std::pair<ROWCOL, ROWCOL> Current() {
        ROWCOL r = 0, c = 0;
        return grid.GetCurrentCell(r, c) ? std::make_pair(r, c) : std::make_pair(GX_INVALID, GX_INVALID);
    }
    CString Value(ROWCOL r, ROWCOL c) { return grid.GetValueRowCol(r, c); }
};

using Cell = std::pair<ROWCOL, ROWCOL>;

}  // namespace

// ---- the current cell -----------------------------------------------------------------------------

TEST_F(InputTest, AClickMakesTheCellCurrentAndCoveredCellsAtTheirTopLeft) {
    Click(3, 2);
    EXPECT_EQ(Current(), Cell(3, 2));
    ASSERT_NE(grid.GetCurrentCellControl(), nullptr);
    EXPECT_TRUE(grid.GetCurrentCellControl()->IsInit(3, 2));
    grid.SetCoveredCellsRowCol(7, 1, 8, 3);
    Click(8, 3);
    EXPECT_EQ(Current(), Cell(7, 1));
    // A cell that does not exist is refused before the current cell is left.
    grid.nLeaving = 0;
    EXPECT_FALSE(grid.SetCurrentCell(500, 1));
    EXPECT_EQ(Current(), Cell(7, 1));
    EXPECT_EQ(grid.nLeaving, 0);
    EXPECT_TRUE(grid.GetCurrentCellControl()->IsInit(7, 1));
}

TEST_F(InputTest, LeavingACellCallsItsHooksOnceAndARefusalKeepsIt) {
    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    grid.nLeaving = grid.nLeft = 0;
    // The same cell again is left and entered again.
    EXPECT_TRUE(grid.SetCurrentCell(2, 2));
    EXPECT_EQ(grid.nLeaving, 1);
    EXPECT_EQ(grid.nLeft, 1);
    grid.bAllowLeaving = false;
    EXPECT_FALSE(grid.SetCurrentCell(4, 4));
    EXPECT_EQ(Current(), Cell(2, 2));
    EXPECT_EQ(grid.nLeaving, 2);
    EXPECT_EQ(grid.nLeft, 1) << "no OnLeftCell for a refused move";
    Key(VK_DOWN);
    EXPECT_EQ(Current(), Cell(2, 2));
}

// ---- keys -----------------------------------------------------------------------------------------

TEST_F(InputTest, ArrowAndPageKeysMoveOverHiddenRowsNotIntoHeaders) {
    ASSERT_TRUE(grid.SetCurrentCell(1, 1));
    Key(VK_UP);
    EXPECT_EQ(Current(), Cell(1, 1)) << "not into the header row";
    Key(VK_LEFT);
    EXPECT_EQ(Current(), Cell(1, 1));
    grid.HideRows(2, 3);
    Key(VK_DOWN);
    EXPECT_EQ(Current(), Cell(4, 1));
    Key(VK_RIGHT);
    EXPECT_EQ(Current(), Cell(4, 2));
    // A page: the rows the window shows in full, and the grid scrolls with it.
    const ROWCOL nTop = grid.GetTopRow();
    Key(VK_NEXT);
    EXPECT_GT(Current().first, 4u + 15);
    EXPECT_GT(grid.GetTopRow(), nTop);
    EXPECT_LE(grid.GetTopRow(), Current().first);
    EXPECT_GE(grid.GetLastVisibleRow(), Current().first);
    Key(VK_PRIOR);
    EXPECT_LT(Current().first, 10u);
    Key(VK_END, VK_CONTROL);
    EXPECT_EQ(Current(), Cell(100, 5));
    EXPECT_GE(grid.GetLastVisibleRow(), 100u);
    Key(VK_HOME);
    EXPECT_EQ(Current(), Cell(100, 5)) << "Home without Ctrl is not the grid's";
    Key(VK_HOME, VK_CONTROL);
    EXPECT_EQ(Current(), Cell(1, 1));
    EXPECT_EQ(grid.GetTopRow(), 1u);
}

TEST_F(InputTest, ShiftExtendsTheSelectionFromTheCellWhereItStarted) {
    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    synthetic::KeyDown(VK_SHIFT);
    synthetic::KeyPress(VK_DOWN);
    synthetic::KeyPress(VK_DOWN);
    synthetic::KeyPress(VK_RIGHT);
    synthetic::KeyUp(VK_SHIFT);
    PumpMessages();
    const CGXRangeList* pSel = grid.GetSelection();
    ASSERT_EQ(pSel->GetCount(), 1);
    EXPECT_EQ(*pSel->GetHead(), CGXRange(2, 2, 4, 3));
    EXPECT_EQ(Current(), Cell(4, 3));
    // A plain move starts afresh.
    Key(VK_DOWN);
    synthetic::KeyDown(VK_SHIFT);
    synthetic::KeyPress(VK_UP);
    synthetic::KeyUp(VK_SHIFT);
    PumpMessages();
    ASSERT_EQ(pSel->GetCount(), 1);
    EXPECT_EQ(*pSel->GetHead(), CGXRange(4, 3, 5, 3));
}

TEST_F(InputTest, DeleteClearsOnlyWhatTheGridAllowsAndUndoRedoByKeys) {
    Click(2, 2);
    grid.bAllowClear = false;
    Key(VK_DELETE);
    EXPECT_EQ(Value(2, 2), "2.2");
    grid.bAllowClear = true;
    Key(VK_DELETE);
    EXPECT_EQ(Value(2, 2), "");
    Key('Z', VK_CONTROL);
    EXPECT_EQ(Value(2, 2), "2.2");
    Key('Y', VK_CONTROL);
    EXPECT_EQ(Value(2, 2), "");
    Key(VK_BACK, VK_MENU);
    EXPECT_EQ(Value(2, 2), "2.2") << "Alt+Backspace undoes";
    Key(VK_BACK, VK_CONTROL);
    EXPECT_EQ(Value(2, 2), "") << "Ctrl+Backspace redoes";
}

// ---- the mouse ------------------------------------------------------------------------------------

TEST_F(InputTest, DraggingSelectsABlockAndAPlainClickSelectsNothing) {
    Drag(Centre(2, 1), Centre(4, 3));
    const CGXRangeList* pSel = grid.GetSelection();
    ASSERT_EQ(pSel->GetCount(), 1);
    EXPECT_EQ(*pSel->GetHead(), CGXRange(2, 1, 4, 3));
    EXPECT_EQ(Current(), Cell(2, 1));
    Click(6, 2);
    EXPECT_EQ(pSel->GetCount(), 0);
    // Ctrl adds: the current cell first, then the clicked one.
    Click(8, 2, VK_CONTROL);
    EXPECT_EQ(pSel->GetCount(), 2);
    EXPECT_TRUE(grid.IsCellSelected(6, 2));
    EXPECT_TRUE(grid.IsCellSelected(8, 2));
    // A column header selects the column.
    Click(0, 4);
    ASSERT_EQ(pSel->GetCount(), 1);
    EXPECT_TRUE(pSel->GetHead()->IsCols());
}

TEST_F(InputTest, AColumnBorderDragsToANewWidthOnlyWhenSizingIsAllowed) {
    const CRect header = grid.CalcCellRect(0, 2);
    // Two presses far enough apart not to make a double click.
    const CPoint border(header.right - 1, header.top + 3), border2(header.right - 1, header.bottom - 4);
    grid.GetParam()->SetColSizingFlags(0);
    Drag(border, CPoint(border.x + 40, border.y));
    EXPECT_EQ(grid.GetColWidth(2), 100);
    grid.GetParam()->SetColSizingFlags(0xB2);
    Drag(border2, CPoint(border2.x + 40, border2.y));
    EXPECT_EQ(grid.GetColWidth(2), 139);
    Key('Z', VK_CONTROL);
    EXPECT_EQ(grid.GetColWidth(2), 100) << "one undoable change for the whole drag";
}

// ---- the clipboard --------------------------------------------------------------------------------

TEST_F(InputTest, CopyAndPasteABlockAsText) {
    SetClipboardText("untouched");
    // Nothing current, nothing selected: the clipboard keeps what the user put there.
    Key('C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), "untouched");
    Drag(Centre(2, 1), Centre(3, 2));
    Key('C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), "2.1\t2.2\r\n3.1\t3.2\r\n");
    Click(10, 3);
    Key('V', VK_CONTROL);
    EXPECT_EQ(Value(10, 3), "2.1");
    EXPECT_EQ(Value(11, 4), "3.2");
    EXPECT_EQ(Value(12, 3), "12.3") << "the final line break starts no row";
    Key('Z', VK_CONTROL);
    EXPECT_EQ(Value(10, 3), "10.3");
    EXPECT_EQ(Value(11, 4), "11.4") << "a paste is one undoable change";
    // The current cell alone, through its control, which falls back to the grid.
    Key(VK_ESCAPE);
    Click(5, 5);
    Key('C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), "5.5");
    // A paste reaching beyond the table stops at its edge.
    SetClipboardText("a\tb\tc\r\nd\te\tf");
    ASSERT_TRUE(grid.SetCurrentCell(100, 4, GX_CC_SCROLLINVIEW));
    Key('V', VK_CONTROL);
    EXPECT_EQ(Value(100, 4), "a");
    EXPECT_EQ(Value(100, 5), "b");
    EXPECT_EQ(grid.GetRowCount(), 100u);
}

TEST_F(InputTest, APressHeldOnAFrozenCellStaysOverItAndTheControlHearsEveryStep) {
    // Records the hit states of the button sequences it gets.
    struct Recording : CGXStatic {
        using CGXStatic::CGXStatic;
        std::vector<int> states;
        bool OnLButtonDown(UINT, CPoint, int nState) override {
            states.push_back(nState);
            return true;
        }
        bool OnLButtonUp(UINT, CPoint, int nState) override {
            states.push_back(nState);
            return true;
        }
    };
    auto* pControl = new Recording(&grid);
    grid.RegisterControl(GX_IDS_CTRL_STATIC, pControl, true);
    grid.SetFrozenRows(1);
    const CPoint pt = Centre(1, 2);
    synthetic::MouseDown(grid.GetSafeHwnd(), pt);
    synthetic::MouseMove(grid.GetSafeHwnd(), CPoint(pt.x + 2, pt.y + 1));
    synthetic::MouseUp(grid.GetSafeHwnd(), CPoint(pt.x + 2, pt.y + 1));
    PumpMessages();
    ASSERT_EQ(pControl->states.size(), 2u);
    EXPECT_EQ(pControl->states[0] & (GX_HIT_DOWN | GX_HIT_INDOWNCELL), GX_HIT_DOWN | GX_HIT_INDOWNCELL);
    EXPECT_EQ(pControl->states[1] & (GX_HIT_UP | GX_HIT_INDOWNCELL), GX_HIT_UP | GX_HIT_INDOWNCELL)
        << "released over the cell it was pressed on";
    // Pressed, dragged away and brought back: released over the down cell again.
    pControl->states.clear();
    synthetic::MouseDown(grid.GetSafeHwnd(), Centre(4, 2));
    synthetic::MouseMove(grid.GetSafeHwnd(), Centre(6, 3));
    synthetic::MouseMove(grid.GetSafeHwnd(), Centre(4, 2));
    synthetic::MouseUp(grid.GetSafeHwnd(), Centre(4, 2));
    PumpMessages();
    ASSERT_FALSE(pControl->states.empty());
    EXPECT_NE(pControl->states.back() & GX_HIT_INDOWNCELL, 0);
}

TEST_F(InputTest, TheCursorFollowsTheHitWithTheHostsCursors) {
    const CRect header = grid.CalcCellRect(0, 2);
    synthetic::MouseMove(grid.GetSafeHwnd(), CPoint(header.right - 1, header.CenterPoint().y));
    PumpMessages();
    const CursorImage* pSizing = GetCursorImage(GetCursor());
    ASSERT_NE(pSizing, nullptr) << "the host's column sizing cursor";
    EXPECT_EQ(pSizing->hotspot.x, 7);
    synthetic::MouseMove(grid.GetSafeHwnd(), Centre(3, 3));
    PumpMessages();
    EXPECT_EQ(GetCursorImage(GetCursor()), nullptr) << "a cell shows the window's own cursor";
    synthetic::MouseMove(grid.GetSafeHwnd(), grid.CalcCellRect(4, 0).CenterPoint());
    PumpMessages();
    EXPECT_NE(GetCursorImage(GetCursor()), nullptr) << "a row header selects the row";
    grid.GetParam()->SetSelectionFlags(0);
    synthetic::MouseMove(grid.GetSafeHwnd(), grid.CalcCellRect(5, 0).CenterPoint());
    PumpMessages();
    EXPECT_EQ(GetCursorImage(GetCursor()), nullptr) << "unless rows cannot be selected";
}
