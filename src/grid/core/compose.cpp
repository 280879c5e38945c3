// The effective style of a cell, the value-only composition of GetValueRowCol, the header texts,
// and reading and storing a slot's stored style.
#include <algorithm>

#include "grid/core/grid_core.h"

void CGXGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, bool bApplyStandardStyle) {
    CGXStyle& style = *pStyle;
    const ROWCOL nHeaderRows = GetHeaderRows();
    const ROWCOL nHeaderCols = GetHeaderCols();

    // 1. The cell's own stored style (nothing stored: an empty style).
    if (!GetStyleRowCol(nRow, nCol, style, ModifyMode::Copy, gxCellStyle)) style.Free();

    // 2. The value is all that was asked for, and the cell has one.
    if (m_bComposeValueOnly && style.GetIncludeValue()) return;

    // 3. to 5. The stored styles of the row, the column and the table; header cells get none.
    CGXData* pData = GetData();
    if (pData != nullptr) {
        auto apply = [&](ROWCOL r, ROWCOL c) {
            if (const CGXStyle* p = pData->GetStoredStyle(r, c, gxRangeStyle)) style.ChangeStyle(*p, ModifyMode::ApplyNew);
        };
        if (nCol > nHeaderCols && nRow != 0) apply(nRow, 0);
        if (nRow > nHeaderRows && nCol != 0) apply(0, nCol);
        if (nRow > nHeaderRows && nCol > nHeaderCols) apply(0, 0);
    }

    // 6. The chain of named base styles.
    const CGXStylesMap* pMap = GetStylesMap();
    if (pMap != nullptr) style.LoadBaseStyle(*pMap);

    // 7. and 8. The header styles, the column header's first.
    if (nRow <= nHeaderRows && m_pStyleColHeader != nullptr) style.ChangeStyle(*m_pStyleColHeader, ModifyMode::ApplyNew);
    if (nCol <= nHeaderCols && m_pStyleRowHeader != nullptr) style.ChangeStyle(*m_pStyleRowHeader, ModifyMode::ApplyNew);

    // 9. Header texts.
    if ((nRow == 0 || nCol == 0) && !style.GetIncludeValue() && m_pParam != nullptr) {
        if (nRow == 0 && nCol > 0 && m_pParam->IsNumberedColHeaders()) style.SetValue(GetColumnLetters(nCol));
        else if (nCol == 0 && nRow > 0 && m_pParam->IsNumberedRowHeaders()) {
            CString text;
            text.Format("%lu", static_cast<unsigned long>(nRow));
            style.SetValue(text);
        }
    }

    // 10. The standard style completes everything.
    if (bApplyStandardStyle && m_pStyleStandard != nullptr) style.ChangeStyle(*m_pStyleStandard, ModifyMode::ApplyNew);
}

CString CGXGridCore::GetValueRowCol(ROWCOL nRow, ROWCOL nCol) {
    CGXStyle style;
    bool bOld = m_bComposeValueOnly;
    m_bComposeValueOnly = true;
    try {
        ComposeStyleRowCol(nRow, nCol, &style, true);
    } catch (...) {
        m_bComposeValueOnly = bOld;
        throw;
    }
    m_bComposeValueOnly = bOld;
    return style.GetValue();
}

CString CGXGridCore::GetColumnLetters(ROWCOL nCol) {
    // Bijective base 26: no digit stands for zero, so every column has a name of its own (the
    // positional rule with a lowered first letter gives column 703 the name of column 729).
    char letters[8];
    int n = 0;
    for (ROWCOL v = nCol; v > 0; v = (v - 1) / 26) letters[n++] = static_cast<char>('A' + (v - 1) % 26);
    std::reverse(letters, letters + n);
    return CString(letters, n);
}

bool CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, ModifyMode mode, int nType) {
    CGXData* pData = GetData();
    return pData != nullptr && pData->LookupStyle(nRow, nCol, style, mode, nType);
}

bool CGXGridCore::IsReadOnly() const {
    return m_pParam != nullptr && m_pParam->IsLockReadOnly() && m_pParam->IsReadOnly();
}

bool CGXGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, ModifyMode mode, int nType) {
    CGXData* pData = GetData();
    if (pData == nullptr || IsReadOnly()) return false;
    return pData->StoreStyle(nRow, nCol, pStyle, mode, nType);
}
