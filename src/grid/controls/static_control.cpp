// CGXStatic: text rectangle and margin, drawing text or a referenced bitmap, and the size a
// cell's text asks for.
#include "grid/controls/static_control.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "grid/controls/dib_pool.h"
#include "grid/controls/grid_text.h"
#include "grid/controls/style_drawing.h"
#include "grid/core/grid_core.h"
#include "grid/style/color.h"
#include "platform/win/system_metrics.h"

IMPLEMENT_DYNAMIC(CGXStatic, CGXControl)

int CGXStatic::TextMargin() {
    const int m = GetSystemMetrics(SM_CXFRAME) / 2;
    return m < 3 ? 2 : m;
}

CRect CGXStatic::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle) {
    CGXStyle composed;
    if (pStyle == nullptr) {
        m_pGrid->ComposeStyleRowCol(nRow, nCol, &composed);
        pStyle = &composed;
    }
    CRect rect = CGXControl::GetCellRect(nRow, nCol, pRect, pStyle);
    const int m = TextMargin();
    const bool bRight = pStyle->GetIncludeHorizontalAlignment() && pStyle->GetHorizontalAlignment() == DT_RIGHT;
    rect.left += m;
    rect.right -= bRight ? m + 1 : m / 2;
    rect.right = std::max(rect.right, rect.left);
    return rect;
}

CSize CGXStatic::AddBorders(CSize size, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
    size.cx += 2 * TextMargin() + 1;
    return CGXControl::AddBorders(size, nRow, nCol, style);
}

bool CGXStatic::TestValue(ROWCOL, ROWCOL, const CGXStyle& style, bool bNonEmpty) {
    return style.GetValue().IsEmpty() != bNonEmpty;
}

void CGXStatic::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                     const CGXStyle* pStandardStyle) {
    // 1. Background and 3-D frame.
    DrawBackground(pDC, rect, style, false);

    // 2. The text; without one only the children are drawn.
    CString& text = m_strDrawText;
    if (!GetControlText(text, nRow, nCol, nullptr, style) || text.IsEmpty()) {
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    if (rect.Width() <= 1 || rect.Height() <= 1) return;

    // 3. A bitmap reference shows its bitmap.
    const CRect rectText = GetCellRect(nRow, nCol, &rect, &style);
    if (HGLOBAL hDIB = CGXDIBPool::Instance().LookupOrCreateDIB(text)) {
        GXDrawDIB(pDC, hDIB, rectText, 0, GXAlignFlags(style));
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }

    // 4. and 5. The text in the style's font and colours, broken into lines when it wraps.
    {
        CGXStyleFont font(*m_pGrid, pDC, style);
        COLORREF textColor = GXStyleTextColor(style);
        COLORREF backColor = GXStyleBackColor(style);
        if (m_pGrid->IsPrintBlackWhite()) {
            textColor = 0;
            backColor = 0x00FFFFFF;
        }
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF oldText = pDC->SetTextColor(textColor);
        const COLORREF oldBack = pDC->SetBkColor(backColor);
        const UINT nFormat = GXAlignFlags(style) | DT_NOPREFIX | (GXIsWrapped(style) ? DT_WORDBREAK : DT_SINGLELINE);
        DrawGridText(pDC, text, text.GetLength(), rectText, nFormat, &rect);
        pDC->SetBkColor(oldBack);
        pDC->SetTextColor(oldText);
        pDC->SetBkMode(oldMode);
    }

    // 6. The children.
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CSize CGXStatic::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*, bool bHeightOnly) {
    CString text;
    GetControlText(text, nRow, nCol, nullptr, style);
    if (HGLOBAL hDIB = CGXDIBPool::Instance().LookupOrCreateDIB(text))
        return CGXControl::AddBorders(GXGetDIBSize(hDIB), nRow, nCol, style);

    CGXStyleFont font(*m_pGrid, pDC, style);
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    const int h = tm.tmHeight + tm.tmExternalLeading;
    if (text.IsEmpty()) return AddBorders(CSize(tm.tmMaxCharWidth, h + 1), nRow, nCol, style);

    // The width the text has: the content of the cell, or of the covered range that holds it.
    CRect rectCell = m_pGrid->CalcCellRect(nRow, nCol);
    const CRect rectText = GetCellRect(nRow, nCol, &rectCell, &style);
    const bool bWrap = GXIsWrapped(style);
    const UINT nFormat = DT_NOPREFIX | (bWrap ? DT_WORDBREAK : DT_SINGLELINE);
    // Room for every line the text could need, so that only the width limits the breaking.
    const CRect rectBreak(rectText.left, 0, rectText.right, GX_MAX_TEXT_LINES * std::max(h, 1));
    if (bHeightOnly) {
        const int nLines = bWrap ? static_cast<int>(BreakTextLines(pDC, text, text.GetLength(), rectBreak, nFormat).size()) : 1;
        return CSize(0, nLines * h + 1);
    }

    auto widest = [&](const std::vector<GXTextLine>& lines) {
        int cx = 0;
        for (const GXTextLine& line : lines) cx = std::max<int>(cx, pDC->GetTextExtent(text.GetString() + line.nStart, line.nLength).cx);
        return cx;
    };
    std::vector<GXTextLine> lines;
    if (bWrap) {
        const GXTextLines broken = BreakTextLines(pDC, text, text.GetLength(), rectBreak, nFormat);
        lines.assign(broken.begin(), broken.end());
    }
    if (!bWrap || static_cast<int>(lines.size()) * h > rectText.Height()) {
        // The text's own lines, unbroken.
        lines.clear();
        int nStart = 0;
        for (int i = 0; i <= text.GetLength(); ++i) {
            if (i == text.GetLength() || text[i] == '\n') {
                int nEnd = i;
                if (nEnd > nStart && text[nEnd - 1] == '\r') --nEnd;
                lines.push_back({nStart, nEnd - nStart});
                nStart = i + 1;
            }
        }
    }
    return AddBorders(CSize(widest(lines), static_cast<int>(lines.size()) * h), nRow, nCol, style);
}
