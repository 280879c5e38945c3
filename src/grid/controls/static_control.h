#pragma once
// CGXStatic: a cell drawn as read-only text, broken into lines when the style wraps it, or as a
// bitmap when its text is a bitmap reference ("#BMP(...)"). Header cells and description cells
// use it, and as the first control registered it is the default control.
#include "grid/controls/control.h"

class CGXStatic : public CGXControl {
    DECLARE_DYNAMIC(CGXStatic)
public:
    explicit CGXStatic(CGXGridCore* pGrid) : CGXControl(pGrid) {}

    // The text margin: half the sizing frame's width, at least 3 (else 2).
    static int TextMargin();

    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    CSize AddBorders(CSize size, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   bool bHeightOnly) override;
    // bNonEmpty false: whether the value is empty; true: whether it is not.
    bool TestValue(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, bool bNonEmpty) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

private:
    // The text of the cell being drawn, kept so that drawing reuses its buffer instead of making a
    // string per cell.
    CString m_strDrawText;
};
