// CGXControl input: the children of a cell, the routing of mouse buttons and keys to them and to
// the grid's notifications, and the double-byte lead bytes of the grid's text code page.
//
// Every button follows one pattern: down goes to the first child hit and makes it the focus
// child; up goes to the focus child and, over the cell's content, to the grid's click
// notification; a double click goes to the children hit and then to the grid.
#include "grid/controls/control.h"
#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"

namespace {

UINT g_nCodePage = 0;

}  // namespace

void GXSetGridCodePage(UINT nCodePage) noexcept { g_nCodePage = nCodePage; }

bool GXIsLeadByte(BYTE c) noexcept {
    switch (g_nCodePage) {
    case 932: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    case 936:
    case 949:
    case 950: return c >= 0x81 && c <= 0xFE;
    default: return false;
    }
}

// ---- CGXChild

bool CGXChild::HasFocus() const noexcept { return m_pControl != nullptr && m_pControl->GetFocusChild() == this; }

void CGXChild::Refresh() {
    CWnd* pWnd = m_pControl != nullptr ? m_pControl->Grid()->GridWnd() : nullptr;
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && !m_rect.IsRectEmpty()) pWnd->InvalidateRect(&m_rect, TRUE);
}

bool CGXChild::KeyMessage(UINT nMessage, WPARAM nChar, UINT nRepCnt, UINT nFlags) {
    return GXDispatchKeyMessage(*this, m_nLeadByte, nMessage, nChar, nRepCnt, nFlags);
}

// ---- children

void CGXControl::AddChild(CGXChild* pChild) {
    if (pChild == nullptr) return;
    if (m_children.empty()) m_children.reserve(10);
    m_children.emplace_back(pChild);
}

CGXChild* CGXControl::GetChild(int i) const noexcept {
    return i >= 0 && i < static_cast<int>(m_children.size()) ? m_children[static_cast<size_t>(i)].get() : nullptr;
}

void CGXControl::OnClickedChild(CGXChild*) { m_pGrid->OnCellButtonClicked(m_nRow, m_nCol); }

void CGXControl::ForwardToChildren(WORD w) {
    for (const auto& pChild : m_children) pChild->OnGridWord(w);
}

void CGXControl::OnSysColorChange() {
    for (const auto& pChild : m_children) pChild->OnSysColorChange();
}

// ---- mouse

namespace {

using ChildHandler = bool (CGXChild::*)(UINT, CPoint);
using GridHandler = bool (CGXGridCore::*)(ROWCOL, ROWCOL, UINT, CPoint);

struct ButtonHandlers {
    ChildHandler down, up, dblClk;
    GridHandler clicked, dblClicked;
};

constexpr ButtonHandlers kHandlers[3] = {
    {&CGXChild::OnLButtonDown, &CGXChild::OnLButtonUp, &CGXChild::OnLButtonDblClk,
     &CGXGridCore::OnLButtonClickedRowCol, &CGXGridCore::OnLButtonDblClkRowCol},
    {&CGXChild::OnMButtonDown, &CGXChild::OnMButtonUp, &CGXChild::OnMButtonDblClk,
     &CGXGridCore::OnMButtonClickedRowCol, &CGXGridCore::OnMButtonDblClkRowCol},
    {&CGXChild::OnRButtonDown, &CGXChild::OnRButtonUp, &CGXChild::OnRButtonDblClk,
     &CGXGridCore::OnRButtonClickedRowCol, &CGXGridCore::OnRButtonDblClkRowCol},
};

}  // namespace

bool CGXControl::ButtonDown(Button b, UINT nFlags, CPoint pt) {
    LayoutChildren(m_nRow, m_nCol, GetCellRect(m_nRow, m_nCol));
    for (const auto& pChild : m_children) {
        if (pChild->HitTest(pt)) {
            SetFocusChild(pChild.get());
            return (pChild.get()->*kHandlers[static_cast<int>(b)].down)(nFlags, pt);
        }
    }
    return false;
}

bool CGXControl::ButtonUp(Button b, UINT nFlags, CPoint pt) {
    const CRect rect = GetCellRect(m_nRow, m_nCol);
    LayoutChildren(m_nRow, m_nCol, rect);
    const ButtonHandlers& h = kHandlers[static_cast<int>(b)];
    bool bResult = false;
    // The focus child hears the release wherever it happens, so that a pressed part comes up.
    if (m_pFocusChild != nullptr) bResult = (m_pFocusChild->*h.up)(nFlags, pt);
    if (rect.PtInRect(pt)) bResult = (m_pGrid->*h.clicked)(m_nRow, m_nCol, nFlags, pt) || bResult;
    return bResult;
}

bool CGXControl::ButtonDblClk(Button b, UINT nFlags, CPoint pt) {
    LayoutChildren(m_nRow, m_nCol, GetCellRect(m_nRow, m_nCol));
    const ButtonHandlers& h = kHandlers[static_cast<int>(b)];
    bool bResult = false;
    for (const auto& pChild : m_children) {
        if (!pChild->HitTest(pt)) continue;
        SetFocusChild(pChild.get());
        if ((pChild.get()->*h.dblClk)(nFlags, pt)) {
            bResult = true;
            break;
        }
    }
    return (m_pGrid->*h.dblClicked)(m_nRow, m_nCol, nFlags, pt) || bResult;
}

bool CGXControl::OnMouseMove(UINT nFlags, CPoint pt, int) {
    if (m_pFocusChild == nullptr) return false;
    // One child object serves every cell of its control: drawing other cells moved it.
    LayoutChildren(m_nRow, m_nCol, GetCellRect(m_nRow, m_nCol));
    return m_pFocusChild->OnMouseMove(nFlags, pt);
}

bool CGXControl::OnMouseMoveOver(ROWCOL nRow, ROWCOL nCol, int nHitState, CPoint pt) {
    bool bResult = false;
    for (const auto& pChild : m_children)
        if (pChild->HitTest(pt)) bResult = pChild->OnMouseMoveOver(nRow, nCol, nHitState, pt) || bResult;
    return m_pGrid->OnMouseMoveOverCell(nRow, nCol, static_cast<UINT>(nHitState), pt) || bResult;
}

bool CGXControl::OnLButtonDown(UINT nFlags, CPoint pt, int) { return ButtonDown(Button::Left, nFlags, pt); }
bool CGXControl::OnLButtonUp(UINT nFlags, CPoint pt, int) { return ButtonUp(Button::Left, nFlags, pt); }
bool CGXControl::OnLButtonDblClk(UINT nFlags, CPoint pt, int) { return ButtonDblClk(Button::Left, nFlags, pt); }
bool CGXControl::OnMButtonDown(UINT nFlags, CPoint pt, int) { return ButtonDown(Button::Middle, nFlags, pt); }
bool CGXControl::OnMButtonUp(UINT nFlags, CPoint pt, int) { return ButtonUp(Button::Middle, nFlags, pt); }
bool CGXControl::OnMButtonDblClk(UINT nFlags, CPoint pt, int) { return ButtonDblClk(Button::Middle, nFlags, pt); }
bool CGXControl::OnRButtonDown(UINT nFlags, CPoint pt, int) { return ButtonDown(Button::Right, nFlags, pt); }
bool CGXControl::OnRButtonUp(UINT nFlags, CPoint pt, int) { return ButtonUp(Button::Right, nFlags, pt); }
bool CGXControl::OnRButtonDblClk(UINT nFlags, CPoint pt, int) { return ButtonDblClk(Button::Right, nFlags, pt); }

// ---- keys

bool CGXControl::KeyMessage(UINT nMessage, WPARAM nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pFocusChild != nullptr && m_bInit) {
        LayoutChildren(m_nRow, m_nCol, GetCellRect(m_nRow, m_nCol));
        if (m_pFocusChild != nullptr && m_pFocusChild->KeyMessage(nMessage, nChar, nRepCnt, nFlags)) return true;
    }
    return GXDispatchKeyMessage(*this, m_nLeadByte, nMessage, nChar, nRepCnt, nFlags);
}
