// CGXControl: set-up for a cell, the cell's content rectangle, values and texts, storing a cell
// style, validation and the editing notifications the control forwards to its grid.
//
// Map:
//   construction, Init, ResetCell, the cached style ..................... top
//   editing notifications (forwarded to the grid) ....................... BeginEdit .. NotifyCell
//   content rectangle and size ........................................... GetCellRect .. HasValue
//   values and texts, storing ............................................ GetValue .. UpdateStyleValue
//   validation, read-only, redrawing, scrolling, drag hits .............. Validate .. GetDragHits
#include "grid/controls/control.h"

#include <algorithm>
#include <cstdlib>

#include "grid/core/grid_core.h"
#include "platform/framework/wnd.h"

IMPLEMENT_DYNAMIC(CGXControl, CObject)

CGXControl::CGXControl(CGXGridCore* pGrid) : m_pGrid(pGrid) {}

CGXControl::~CGXControl() = default;

void CGXControl::Init(ROWCOL nRow, ROWCOL nCol) {
    m_nRow = nRow;
    m_nCol = nCol;
    m_bInit = true;
    SetActive(false);
    SetModify(false);
    m_pStyle.reset();
    SetFocusChild(nullptr);
    LayoutChildren(nRow, nCol, GetCellRect(nRow, nCol));
    m_pGrid->OnInitCurrentCell(nRow, nCol);
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->GetActivateCellFlags() & 4) != 0 && BeginEdit()) SetActive(true);
}

void CGXControl::ResetCell() {
    if (m_bInit && (GetModify() || IsActive())) RedrawCell();
    Hide();
    SetModify(false);
    SetActive(false);
    // The grid's scratch copy of the current cell's style comes with the style cache of drawing.
    m_pStyle.reset();
    m_bInit = false;
}

const CGXStyle* CGXControl::GetCachedStyle() {
    if (!m_bInit) return nullptr;
    if (m_pStyle == nullptr) {
        auto pStyle = std::make_unique<CGXStyle>();
        m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, pStyle.get());
        m_pStyle = std::move(pStyle);
    }
    return m_pStyle.get();
}

void CGXControl::RedrawCell() { m_pGrid->RedrawRowCol(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), 0xFFFFFFFF); }

// ---- editing notifications

bool CGXControl::BeginEdit() {
    if (!m_bInit || !m_pGrid->OnStartEditing(m_nRow, m_nCol)) return false;
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW);
    return true;
}

void CGXControl::NotifyIfModified() {
    if (GetModify()) m_pGrid->OnNotifyModified(m_nRow, m_nCol);
}

bool CGXControl::OnCancelEditing() {
    if (!m_pGrid->OnCancelEditing(m_nRow, m_nCol)) return false;
    RedrawCell();
    return true;
}

void CGXControl::OnCanceledEditing() {
    m_pGrid->OnCanceledEditing(m_nRow, m_nCol);
    m_pGrid->RedrawRowCol(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), GX_REDRAWLATER);
}

bool CGXControl::OnLeavingCell() { return m_pGrid->OnLeavingCell(m_nRow, m_nCol); }

bool CGXControl::OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol) {
    return m_pGrid->OnLeftCell(m_nRow, m_nCol, nNewRow, nNewCol);
}

bool CGXControl::NotifyCell() { return m_pGrid->OnNotifyCell(m_nRow, m_nCol); }

// ---- content rectangle and size

CRect CGXControl::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle) {
    CGXStyle composed;
    if (pStyle == nullptr) {
        if (IsInit(nRow, nCol)) pStyle = GetCachedStyle();
        if (pStyle == nullptr) {
            m_pGrid->ComposeStyleRowCol(nRow, nCol, &composed);
            pStyle = &composed;
        }
    }
    CRect rect = m_pGrid->SubtractBorders(pRect != nullptr ? *pRect : m_pGrid->CalcCellRect(nRow, nCol), *pStyle);

    // The grid line below the last frozen row (right of the last frozen column) is drawn inside
    // the cell, at its bottom (right) pixel, so the content stops short of it. Header rows and
    // columns are frozen too but their line is the ordinary one at the next cell's edge.
    const CGXProperties* pProperties = m_pGrid->GetProperties();
    const ROWCOL nFrozenRows = m_pGrid->GetFrozenRows();
    const ROWCOL nFrozenCols = m_pGrid->GetFrozenCols();
    auto hasBorder = [&](int nSide) { return pStyle->GetIncludeBorders(nSide) && pStyle->GetBorders(nSide).GetStyle() != GX_PS_NULL; };
    if (pProperties != nullptr) {
        if (nRow == nFrozenRows && nRow > m_pGrid->GetHeaderRows() && pProperties->GetDisplayHorzLines() &&
            !hasBorder(gxBorderBottom) && rect.bottom > rect.top)
            --rect.bottom;
        if (nCol == nFrozenCols && nCol > m_pGrid->GetHeaderCols() && pProperties->GetDisplayVertLines() &&
            !hasBorder(gxBorderRight) && rect.right > rect.left)
            --rect.right;
    }
    return rect;
}

CSize CGXControl::AddBorders(CSize size, ROWCOL, ROWCOL, const CGXStyle& style) {
    return m_pGrid->AddBorders(size, style);
}

CSize CGXControl::CalcSize(CDC*, ROWCOL, ROWCOL, const CGXStyle&, const CGXStyle*, bool) { return CSize(0, 0); }

bool CGXControl::TestValue(ROWCOL, ROWCOL, const CGXStyle&, bool) { return false; }

bool CGXControl::HasValue(ROWCOL, ROWCOL, const CGXStyle& style, int) { return !style.GetValue().IsEmpty(); }

// ---- values and texts

void CGXControl::GetValue(CString& strResult) {
    strResult.Empty();
    const CGXStyle* pStyle = GetCachedStyle();
    if (pStyle == nullptr) return;
    if (pStyle->GetIncludeValue()) strResult = pStyle->GetValue();
    else GetControlText(strResult, m_nRow, m_nCol, nullptr, *pStyle);
}

void CGXControl::SetValue(const char* pszText) {
    if (m_bInit) m_pGrid->SetControlValue(m_nRow, m_nCol, pszText, GX_UPDATENOW, GetCachedStyle());
}

bool CGXControl::GetCurrentText(CString& strResult) {
    const CGXStyle* pStyle = GetCachedStyle();
    if (pStyle == nullptr || !pStyle->GetIncludeValue()) return false;
    strResult = pStyle->GetValue();
    return true;
}

void CGXControl::SetCurrentText(const char* pszText) {
    if (!m_bInit) return;
    GetCachedStyle();
    m_pStyle->SetValue(pszText != nullptr ? pszText : "");
    RedrawCell();
    Refresh();
}

bool CGXControl::GetControlText(CString& strResult, ROWCOL, ROWCOL, const char* pszValue, const CGXStyle& style) {
    if (pszValue != nullptr) {
        strResult = pszValue;
        return true;
    }
    if (!style.GetIncludeValue()) {
        strResult.Empty();
        return false;
    }
    strResult = style.GetValue();
    return true;
}

bool CGXControl::SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT flags, const CGXStyle* pOldStyle) {
    CGXStyle composed;
    if (pOldStyle == nullptr) {
        m_pGrid->ComposeStyleRowCol(nRow, nCol, &composed);
        pOldStyle = &composed;
    }
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->IsLockReadOnly() &&
        (m_pGrid->IsReadOnly() || (pOldStyle->GetIncludeReadOnly() && pOldStyle->GetReadOnly())))
        return false;
    CString text = pszText != nullptr ? pszText : "";
    if (pOldStyle->GetIncludeMaxLength() && pOldStyle->GetMaxLength() != 0 && pOldStyle->GetMaxLength() < text.GetLength())
        text = text.Left(pOldStyle->GetMaxLength());
    return m_pGrid->SetValueRange(CGXRange(nRow, nCol, nRow, nCol), text, ModifyMode::Override, gxCellStyle, flags);
}

bool CGXControl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nType,
                            const CGXStyle* pOldStyle) {
    // 1. Refused for a read-only grid or cell.
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && pParam->IsLockReadOnly() &&
        (m_pGrid->IsReadOnly() ||
         (pOldStyle != nullptr && pOldStyle->GetIncludeReadOnly() && pOldStyle->GetReadOnly())))
        return false;

    // 2. The grid stores; the remove mode stores no style.
    const bool bRemove = nMode == gxRemove;
    if (!bRemove && (nMode < 0 || nMode > 3)) return false;
    const ModifyMode mode = bRemove ? ModifyMode::Override : static_cast<ModifyMode>(nMode);
    if (!m_pGrid->StoreStyleRowCol(nRow, nCol, bRemove ? nullptr : pStyle, mode, nType)) return false;

    // 3. The current cell shows the change at once.
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (nType != gxCellStyle || !m_pGrid->GetCurrentCell(nCurRow, nCurCol) || nCurRow != nRow || nCurCol != nCol)
        return true;
    if (!IsInit(nRow, nCol) || bRemove) {
        Init(nRow, nCol);
        return true;
    }
    m_pStyle.reset();
    const bool bModified = GetModify();
    // A new control identifier: the current control changes with the next look-up (the grid
    // holds no current control of its own yet). A new value shows in the control.
    if (pStyle != nullptr && !pStyle->GetIncludeControlId() && pStyle->GetIncludeValue())
        SetCurrentText(pStyle->GetValue());
    Refresh();
    SetModify(nMode == static_cast<int>(ModifyMode::Copy) ? false : bModified);
    return true;
}

bool CGXControl::UpdateStyleValue(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle) {
    ROWCOL nCurRow = 0, nCurCol = 0;
    CString text;
    if (pStyle != nullptr && m_bInit && m_pGrid->GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow &&
        nCurCol == nCol && GetCurrentText(text))
        pStyle->SetValue(text);
    return false;
}

// ---- validation, read-only, redrawing, scrolling, drag hits

bool CGXControl::Validate() {
    if (IsActive() && GetModify()) {
        CString value;
        GetValue(value);
        const CGXStyle* pStyle = GetCachedStyle();
        if (!value.IsEmpty() && pStyle != nullptr) {
            // Values and limits compare as the signed numbers their leading digits make.
            const long nValue = std::strtol(value, nullptr, 10);
            const CString strMin = pStyle->GetUserAttribute(GX_IDS_UA_VALID_MIN);
            const CString strMax = pStyle->GetUserAttribute(GX_IDS_UA_VALID_MAX);
            const bool bTooSmall = !strMin.IsEmpty() && std::strtol(strMin, nullptr, 10) > nValue;
            const bool bTooLarge = !strMax.IsEmpty() && std::strtol(strMax, nullptr, 10) < nValue;
            if (bTooSmall || bTooLarge) {
                m_pGrid->SetWarningText(pStyle->GetUserAttribute(GX_IDS_UA_VALID_MSG));
                return false;
            }
        }
        if (!ValidateText(value)) return false;
    }
    return m_pGrid->OnValidateCell(m_nRow, m_nCol);
}

bool CGXControl::IsReadOnly() {
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr || !pParam->IsLockReadOnly()) return false;
    if (m_pGrid->IsReadOnly()) return true;
    const CGXStyle* pStyle = GetCachedStyle();
    return pStyle != nullptr && pStyle->GetIncludeReadOnly() && pStyle->GetReadOnly();
}

void CGXControl::Refresh() {
    if (!m_bInit) return;
    if (GetModify() || IsActive()) RedrawCell();
    Hide();
    CWnd* pWnd = m_pGrid->GridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || m_pGrid->IsLockUpdate()) return;
    // The cell's rectangle, widened to a covering or merged range that holds it.
    CRect rect = m_pGrid->CalcCellRect(m_nRow, m_nCol);
    if (!rect.IsRectEmpty()) pWnd->InvalidateRect(&rect, TRUE);
}

void CGXControl::OnGridScroll(UINT nMessage) {
    if ((nMessage != 0x114 && nMessage != 0x115) || !m_bInit || !IsActive()) return;
    const bool bRowVisible = m_nRow <= m_pGrid->GetFrozenRows() ||
                             (m_nRow >= m_pGrid->GetTopRow() && m_nRow <= m_pGrid->GetLastVisibleRow());
    const bool bColVisible = m_nCol <= m_pGrid->GetFrozenCols() ||
                             (m_nCol >= m_pGrid->GetLeftCol() && m_nCol <= m_pGrid->GetLastVisibleCol());
    if (bRowVisible && bColVisible) return;
    if (GetModify()) Store();
    SetActive(false);
    Refresh();
}

DWORD CGXControl::GetDragHits(ROWCOL nRow, ROWCOL nCol) {
    // Bit 0: a header cell, from which rows or columns may be dragged when the parameters allow
    // moving them; bit 1: a cell of the table, from which a selection may be dragged.
    const CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr) return 0;
    const bool bHeaderRow = nRow <= m_pGrid->GetHeaderRows();
    const bool bHeaderCol = nCol <= m_pGrid->GetHeaderCols();
    DWORD hits = 0;
    if ((bHeaderRow && !bHeaderCol && pParam->GetAllowMoveCols() != 0) ||
        (bHeaderCol && !bHeaderRow && pParam->GetAllowMoveRows() != 0))
        hits |= 1;
    if (!bHeaderRow && !bHeaderCol) hits |= 2;
    return hits;
}
