// CGXCheckBox: the state of a cell, drawing it with its caption, the size it asks for, and the
// mouse and the space bar toggling the current cell's value.
//
// Map:
//   construction, texts, state ......................... top
//   drawing and size ..................................... Draw, CalcSize
//   mouse and keys ....................................... OnLButtonDown .. KeyMessage
//   toggling .............................................. OnClickedChild
#include "grid/controls/check_box.h"

#include <algorithm>
#include <cstring>

#include "grid/controls/grid_text.h"
#include "grid/controls/style_drawing.h"
#include "grid/core/grid_core.h"
#include "platform/framework/window_dc.h"
#include "platform/win/system_metrics.h"

IMPLEMENT_DYNAMIC(CGXCheckBox, CGXControl)

namespace {

// Room the box takes before a caption: the box and half of it again.
constexpr int kCaptionIndent = CGXCheckBox::kBoxSize * 3 / 2;

bool IsDisabled(const CGXStyle& style) noexcept { return style.GetIncludeEnabled() && !style.GetEnabled(); }
bool IsTriState(const CGXStyle& style) noexcept { return style.GetIncludeTriState() && style.GetTriState(); }

const CString& Caption(const CGXStyle& style) {
    static const CString empty;
    return style.GetIncludeChoicesList() ? style.GetChoicesList() : empty;
}

CString TextOr(const CGXStyle& style, DWORD nID, const char* pszDefault) {
    CString text = style.GetUserAttribute(nID);
    return text.IsEmpty() ? CString(pszDefault) : text;
}

}  // namespace

CGXCheckBox::CGXCheckBox(CGXGridCore* pGrid, bool bDraw3d, UINT nBitmapResourceId, UINT nPrintResourceId)
    : CGXControl(pGrid),
      m_bDraw3d(bDraw3d),
      m_nBitmapResourceId(nBitmapResourceId != 0 ? nBitmapResourceId
                                                 : bDraw3d ? GX_IDB_CHECKBOX_3D : GX_IDB_CHECKBOX_FLAT),
      m_nPrintResourceId(nPrintResourceId != 0 ? nPrintResourceId : GX_IDB_CHECKBOX_FLAT) {}

CGXCheckBox::~CGXCheckBox() { FreeBitmaps(); }

CString CGXCheckBox::GetCheckedText(const CGXStyle& style) { return TextOr(style, GX_IDS_UA_CHECKBOX_CHECKED, "1"); }
CString CGXCheckBox::GetUncheckedText(const CGXStyle& style) {
    return TextOr(style, GX_IDS_UA_CHECKBOX_UNCHECKED, "0");
}

void CGXCheckBox::Init(ROWCOL nRow, ROWCOL nCol) {
    // A press belongs to the cell it began in.
    m_bPressed = false;
    m_rectBox.SetRectEmpty();
    CGXControl::Init(nRow, nCol);
}

int CGXCheckBox::GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
    if (IsDisabled(style)) return GX_CB_DISABLED;
    int nState = 0;
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (IsInit(nRow, nCol) && m_pGrid->GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow && nCurCol == nCol) {
        nState |= GX_CB_CURRENT;
        if (m_bPressed) nState |= GX_CB_PRESSED;
    }
    // Without the tri-state switch every value but the checked text counts as unchecked.
    const CString& value = style.GetValue();
    if (value == GetCheckedText(style)) nState |= GX_CB_CHECKED;
    else if (!IsTriState(style) || value == GetUncheckedText(style)) nState |= GX_CB_UNCHECKED;
    return nState;
}

// ---- drawing and size

void CGXCheckBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle) {
    // 1. What to show.
    const int nState = GetState(nRow, nCol, style);
    const UINT nAlign = GXAlignFlags(style);

    // 2. The background, the style's font and colours.
    CGXStyleFont font(*m_pGrid, pDC, style);
    DrawBackground(pDC, rect, style, false);
    const bool bBlackWhite = m_pGrid->IsPrintBlackWhite();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldBack = pDC->SetBkColor(bBlackWhite ? 0xFFFFFF : GXStyleBackColor(style));
    const COLORREF oldText = pDC->SetTextColor(bBlackWhite ? 0 : GXStyleTextColor(style));

    // 3. and 4. The box in the content rectangle.
    const CRect content = GetCellRect(nRow, nCol, &rect, &style);
    const CString& caption = Caption(style);
    DrawCheckBox(pDC, content, nState, nAlign, caption);

    // 5. The caption right of the box, where there is room for it.
    if (!caption.IsEmpty() && content.left + kCaptionIndent < content.right) {
        const CRect rectText(content.left + kCaptionIndent, content.top, content.right, content.bottom);
        const UINT nFormat = nAlign | DT_NOPREFIX | (GXIsWrapped(style) ? DT_WORDBREAK : DT_SINGLELINE);
        DrawGridText(pDC, caption, caption.GetLength(), rectText, nFormat, &rect);
    }
    pDC->SetTextColor(oldText);
    pDC->SetBkColor(oldBack);
    pDC->SetBkMode(nOldMode);

    // 6. The children.
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CSize CGXCheckBox::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*,
                            bool bHeightOnly) {
    CGXStyleFont font(*m_pGrid, pDC, style);
    int m = GetSystemMetrics(SM_CXFRAME) / 2;
    if (m < 4) m = 3;
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    const int nLine = tm.tmHeight + tm.tmExternalLeading + 1;
    const CString& caption = Caption(style);

    CSize text(tm.tmMaxCharWidth + 2 * m, nLine);
    if (!caption.IsEmpty()) {
        // The caption breaks in the room right of the box.
        CRect rectCell = m_pGrid->CalcCellRect(nRow, nCol);
        const CRect content = GetCellRect(nRow, nCol, &rectCell, &style);
        const CRect rectBreak(content.left + kCaptionIndent, 0, content.right, GX_MAX_TEXT_LINES * nLine);
        const bool bWrap = GXIsWrapped(style);
        GXTextLines wrapped;
        if (bWrap) wrapped = BreakTextLines(pDC, caption, caption.GetLength(), rectBreak, DT_NOPREFIX | DT_WORDBREAK);
        if (bHeightOnly) {
            text = CSize(0, (bWrap ? static_cast<int>(wrapped.size()) : 1) * nLine);
        } else if (bWrap && static_cast<int>(wrapped.size()) * nLine <= content.Height()) {
            int cx = 0;
            for (const GXTextLine& line : wrapped)
                cx = std::max<int>(cx, pDC->GetTextExtent(caption.GetString() + line.nStart, line.nLength).cx);
            text = CSize(cx + 2 * m, static_cast<int>(wrapped.size()) * nLine);
        } else {
            // The caption's own lines, unbroken.
            int cx = 0, nLines = 0, nStart = 0;
            for (int i = 0; i <= caption.GetLength(); ++i) {
                if (i < caption.GetLength() && caption[i] != '\n') continue;
                const int nEnd = i > nStart && caption[i - 1] == '\r' ? i - 1 : i;
                cx = std::max<int>(cx, pDC->GetTextExtent(caption.GetString() + nStart, nEnd - nStart).cx);
                ++nLines;
                nStart = i + 1;
            }
            text = CSize(cx + 2 * m, nLines * nLine);
        }
    }
    const CSize size(text.cx + kBoxSize + 6, std::max(kBoxSize + 4, static_cast<int>(text.cy)));
    return AddBorders(size, nRow, nCol, style);
}

// ---- mouse and keys

CGXStyle CGXCheckBox::CurrentStyle() {
    CGXStyle style;
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &style);
    return style;
}

CRect CGXCheckBox::CurrentBoxRect(const CGXStyle& style) {
    const CRect content = GetCellRect(m_nRow, m_nCol, nullptr, &style);
    // Measured as drawn: with the cell's font on the grid window (the screen without one).
    CClientDC dc(m_pGrid->GridWnd());
    if (dc.GetSafeHdc() == nullptr) return CRect();
    CGXStyleFont font(*m_pGrid, &dc, style);
    return ComputeBoxRect(&dc, content, Caption(style), GXAlignFlags(style));
}

void CGXCheckBox::SetPressed(bool bPressed) {
    if (bPressed == m_bPressed) return;
    m_bPressed = bPressed;
    Refresh();
}

bool CGXCheckBox::OnLButtonDown(UINT nFlags, CPoint pt, int nHitState) {
    m_rectBox.SetRectEmpty();
    if (m_bInit) {
        // A disabled box has nothing to press.
        const CGXStyle style = CurrentStyle();
        if (!IsDisabled(style)) m_rectBox = CurrentBoxRect(style);
        if (m_rectBox.PtInRect(pt)) SetPressed(true);
    }
    CGXControl::OnLButtonDown(nFlags, pt, nHitState);
    return true;
}

bool CGXCheckBox::OnMouseMove(UINT nFlags, CPoint pt, int nHitState) {
    // Pressed while the pointer is over the box of the cell the button went down in.
    SetPressed((nHitState & 0x40) != 0 && m_rectBox.PtInRect(pt));
    CGXControl::OnMouseMove(nFlags, pt, nHitState);
    return true;
}

bool CGXCheckBox::OnLButtonUp(UINT nFlags, CPoint pt, int nHitState) {
    SetPressed(false);
    // The press ends here: a second button-up of the same press toggles nothing.
    const CRect rectBox = m_rectBox;
    m_rectBox.SetRectEmpty();
    const bool bHandled = CGXControl::OnLButtonUp(nFlags, pt, nHitState);
    if (!bHandled && (nHitState & 0x40) != 0 && rectBox.PtInRect(pt)) OnClickedChild(nullptr);
    return true;
}

bool CGXCheckBox::OnLButtonDblClk(UINT nFlags, CPoint pt, int nHitState) {
    SetPressed(false);
    m_rectBox.SetRectEmpty();
    const bool bHandled = CGXControl::OnLButtonDblClk(nFlags, pt, nHitState);
    // The second click of a double click toggles again, where the box is now.
    if (!bHandled && m_bInit) {
        const CGXStyle style = CurrentStyle();
        if (CurrentBoxRect(style).PtInRect(pt)) OnClickedChild(nullptr);
    }
    return true;
}

bool CGXCheckBox::KeyMessage(UINT nMessage, WPARAM nChar, UINT nRepCnt, UINT nFlags) {
    if (CGXControl::KeyMessage(nMessage, nChar, nRepCnt, nFlags)) return true;
    if (nMessage != WM_CHAR || nChar != ' ' || !m_bInit) return false;
    OnClickedChild(nullptr);
    return true;
}

void CGXCheckBox::OnSysColorChange() {
    LoadBitmaps();
    CGXControl::OnSysColorChange();
}

// ---- toggling

void CGXCheckBox::OnClickedChild(CGXChild* pChild) {
    // 1. Only the current cell toggles, and not when it is disabled.
    ROWCOL nCurRow = 0, nCurCol = 0;
    if (!m_bInit || !m_pGrid->GetCurrentCell(nCurRow, nCurCol) || nCurRow != m_nRow || nCurCol != m_nCol) return;
    const CGXStyle style = CurrentStyle();
    if (IsDisabled(style)) return;

    // 2. The grid may refuse, and a read-only cell keeps its value.
    if (!BeginEdit() || IsReadOnly()) return;

    // 3. and 4. The next value of the cycle.
    const CString checked = GetCheckedText(style);
    const CString unchecked = GetUncheckedText(style);
    const CString& value = style.GetValue();
    CString next;
    if (value == checked) next = unchecked;
    else if (IsTriState(style) && value == unchecked) next.Empty();
    else next = checked;

    // 5. and 6. Stored (and repainted) before the grid hears of it; a refused store is no click.
    if (!m_pGrid->SetValueRange(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), next, ModifyMode::Override, gxCellStyle,
                                GX_UPDATENOW))
        return;
    CGXControl::OnClickedChild(pChild);
}
