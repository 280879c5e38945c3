// A click on a check box in a grid like the editor's (15 rows, 5 columns of check boxes, texts and
// buttons, no scroll bars): from the button-up over the box to the end of the repaint of the cells
// that changed, the toggled box and the box of the same row that the dialog clears (enable and
// disable exclude each other). Counts the cells drawn per click.
#include <benchmark/benchmark.h>

#include "grid/controls/check_box.h"
#include "grid/controls/push_button.h"
#include "grid/controls/static_control.h"
#include "grid/core/grid_wnd.h"
#include "host/resources/host_resources.h"

namespace {

template <class Base>
struct Counting : Base {
    using Base::Base;
    long* pDrawn = nullptr;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override {
        ++*pDrawn;
        Base::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    }
};

// Enable (column 2) and disable (column 3) of a row exclude each other, as the editor keeps them.
struct EditorLikeGrid : CGXGridWnd {
    void OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol) override {
        if ((nCol == 2 || nCol == 3) && GetValueRowCol(nRow, nCol) == "1")
            SetValueRange(CGXRange(nRow, 5 - nCol, nRow, 5 - nCol), "0");
    }
};

struct ClickFixture {
    EditorLikeGrid grid;
    long nDrawn = 0;

    ClickFixture() {
        host_resources::RegisterForProcess();
        grid.CreateEx(0, GX_GRID_WNDCLASS, "click", WS_POPUP, 0, 0, 640, 360, nullptr, 0);
        grid.Initialize();
        auto* pStatic = new Counting<CGXStatic>(&grid);
        auto* pBox = new Counting<CGXCheckBox>(&grid, true);
        auto* pButton = new Counting<CGXPushbutton>(&grid);
        pStatic->pDrawn = pBox->pDrawn = pButton->pDrawn = &nDrawn;
        grid.RegisterControl(GX_IDS_CTRL_STATIC, pStatic, true);
        grid.RegisterControl(GX_IDS_CTRL_CHECKBOX3D, pBox);
        grid.RegisterControl(GX_IDS_CTRL_PUSHBTN, pButton);
        grid.GetParam()->EnableUndo(false);
        grid.GetParam()->SetSelectionFlags(0);
        grid.SetRowCount(15);
        grid.SetColCount(5);
        grid.SetFrozenRows(3, 3);
        CGXStyle box;
        box.SetControlId(GX_IDS_CTRL_CHECKBOX3D).SetValue("0").SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER);
        grid.SetStyleRange(CGXRange(4, 2, 15, 4), &box, int(ModifyMode::Override));
        CGXStyle button;
        button.SetControlId(GX_IDS_CTRL_PUSHBTN).SetChoicesList("Details");
        grid.SetStyleRange(CGXRange(4, 5, 15, 5), &button, int(ModifyMode::Override));
        for (ROWCOL r = 4; r <= 15; ++r) grid.SetValueRange(CGXRange(r, 1, r, 1), "Int - an interrupt");
        grid.ShowWindow(SW_SHOW);
        grid.Invalidate(FALSE);
        grid.UpdateWindow();
    }
};

void BM_CheckBoxClick(benchmark::State& state) {
    ClickFixture f;
    // Enable and disable of row 8 in turn: each click toggles one box and clears the other.
    const CPoint pts[2] = {f.grid.CalcCellRect(8, 2).CenterPoint(), f.grid.CalcCellRect(8, 3).CenterPoint()};
    long nClicks = 0, nDrawn = 0;
    for (auto _ : state) {
        const CPoint pt = pts[nClicks % 2];
        state.PauseTiming();
        f.grid.OnGridLButtonDown(MK_LBUTTON, pt);
        f.grid.UpdateWindow();
        const long nBefore = f.nDrawn;
        state.ResumeTiming();
        f.grid.OnGridLButtonUp(0, pt);
        f.grid.UpdateWindow();
        nDrawn += f.nDrawn - nBefore;
        ++nClicks;
    }
    state.counters["cells_per_click"] = double(nDrawn) / double(nClicks);
    if (f.grid.GetValueRowCol(8, 2) == f.grid.GetValueRowCol(8, 3) && nClicks > 1)
        state.SkipWithError("the boxes do not exclude each other");
}

}  // namespace

BENCHMARK(BM_CheckBoxClick)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
