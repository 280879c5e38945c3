// The grid as a window: taking over a "GXWND" placeholder, scroll bars and their factors, the
// scroll requests, DoScroll painting only what scrolled in, bars that come and go, focus, and the
// window's end of life.
#include <gtest/gtest.h>

#include <vector>

#include "grid_wnd_fixture.h"
#include "host/resources/host_resources.h"
#include "platform/framework/dialog.h"
#include "platform/framework/exceptions.h"
#include "platform/win/dialog_script.h"
#include "platform/win/dialog_template.h"
#include "platform/win/system_metrics.h"
#include "platform/win/window_surface.h"

namespace {

using core_test::TakeOverPlaceholder;

// Rows 18 and columns 100 pixels; counts its paints.
struct TestGridWnd : core_test::FixedGridWnd {
    int nPaints = 0;
    void DrawGrid(CDC* pDC) override {
        ++nPaints;
        CGXGridWnd::DrawGrid(pDC);
    }
};

constexpr int kRow = 18;
constexpr int kHeader = 21;

// The client-area pixels of a window, row by row.
std::vector<COLORREF> Pixels(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC dc = GetDC(hwnd);
    std::vector<COLORREF> out;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x) out.push_back(GetPixel(dc, x, y));
    ReleaseDC(hwnd, dc);
    return out;
}

struct GridWndTest : ::testing::Test {
    CWnd parent;
    TestGridWnd grid;

    void SetUp() override {
        host_resources::RegisterForProcess();
        ASSERT_TRUE(host_resources::RegisterGridWindowClass());
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "grid test", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500, nullptr, 0));
    }
    // A placeholder of the grid's class, taken over as a dialog does it; nRows rows of 18 pixels
    // and a client area nClientHeight high (below its horizontal bar, when it has one).
    void Make(ROWCOL nRows, int nClientHeight, DWORD dwBars = WS_VSCROLL) {
        const int nHeight = nClientHeight + ((dwBars & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
        ASSERT_TRUE(TakeOverPlaceholder(grid, parent.GetSafeHwnd(), CRect(0, 0, 400, nHeight), dwBars));
        grid.GetData()->SetRowCount(nRows);
        grid.GetData()->SetColCount(3);
        grid.UpdateScrollbars();
        grid.UpdateWindow();
    }
    bool VertBarShown() const { return (grid.GetStyle() & WS_VSCROLL) != 0; }
    void Send(UINT nCode, UINT nPos = 0) { grid.SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, nPos), 0); }
};

// ---- taking over a placeholder --------------------------------------------------------------------

class GridDialog : public CDialog {
public:
    TestGridWnd m_grid;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_grid.SubclassDlgItem(5000, this);
        m_grid.InitFromPlaceholder();
        m_grid.SetRowCount(200);
        m_grid.UpdateScrollbars();
        return TRUE;
    }
};

TEST(GridWndDialogTest, TakesOverThePlaceholderOfATemplatePaintsAndScrollsByItsBar) {
    host_resources::RegisterForProcess();
    const DialogItem items[] = {
        Control(5000, "GXWND", "InterruptGridWnd", 7, 7, 200, 120, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP),
        PushButton(IDCANCEL, "Cancel", 7, 135, 50, 14),
    };
    const std::vector<BYTE> bytes = BuildDialogTemplate(DialogHeader{"Grid", 0, 0, 220, 160}, items);
    GridDialog dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(bytes.data()));
    ModalScript script;
    script
        .Then([&](HWND) {
            CGXGridWnd& g = dlg.m_grid;
            EXPECT_TRUE(g.IsInitialized());
            EXPECT_EQ(g.GetScrollBarMode(SB_VERT), GX_SCROLL_WHENNEEDED | GX_SCROLL_NOEMPTYEND);
            EXPECT_EQ(g.GetScrollBarMode(SB_HORZ), 0);
            EXPECT_NE(g.GetStyle() & WS_VSCROLL, 0u) << "200 rows do not fit";
            EXPECT_GT(dlg.m_grid.nPaints, 0);
            // Arrows, tab and characters stay with the grid.
            EXPECT_EQ(g.SendMessage(WM_GETDLGCODE) & 0x83, 0x83);
            // A person clicks the bar's lower arrow.
            CRect rc;
            g.GetWindowRect(&rc);
            g.ScreenToClient(&rc);
            const int nArrow = GetSystemMetrics(SM_CYVSCROLL);
            synthetic::Click(g.GetSafeHwnd(), POINT{rc.right - 1 - GetSystemMetrics(SM_CXVSCROLL) / 2,
                                                    rc.bottom - 1 - nArrow / 2});
        })
        .Then([&](HWND) {
            EXPECT_EQ(dlg.m_grid.GetTopRow(), 2u);
            EXPECT_EQ(dlg.m_grid.GetScrollPos(SB_VERT), 2);
        })
        .Then([&](HWND hDlg) { synthetic::ClickDlgItem(hDlg, IDCANCEL); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(script.Remaining(), 0u);
}

TEST_F(GridWndTest, RefusesToInitialiseWithoutItsWindowClassAndPaintsNothingBefore) {
    // A class no window uses can go; a placeholder of another class is no grid's.
    ASSERT_TRUE(UnregisterClassA(GX_GRID_WNDCLASS, nullptr));
    HWND h = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent.GetSafeHwnd(), nullptr,
                             nullptr, nullptr);
    ASSERT_TRUE(grid.SubclassWindow(h));
    EXPECT_THROW(grid.InitFromPlaceholder(), CNotSupportedException);
    EXPECT_FALSE(grid.IsInitialized());
    EXPECT_FALSE(grid.DoScroll(GX_DOWN, 1));
    ASSERT_TRUE(host_resources::RegisterGridWindowClass());
}

// ---- scroll bars ----------------------------------------------------------------------------------

TEST_F(GridWndTest, AHundredThousandRowsScrollByFactorFourAndTheThumbLandsOnItsRow) {
    Make(100000, 300);
    grid.SetScrollBarMode(SB_VERT, GX_SCROLL_ALWAYS | GX_SCROLL_NOEMPTYEND);
    grid.UpdateScrollbars();
    EXPECT_EQ(grid.GetScrollFactor(SB_VERT), 4u);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(grid.GetScrollInfo(SB_VERT, &si));
    EXPECT_EQ(si.nMax, 100000 / 4);
    // The page is the rows the last screen shows, so that the thumb is as long as what it shows.
    EXPECT_EQ(si.nPage, (100000 - grid.GetLastSensibleTopRow() + 1) / 4);
    Send(SB_THUMBPOSITION, 1000);
    EXPECT_EQ(grid.GetTopRow(), 4000u);
    EXPECT_EQ(grid.GetScrollPos(SB_VERT), 1000);
    // The top of the bar is the first row, not the factor's.
    Send(SB_THUMBPOSITION, 0);
    EXPECT_EQ(grid.GetTopRow(), 1u);
    Send(SB_BOTTOM);
    EXPECT_EQ(grid.GetTopRow(), grid.GetLastSensibleTopRow()) << "no empty space after the last row";
    // Thumb tracking follows the parameter.
    grid.m_bThumbTrack = false;
    Send(SB_THUMBTRACK, 10);
    EXPECT_NE(grid.GetTopRow(), 40u);
    grid.m_bThumbTrack = true;
    Send(SB_THUMBTRACK, 10);
    EXPECT_EQ(grid.GetTopRow(), 40u);
}

TEST_F(GridWndTest, PagesMakeTheCutOffRowTheTopAndTheOldTopTheLast) {
    // The header row (21 pixels) and rows 1..20 fully visible, row 21 cut off.
    Make(100, kHeader + 20 * kRow + kRow / 2);
    Send(SB_PAGEDOWN);
    EXPECT_EQ(grid.GetTopRow(), 21u);
    Send(SB_PAGEUP);
    EXPECT_EQ(grid.GetTopRow(), 2u) << "row 21 is now the last row fully shown";
    Send(SB_TOP);
    EXPECT_EQ(grid.GetTopRow(), 1u);
    // Only the top row in view: a page is one row.
    ASSERT_TRUE(grid.SetRowHeight(21, 21, 1000));
    Send(SB_THUMBPOSITION, 21);
    EXPECT_EQ(grid.GetTopRow(), 21u);
    Send(SB_PAGEDOWN);
    EXPECT_EQ(grid.GetTopRow(), 22u);
    Send(SB_LINEUP);
    Send(SB_LINEUP);
    EXPECT_EQ(grid.GetTopRow(), 20u);
}

TEST_F(GridWndTest, ABarShownWhenNeededComesAndGoesWithTheRows) {
    Make(5, 200);
    EXPECT_FALSE(VertBarShown()) << "five rows fit";
    grid.GetData()->SetRowCount(50);
    grid.UpdateScrollbars(true, true);
    EXPECT_TRUE(VertBarShown());
    // No empty space at the end: a top row beyond the last sensible one is pulled back.
    grid.SetTopRow(50, GX_INVALIDATE);
    grid.UpdateScrollbars();
    EXPECT_EQ(grid.GetTopRow(), grid.GetLastSensibleTopRow());
    EXPECT_LT(grid.GetTopRow(), 50u);
    grid.GetData()->SetRowCount(5);
    grid.SetTopRow(1, GX_INVALIDATE);
    grid.UpdateScrollbars(true, true);
    EXPECT_FALSE(VertBarShown());
    // Mode 0 hides a bar for good.
    grid.GetData()->SetRowCount(50);
    grid.SetScrollBarMode(SB_VERT, 0);
    grid.UpdateScrollbars();
    EXPECT_FALSE(VertBarShown());
}

// ---- DoScroll -------------------------------------------------------------------------------------

TEST_F(GridWndTest, ScrollingPaintsOnlyWhatScrolledInAndShowsWhatAFullPaintShows) {
    Make(1000, 300, WS_VSCROLL | WS_HSCROLL);
    grid.GetData()->SetColCount(8);
    grid.SetFrozenRows(1, 0, GX_INVALIDATE);
    for (ROWCOL r = 1; r <= 60; ++r) {
        CString s;
        s.Format("r%lu", static_cast<unsigned long>(r));
        grid.SetValueRange(CGXRange(r, 1, r, 8), s, ModifyMode::Override, gxCellStyle, GX_INVALIDATE);
    }
    grid.UpdateScrollbars();
    grid.Invalidate(FALSE);
    grid.UpdateWindow();

    struct Case {
        int nDirection;
        ROWCOL nCount;
    };
    for (const Case c : {Case{GX_DOWN, 1}, Case{GX_DOWN, 3}, Case{GX_UP, 2}, Case{GX_RIGHT, 1}, Case{GX_LEFT, 1},
                         Case{GX_DOWN, 30}}) {
        const ROWCOL nTop = grid.GetTopRow(), nLeft = grid.GetLeftCol();
        ASSERT_TRUE(grid.DoScroll(c.nDirection, c.nCount));
        CRect update;
        grid.GetUpdateRect(&update);
        const CRect client = grid.GetGridRect();
        const bool bRows = c.nDirection == GX_DOWN || c.nDirection == GX_UP;
        const int nMoved = bRows ? int(c.nCount) * kRow : int(c.nCount) * 100;
        if (nMoved < (bRows ? client.Height() - 2 * kRow : client.Width() - 50)) {
            EXPECT_LE(bRows ? update.Height() : update.Width(), nMoved + 2)
                << c.nDirection << " by " << c.nCount << " from " << nTop << ", " << nLeft;
        }
        grid.UpdateWindow();
        const std::vector<COLORREF> scrolled = Pixels(grid.GetSafeHwnd());
        grid.Invalidate(FALSE);
        grid.UpdateWindow();
        EXPECT_EQ(scrolled, Pixels(grid.GetSafeHwnd())) << c.nDirection << " by " << c.nCount;
    }
    EXPECT_FALSE(grid.DoScroll(GX_UP, 0));
    grid.SetTopRow(4, GX_INVALIDATE);
    EXPECT_TRUE(grid.DoScroll(GX_UP, 5)) << "to the first scrollable row";
    EXPECT_EQ(grid.GetTopRow(), 2u);
    EXPECT_EQ(grid.GetPrevTopRow(), 4u);
    EXPECT_FALSE(grid.DoScroll(GX_UP, 1)) << "already there";
}

TEST_F(GridWndTest, ScrollingStepsOverHiddenRowsAndAskesTheGrid) {
    struct Vetoing : TestGridWnd {
        bool bAllow = true;
        int nChanged = 0;
        bool CanChangeTopRow(ROWCOL) override { return bAllow; }
        void OnTopRowChanged() override { ++nChanged; }
    };
    Make(100, 200);
    ASSERT_TRUE(grid.HideRows(2, 4));
    EXPECT_TRUE(grid.DoScroll(GX_DOWN, 1));
    EXPECT_EQ(grid.GetTopRow(), 5u) << "the top row is never a hidden one";
    EXPECT_TRUE(grid.DoScroll(GX_UP, 1));
    EXPECT_EQ(grid.GetTopRow(), 1u);

    CWnd parent2;
    ASSERT_TRUE(parent2.CreateEx(0, nullptr, "veto", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, 0));
    Vetoing v;
    ASSERT_TRUE(TakeOverPlaceholder(v, parent2.GetSafeHwnd(), CRect(0, 0, 200, 200), WS_VSCROLL));
    v.GetData()->SetRowCount(100);
    v.bAllow = false;
    EXPECT_FALSE(v.DoScroll(GX_DOWN, 5));
    v.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(v.GetTopRow(), 1u);
    EXPECT_EQ(v.nChanged, 0);
    v.bAllow = true;
    EXPECT_TRUE(v.DoScroll(GX_DOWN, 5));
    EXPECT_EQ(v.nChanged, 1);
}

// ---- focus and the end of life --------------------------------------------------------------------

TEST_F(GridWndTest, FocusActivatesTheGridButNotWhenItMovesToItsOwnChild) {
    Make(10, 200);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 450, 0, 50, 50, parent.GetSafeHwnd(), 7));
    other.SetFocus();
    EXPECT_FALSE(grid.IsActiveGrid());
    grid.SetFocus();
    EXPECT_TRUE(grid.IsActiveGrid());
    EXPECT_EQ(CGXGridCore::GetLastActiveGrid(), static_cast<CGXGridCore*>(&grid));
    // A cell's edit window is part of the grid.
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, grid.GetSafeHwnd(), 8));
    edit.SetFocus();
    EXPECT_TRUE(grid.IsActiveGrid());
    // A click into the grid while its child has the focus leaves the focus there.
    synthetic::Click(grid.GetSafeHwnd(), POINT{200, 150});
    PumpMessages();
    EXPECT_EQ(CWnd::GetFocus(), &edit);
    grid.SetFocus();
    EXPECT_TRUE(grid.IsActiveGrid());
    other.SetFocus();
    EXPECT_FALSE(grid.IsActiveGrid());
    // A click elsewhere in the grid takes the focus into it (the second one a double click).
    synthetic::Click(grid.GetSafeHwnd(), POINT{200, 150});
    PumpMessages();
    EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(&grid));
}

TEST_F(GridWndTest, AGridTheEngineMadeDeletesItselfWithItsWindow) {
    static int nDeleted = 0;
    struct Counted : TestGridWnd {
        ~Counted() override { ++nDeleted; }
    };
    auto* p = new Counted;
    ASSERT_TRUE(TakeOverPlaceholder(*p, parent.GetSafeHwnd(), CRect(0, 0, 100, 100)));
    CGXGridWnd::DeleteWithWindow(p);
    DestroyWindow(p->GetSafeHwnd());
    EXPECT_EQ(nDeleted, 1);
    // An embedded grid is its owner's to delete; destroying its window leaves it whole.
    Make(10, 100);
    DestroyWindow(grid.GetSafeHwnd());
    EXPECT_EQ(grid.GetSafeHwnd(), nullptr);
    EXPECT_EQ(grid.GetRowCount(), 10u);
}

}  // namespace

TEST_F(GridWndTest, AGrownWindowPaintsWhatItUncoveredAsAFullPaintWould) {
    grid.m_bSmartResize = true;
    ASSERT_TRUE(TakeOverPlaceholder(grid, parent.GetSafeHwnd(), CRect(0, 0, 300, 200), WS_VSCROLL | WS_HSCROLL));
    grid.GetData()->SetRowCount(50);
    grid.GetData()->SetColCount(9);
    // Both bars come, one after the other, before anything was painted: each a new size, and
    // the whole window is painted.
    grid.UpdateScrollbars();
    ASSERT_EQ(grid.GetStyle() & (WS_VSCROLL | WS_HSCROLL), DWORD(WS_VSCROLL | WS_HSCROLL));
    grid.MoveWindow(0, 0, 450, 260, FALSE);
    grid.UpdateWindow();
    const std::vector<COLORREF> grown = Pixels(grid.GetSafeHwnd());
    grid.Invalidate(FALSE);
    grid.UpdateWindow();
    EXPECT_EQ(grown, Pixels(grid.GetSafeHwnd()));
    // Painted, then grown: only the new strips are painted, and they fit what was there.
    grid.MoveWindow(0, 0, 520, 330, FALSE);
    grid.UpdateWindow();
    const std::vector<COLORREF> smart = Pixels(grid.GetSafeHwnd());
    grid.Invalidate(FALSE);
    grid.UpdateWindow();
    EXPECT_EQ(smart, Pixels(grid.GetSafeHwnd()));
}
