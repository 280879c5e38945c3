#pragma once
// CGXPushbutton: a cell filled with a push button whose caption is the cell's choice-list text.
// The button is a child part of the cell (CGXButton) that tracks the left button and the space
// bar, draws itself raised or sunk, and reports a completed click to its control, which tells
// the grid (OnCellButtonClicked). One button object serves every push-button cell: drawing and
// the mouse lay it out over the cell at hand.
#include "grid/controls/control.h"

class CGXButton : public CGXChild {
public:
    explicit CGXButton(CGXControl* pControl) noexcept : CGXChild(pControl) {}

    // Raised, or sunk while pressed with the focus mark (bActive: the cell is current in a grid
    // window that has the focus).
    void Draw(CDC* pDC, bool bActive) override;
    bool OnMouseMove(UINT nFlags, CPoint pt) override;
    bool OnLButtonDown(UINT nFlags, CPoint pt) override;
    bool OnLButtonUp(UINT nFlags, CPoint pt) override;
    bool OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    bool OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;

    bool IsPressed() const noexcept { return m_bPressed; }
    bool IsTracking() const noexcept { return m_bTracking; }
    // Forgets a press, as when another cell becomes current.
    void Release() noexcept;
    // Whether every change of the pressed state invalidates the button.
    void SetRedrawOnChange(bool b) noexcept { m_bRedrawOnChange = b; }

private:
    void SetPressed(bool bPressed);

    bool m_bPressed = false;         // drawn sunk (with the focus mark)
    bool m_bTracking = false;        // the left button went down on the button and is still down
    bool m_bRedrawOnChange = true;
    bool m_bSpaceDown = false;       // the space bar went down on the button and is still down
};

class CGXPushbutton : public CGXControl {
    DECLARE_DYNAMIC(CGXPushbutton)
public:
    explicit CGXPushbutton(CGXGridCore* pGrid);

    CGXButton* GetButton() const noexcept { return m_pButton; }

    // Sets up for the cell and invalidates the button, so that the new current cell's button
    // shows its focus mark.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   bool bHeightOnly) override;
    // The button marks the current cell itself: no frame.
    void DrawFocusFrame(CDC*, const CRect&) override {}
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The button covers the content rectangle and takes the cell's caption; it has the focus.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

private:
    void Layout(const CRect& rect, const CGXStyle& style);
    // The cell is current, the grid does not print and its window has the focus.
    bool IsActiveCell(ROWCOL nRow, ROWCOL nCol);

    CGXButton* m_pButton;  // owned through the children
};
