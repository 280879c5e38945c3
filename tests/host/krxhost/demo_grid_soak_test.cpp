// A long random session with the demo grid in its frame: clicks on any cell or header, keys
// (moves, pages, Tab, Space, Enter, Escape, Delete, copy, paste, undo, redo). After every step the
// current cell lies inside the table (headers included) on a cell that no other cell covers. Every
// 300 steps everything done since the last such point is undone, which must give back the table
// as it was then, and as many steps redone, which must give back the table before the undo. Under
// the sanitizers the run also shows no fault and no leak at exit.
//
// KRX_SOAK_SEED and KRX_SOAK_STEPS repeat a run or make it long; CI runs the short default.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "host/krxhost/demo_grid_model.h"
#include "host/krxhost/grid_window.h"
#include "platform/win/synthetic_input.h"
#include "support/grid_host.h"

namespace {

unsigned long EnvOr(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

// The counts and the values of the rows a session reaches most (the stored rows, the first
// computed ones), every column and the headers.
std::vector<std::string> Table(CGXGridCore& grid) {
    std::vector<std::string> t{std::to_string(grid.GetRowCount()) + "x" + std::to_string(grid.GetColCount())};
    for (ROWCOL r = 0; r <= std::min<ROWCOL>(grid.GetRowCount(), 40); ++r)
        for (ROWCOL c = 0; c <= grid.GetColCount(); ++c) t.push_back(grid.GetValueRowCol(r, c).GetString());
    return t;
}

}  // namespace

TEST(DemoGridSoak, RandomClicksAndKeysAreUndoneAndRedoneExactly) {
    ResetWindowSystem();
    host_resources::RegisterGridWindowClass();
    std::mt19937 random{static_cast<std::mt19937::result_type>(EnvOr("KRX_SOAK_SEED", 20261208))};
    const unsigned long nSteps = EnvOr("KRX_SOAK_STEPS", 1500);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    {
        GridWindow frame(std::make_unique<DemoGrid>(200));
        ASSERT_TRUE(frame.CreateTopLevel("Soak", 0, 0, 1000, 480));
        CGXGridWnd& grid = frame.Grid();
        const HWND hGrid = grid.GetSafeHwnd();
        PumpMessages();
        std::vector<std::string> made = Table(grid);

        static const UINT kKeys[] = {VK_UP,    VK_DOWN,   VK_LEFT,   VK_RIGHT,  VK_NEXT, VK_PRIOR, VK_HOME, VK_TAB,
                                     VK_SPACE, VK_RETURN, VK_ESCAPE, VK_DELETE, 'C',     'V',      'Z',     'Y'};
        for (unsigned long step = 1; step <= nSteps && !HasFailure(); ++step) {
            if (pick(2) == 0) {
                // Any cell the window shows, headers included; scrolled first now and then.
                if (pick(10) == 0) grid.ScrollCellInView(ROWCOL(1 + pick(200)), ROWCOL(1 + pick(DemoGrid::kCols)));
                const ROWCOL r = grid.GetTopRow() + ROWCOL(pick(12)) - 1, c = ROWCOL(pick(int(DemoGrid::kCols) + 1));
                const CRect cell = grid.CalcCellRect(r, c);
                if (!cell.IsRectEmpty()) synthetic::Click(hGrid, cell.CenterPoint());
            } else {
                const UINT vk = kKeys[pick(int(std::size(kKeys)))];
                const bool bCtrl = vk == 'C' || vk == 'V' || vk == 'Z' || vk == 'Y' || pick(8) == 0;
                const bool bShift = !bCtrl && pick(6) == 0;
                if (bCtrl) synthetic::KeyDown(VK_CONTROL);
                if (bShift) synthetic::KeyDown(VK_SHIFT);
                synthetic::KeyPress(vk);
                if (bShift) synthetic::KeyUp(VK_SHIFT);
                if (bCtrl) synthetic::KeyUp(VK_CONTROL);
            }
            PumpMessages();
            ASSERT_TRUE(IsWindow(hGrid)) << "step " << step;

            ROWCOL nRow = 0, nCol = 0;
            if (grid.GetCurrentCell(nRow, nCol)) {
                // A click on a header makes the header cell current.
                ASSERT_TRUE(nRow <= grid.GetRowCount() && nCol <= grid.GetColCount())
                    << nRow << "," << nCol << " at step " << step;
                if (const CGXRange* covered = grid.GetCoveredCellsRowCol(nRow, nCol)) {
                    EXPECT_TRUE(covered->top == nRow && covered->left == nCol) << "step " << step;
                }
            }
            if (step % 300 == 0 || step == nSteps) {
                const std::vector<std::string> now = Table(grid);
                int nUndone = 0;
                while (grid.Undo()) ++nUndone;
                EXPECT_EQ(Table(grid), made) << "all undone at step " << step;
                // As many redone: what the session undid itself stays undone.
                while (nUndone > 0 && grid.Redo()) --nUndone;
                EXPECT_EQ(nUndone, 0) << "step " << step;
                EXPECT_EQ(Table(grid), now) << "all redone at step " << step;
                // The next round starts here, so that a long run undoes a few hundred steps at a time.
                grid.GetParam()->EmptyUndoList();
                grid.GetParam()->EmptyRedoList();
                made = now;
            }
        }
        DestroyWindow(frame.GetSafeHwnd());
    }
    ResetWindowSystem();
}
