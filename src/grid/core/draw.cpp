// The paint entry and the block of cells: which window rows and columns a paint needs, the
// drawing context, the flags of every cell, backgrounds in runs, and the cells through their
// controls. Lines, borders, the area beyond the table and the selection are in draw_lines.cpp.
#include "grid/controls/control.h"
#include "grid/core/draw_state.h"
#include "platform/framework/exceptions.h"

namespace {

// The last window row (column) that holds a row of the grid.
ROWCOL LastClient(CGXGridCore& g, bool bRows) {
    return bRows ? g.RowToClientRow(g.GetRowCount()) : g.ColToClientCol(g.GetColCount());
}

}  // namespace

void CGXGridCore::DrawGrid(CDC* pDC) {
    if (!m_bInitDone) AfxThrowNotSupportedException();
    if (m_bLockUpdate || pDC == nullptr || pDC->GetSafeHdc() == nullptr) return;

    // 1. The standard styles as the map holds them now.
    UpdateStandardStylePointers();

    // 4. The part of the grid area the clip box holds.
    const CRect grid = GetGridRect();
    CRect clip;
    if (pDC->GetClipBox(&clip) == NULLREGION || clip.IsRectEmpty()) clip = grid;
    else clip.SetRect(std::max(clip.left, grid.left), std::max(clip.top, grid.top), std::min(clip.right, grid.right),
                      std::min(clip.bottom, grid.bottom));
    if (clip.IsRectEmpty()) return;
    if (!m_bDrawThroughMemory) {
        DrawClipBox(pDC, clip);
        return;
    }

    // Through a bitmap of the clip box's size, copied to the target at once: no flicker. Brush
    // origins follow the target, so that patterns line up with what is drawn directly.
    CDC mem;
    CBitmap bitmap;
    if (!mem.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, clip.Width(), clip.Height())) {
        DrawClipBox(pDC, clip);
        return;
    }
    CBitmap* pOldBitmap = mem.SelectObject(&bitmap);
    mem.SetViewportOrg(-clip.left, -clip.top);
    mem.SetBrushOrg(((clip.left % 8) + 8) % 8, ((clip.top % 8) + 8) % 8);
    DrawClipBox(&mem, clip);
    pDC->BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &mem, clip.left, clip.top, SRCCOPY);
    mem.SelectObject(pOldBitmap);
}

void CGXGridCore::DrawClipBox(CDC* pDC, const CRect& clip) {
    // 3. The standard font selected, so that controls that draw no font of their own have it.
    CFont* pOldFont = nullptr;
    if (m_pStyleStandard != nullptr && m_pStyleStandard->GetFont() != nullptr) {
        if (CFont* pFont = LookupFont(*m_pStyleStandard->GetFont())) pOldFont = pDC->SelectObject(pFont);
    }
    // 5. Nothing outside the grid area.
    const int nSaved = pDC->SaveDC();
    const CRect grid = GetGridRect();
    pDC->IntersectClipRect(&grid);
    // 6. The block of window rows and columns under the clip box; below the last row (right of the
    // last column) the last one.
    ROWCOL r0 = ClientRowFromPoint(clip.TopLeft()), c0 = ClientColFromPoint(clip.TopLeft());
    ROWCOL r1 = ClientRowFromPoint(CPoint(clip.right - 1, clip.bottom - 1));
    ROWCOL c1 = ClientColFromPoint(CPoint(clip.right - 1, clip.bottom - 1));
    const ROWCOL nLastRow = LastClient(*this, true), nLastCol = LastClient(*this, false);
    if (r0 == GX_INVALID) r0 = nLastRow;
    if (c0 == GX_INVALID) c0 = nLastCol;
    if (r1 == GX_INVALID) r1 = nLastRow;
    if (c1 == GX_INVALID) c1 = nLastCol;
    // 7.
    DrawCells(r0, c0, std::max(r0, r1), std::max(c0, c1), pDC);
    // 9.
    pDC->RestoreDC(nSaved);
    if (pOldFont != nullptr) pDC->SelectObject(pOldFont);
}

void CGXGridCore::DrawItem(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style) {
    CGXControl* pControl = GetRegisteredControl(static_cast<WORD>(style.GetControlId()));
    if (pControl == nullptr) return;
    if (nRow != 0 && nCol != 0 && m_bCurrentCell && nRow == m_nCurrentRow && nCol == m_nCurrentCol &&
        !pControl->IsInit(nRow, nCol))
        pControl->Init(nRow, nCol);
    pControl->Draw(pDC, rect, nRow, nCol, style, m_pStyleStandard);
}
