// Storing styles into ranges: which slots a range addresses, what counts as a change, undo and
// redo of a store, the question before a change too large to undo, and values.
#include <gtest/gtest.h>

#include <utility>

#include "core_fixture.h"
#include "platform/framework/wnd.h"

namespace {

// Answers the question asked before a change that cannot be undone, and counts the questions.
struct AskingGrid : core_test::TestGrid {
    bool bAnswer = false;
    int nAsked = 0;
    bool ConfirmChangeWithoutUndo() override {
        ++nAsked;
        return bAnswer;
    }
};

struct StoreStylesTest : ::testing::Test {
    AskingGrid grid;
    void SetUp() override {
        core_test::RegisterHost();
        grid.Initialize();
        grid.GetData()->SetRowCount(50000);
        grid.GetData()->SetColCount(10);
    }
    const CGXStyle* Stored(ROWCOL r, ROWCOL c, int nType = gxCellStyle) {
        return grid.GetData()->GetStoredStyle(r, c, nType);
    }
    int UndoCount() { return grid.GetParam()->GetUndoList().GetCount(); }
};

}  // namespace

TEST_F(StoreStylesTest, WholeRowsColumnsAndTheTableStoreTheirOwnStyles) {
    CGXStyle s;
    s.SetTextColor(RGB(1, 2, 3));
    ASSERT_TRUE(grid.SetStyleRange(CGXRange().SetRows(3, 4), &s, int(ModifyMode::Override)));
    ASSERT_TRUE(grid.SetStyleRange(CGXRange().SetCols(2, 2), &s, int(ModifyMode::Override)));
    ASSERT_TRUE(grid.SetStyleRange(CGXRange().SetTable(), &s, int(ModifyMode::Override)));
    for (const auto& [r, c] : {std::pair<ROWCOL, ROWCOL>{3, 0}, {4, 0}, {0, 2}, {0, 0}})
        EXPECT_NE(Stored(r, c, gxRangeStyle), nullptr) << r << "," << c;
    EXPECT_EQ(Stored(3, 1), nullptr) << "no cell style";
    EXPECT_EQ(grid.LookupStyleRowCol(3, 5).GetTextColor(), RGB(1, 2, 3));
}

TEST_F(StoreStylesTest, AChangeThatChangesNothingIsNeitherRecordedNorRedrawn) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, 0));
    grid.SetGridWnd(&wnd);
    CGXStyle s;
    s.SetValue("x");
    ASSERT_TRUE(grid.SetStyleRange(CGXRange(2, 2, 3, 3), &s, int(ModifyMode::Override), gxCellStyle, nullptr,
                                   GX_REDRAWLATER));
    EXPECT_EQ(UndoCount(), 1);
    CRect r;
    EXPECT_TRUE(wnd.GetUpdateRect(&r, FALSE));
    wnd.ValidateRect(nullptr);
    EXPECT_FALSE(grid.SetStyleRange(CGXRange(2, 2, 3, 3), &s, int(ModifyMode::Override), gxCellStyle, nullptr,
                                    GX_REDRAWLATER));
    EXPECT_EQ(UndoCount(), 1);
    EXPECT_FALSE(wnd.GetUpdateRect(&r, FALSE));
    // Recording switched off by the command mode.
    s.SetValue("y");
    ASSERT_TRUE(grid.SetStyleRange(CGXRange(2, 2, 2, 2), &s, int(ModifyMode::Override), gxCellStyle, nullptr,
                                   GX_INVALIDATE, gxNoRecord));
    EXPECT_EQ(UndoCount(), 1);
    grid.SetGridWnd(nullptr);
}

TEST_F(StoreStylesTest, UndoRemovesWhatWasNotThereAndRedoBringsItBack) {
    ASSERT_TRUE(grid.SetValueRange(CGXRange(1, 1, 1, 1), "before"));
    ASSERT_TRUE(grid.SetValueRange(CGXRange(1, 1, 2, 2), "after"));
    ASSERT_TRUE(grid.Undo());
    ASSERT_NE(Stored(1, 1), nullptr);
    EXPECT_EQ(Stored(1, 1)->GetValue(), "before");
    EXPECT_EQ(Stored(2, 2), nullptr);
    EXPECT_EQ(Stored(1, 2), nullptr);
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(CString(grid.GetValueRowCol(2, 2)), "after");
    EXPECT_EQ(CString(grid.GetValueRowCol(1, 1)), "after");
    // A read-only grid refuses, and the cell keeps its value.
    grid.GetParam()->SetReadOnly(true);
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1, 1, 1), "no"));
    EXPECT_EQ(CString(grid.GetValueRowCol(1, 1)), "after");
}

TEST_F(StoreStylesTest, ATooLargeChangeAsksBeforeGoingOnWithoutUndo) {
    CGXStyle s;
    s.SetValue("v");
    const CGXRange tall(1, 1, 40000, 1);
    grid.bAnswer = false;
    EXPECT_FALSE(grid.SetStyleRange(tall, &s, int(ModifyMode::Override)));
    EXPECT_EQ(grid.nAsked, 1);
    EXPECT_EQ(Stored(1, 1), nullptr);
    grid.bAnswer = true;
    EXPECT_TRUE(grid.SetStyleRange(tall, &s, int(ModifyMode::Override)));
    EXPECT_EQ(grid.nAsked, 2);
    EXPECT_NE(Stored(40000, 1), nullptr);
    EXPECT_EQ(UndoCount(), 0);
    // Beyond the last row nothing is visited: a range to the last row number ends at the count.
    EXPECT_TRUE(grid.SetStyleRange(CGXRange(49999, 1, 0xFFFFFFFE, 1), &s, int(ModifyMode::Override), gxCellStyle,
                                   nullptr, GX_INVALIDATE, gxNoRecord));
    EXPECT_EQ(grid.GetRowCount(), 50000u);
}

TEST_F(StoreStylesTest, EscapeStopsAChangeAfterTheRowsDoneWhichStayRedrawnAndUndoable) {
    // The user pressed Escape: the first look between two rows finds it.
    PostMessage(nullptr, WM_KEYDOWN, VK_ESCAPE, 0);
    CGXStyle s;
    s.SetValue("x");
    EXPECT_TRUE(grid.SetStyleRange(CGXRange(3, 1, 9, 2), &s, int(ModifyMode::Override)));
    EXPECT_NE(Stored(3, 2), nullptr);
    EXPECT_EQ(Stored(4, 1), nullptr) << "stopped after the first row";
    ASSERT_EQ(UndoCount(), 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Stored(3, 1), nullptr);
    ASSERT_TRUE(grid.Redo());
    EXPECT_NE(Stored(3, 2), nullptr);
    EXPECT_EQ(Stored(4, 1), nullptr);
    // Undo and redo themselves cannot be stopped, and a key other than Escape waits its turn.
    ASSERT_TRUE(grid.Undo());
    PostMessage(nullptr, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(grid.Redo());
    MSG msg{};
    EXPECT_TRUE(PeekMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) << "left for the window";
    PostMessage(nullptr, WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(grid.SetStyleRange(CGXRange(10, 1, 12, 1), &s, int(ModifyMode::Override)));
    EXPECT_NE(Stored(12, 1), nullptr);
    EXPECT_TRUE(PeekMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM('A'));
}
