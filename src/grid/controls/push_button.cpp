// CGXPushbutton and its button: laying the button out over a cell, drawing it raised or sunk
// with its caption and focus mark, and a click made of a press and a release on the button, by
// the left mouse button or by the space bar.
#include "grid/controls/push_button.h"

#include <algorithm>

#include "grid/controls/grid_text.h"
#include "grid/controls/style_drawing.h"
#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"
#include "platform/win/sys_colors.h"
#include "platform/win/window.h"

IMPLEMENT_DYNAMIC(CGXPushbutton, CGXControl)

// ---- the button

void CGXButton::SetPressed(bool bPressed) {
    if (bPressed == m_bPressed) return;
    m_bPressed = bPressed;
    if (m_bRedrawOnChange) Refresh();
}

void CGXButton::Release() noexcept {
    m_bPressed = m_bTracking = m_bSpaceDown = false;
}

void CGXButton::Draw(CDC* pDC, bool bActive) {
    if (m_rect.IsRectEmpty()) return;
    // 1. Only the current cell's button shows that it is pressed.
    const bool bFocus = bActive && HasFocus();
    const bool bSunk = bFocus && m_bPressed;

    // 2. and 3. The face and its edge.
    const COLORREF oldBack = pDC->GetBkColor();
    CRect rect = m_rect;
    pDC->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    pDC->DrawEdge(&rect, bSunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    // 4. The caption's room inside the edge; a sunk button's caption moves down and right.
    CRect area(m_rect.left + 1, m_rect.top + 1, m_rect.right - 2, m_rect.bottom - 2);
    if (bSunk) area.OffsetRect(1, 1);

    // 5. The caption centred in it (an empty one is measured as "--" for the focus mark).
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const CSize size = pDC->GetTextExtent(m_strText.IsEmpty() ? CString("--") : m_strText);
    const int cx = size.cx + 6, cy = size.cy;
    CRect text(0, 0, cx, cy);
    text.OffsetRect(area.left + (area.Width() - cx) / 2, area.top + (area.Height() - cy) / 2);
    text.IntersectRect(&text, &area);
    if (!m_strText.IsEmpty() && !text.IsRectEmpty())
        DrawGridText(pDC, m_strText, m_strText.GetLength(), text, DT_CENTER);
    pDC->SetBkMode(nOldMode);

    // 6. The focus mark: dotted-looking grey lines round the caption, short of its corners.
    if (bFocus && !text.IsRectEmpty()) {
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        const int w = text.Width() - 3, h = text.Height() - 3;
        if (w > 0) {
            pDC->FillSolidRect(text.left + 2, text.top, w, 1, shadow);
            pDC->FillSolidRect(text.left + 2, text.bottom, w, 1, shadow);
        }
        if (h > 0) {
            pDC->FillSolidRect(text.left, text.top + 2, 1, h, shadow);
            pDC->FillSolidRect(text.right, text.top + 2, 1, h, shadow);
        }
    }
    pDC->SetBkColor(oldBack);
}

bool CGXButton::OnLButtonDown(UINT, CPoint) {
    m_bTracking = true;
    SetPressed(true);
    // An active control's window would take the mouse; the grid keeps it for the controls here.
    if (m_pControl->IsActive())
        if (CWnd* pWnd = m_pControl->Grid()->GridWnd(); pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
            pWnd->SetCapture();
    return true;
}

bool CGXButton::OnMouseMove(UINT, CPoint pt) {
    // Sliding off the button lifts it, sliding back presses it again.
    if (m_bTracking) SetPressed(HitTest(pt));
    return true;
}

bool CGXButton::OnLButtonUp(UINT, CPoint pt) {
    // A click is a press and a release on the button, both by the mouse. The button comes up
    // before the control reports, so that whatever the report opens sees it released.
    const bool bClick = m_bTracking && m_bPressed && HitTest(pt);
    m_bTracking = false;
    SetPressed(false);
    if (bClick) m_pControl->OnClickedChild(this);
    return true;
}

bool CGXButton::OnKeyDown(UINT nChar, UINT, UINT) {
    if (nChar != ' ') return false;
    m_bSpaceDown = true;
    SetPressed(true);
    return true;
}

bool CGXButton::OnKeyUp(UINT nChar, UINT, UINT) {
    // Only a space bar that went down on this button releases it into a click.
    if (nChar != ' ' || !m_bSpaceDown) return false;
    m_bSpaceDown = false;
    const bool bClick = m_bPressed;
    SetPressed(false);
    if (bClick) m_pControl->OnClickedChild(this);
    return bClick;
}

// ---- the control

CGXPushbutton::CGXPushbutton(CGXGridCore* pGrid) : CGXControl(pGrid), m_pButton(new CGXButton(this)) {
    AddChild(m_pButton);
}

void CGXPushbutton::Init(ROWCOL nRow, ROWCOL nCol) {
    // A press belongs to the cell it began in.
    m_pButton->Release();
    CGXControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGXPushbutton::Layout(const CRect& rect, const CGXStyle& style) {
    SetFocusChild(m_pButton);
    m_pButton->SetRect(rect);
    m_pButton->SetText(style.GetIncludeChoicesList() ? style.GetChoicesList().GetString() : "");
}

void CGXPushbutton::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
    if (IsInit(nRow, nCol)) {
        if (const CGXStyle* pStyle = GetCachedStyle()) {
            Layout(rect, *pStyle);
            return;
        }
    }
    CGXStyle style;
    m_pGrid->ComposeStyleRowCol(nRow, nCol, &style);
    Layout(rect, style);
}

bool CGXPushbutton::IsActiveCell(ROWCOL nRow, ROWCOL nCol) {
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (!IsInit(nRow, nCol) || !m_pGrid->GetCurrentCell(nCurRow, nCurCol) || nCurRow != nRow || nCurCol != nCol)
        return false;
    const CGXProperties* pProperties = m_pGrid->GetProperties();
    if (pProperties != nullptr && pProperties->IsPrinting()) return false;
    const CWnd* pWnd = m_pGrid->GridWnd();
    const HWND hFocus = GetFocus();
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && hFocus != nullptr &&
           (hFocus == pWnd->GetSafeHwnd() || IsChild(pWnd->GetSafeHwnd(), hFocus));
}

void CGXPushbutton::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         const CGXStyle*) {
    // The button covers the content rectangle: no background of the cell's own.
    CGXStyleFont font(*m_pGrid, pDC, style);
    const COLORREF oldText = pDC->SetTextColor(GXStyleTextColor(style));
    Layout(GetCellRect(nRow, nCol, &rect, &style), style);
    m_pButton->Draw(pDC, IsActiveCell(nRow, nCol));
    pDC->SetTextColor(oldText);
}

CSize CGXPushbutton::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*, bool) {
    CGXStyleFont font(*m_pGrid, pDC, style);
    const CSize text = pDC->GetTextExtent(style.GetIncludeChoicesList() ? style.GetChoicesList() : CString());
    return AddBorders(CSize(text.cx + 8, text.cy + 4), nRow, nCol, style);
}
