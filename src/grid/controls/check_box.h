#pragma once
// CGXCheckBox: a cell shown as a small square box, optionally followed by a caption (the cell's
// choice-list text). A click on the box or the space bar on the current cell toggles the cell's
// value, stores it at once and tells the grid (OnCellButtonClicked). The box is painted from a
// strip of five images that the host supplies as bitmap resources.
//
// Definitions:
//   state, drawing, size, mouse, keys, toggling ........................ check_box.cpp
//   the bitmap strips: loading, colours, the box's place and image ..... check_box_bitmaps.cpp
#include "grid/controls/control.h"
#include "platform/win/global_memory.h"

// The checked and unchecked texts of a cell: user attributes of its style ("1" and "0" where
// they are missing or empty).
constexpr DWORD GX_IDS_UA_CHECKBOX_CHECKED = 51019;
constexpr DWORD GX_IDS_UA_CHECKBOX_UNCHECKED = 51020;

// The bitmap strips of the 3-D and the flat look (the flat one is also the print look).
constexpr UINT GX_IDB_CHECKBOX_3D = 23232;
constexpr UINT GX_IDB_CHECKBOX_FLAT = 23233;

// Bits of the state word GetState computes for drawing.
enum : int {
    GX_CB_CURRENT = 1,    // the control is set up for this cell and it is the current cell
    GX_CB_PRESSED = 2,    // the button is held over the box (only with GX_CB_CURRENT)
    GX_CB_CHECKED = 4,
    GX_CB_UNCHECKED = 8,  // neither: indeterminate
    GX_CB_DISABLED = GX_CB_PRESSED | GX_CB_UNCHECKED,  // the grey box of a cell not enabled
};

class CGXCheckBox : public CGXControl {
    DECLARE_DYNAMIC(CGXCheckBox)
public:
    static constexpr int kBoxSize = 13;

    // Bitmap identifiers 0 take the defaults: the 3-D or the flat strip on screen, the flat strip
    // for printing.
    explicit CGXCheckBox(CGXGridCore* pGrid, bool bDraw3d = true, UINT nBitmapResourceId = 0,
                         UINT nPrintResourceId = 0);
    ~CGXCheckBox() override;

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   bool bHeightOnly) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    bool OnMouseMove(UINT nFlags, CPoint pt, int nHitState = 0) override;
    bool OnLButtonDown(UINT nFlags, CPoint pt, int nHitState = 0) override;
    bool OnLButtonUp(UINT nFlags, CPoint pt, int nHitState = 0) override;
    bool OnLButtonDblClk(UINT nFlags, CPoint pt, int nHitState = 0) override;
    // The space character toggles the box of the current cell.
    bool KeyMessage(UINT nMessage, WPARAM nChar, UINT nRepCnt, UINT nFlags) override;
    // Toggles the value: checked → unchecked → checked, or with the tri-state switch
    // checked → unchecked → indeterminate (empty) → checked; stores it and tells the grid.
    void OnClickedChild(CGXChild* pChild) override;
    // The box follows the new system colours.
    void OnSysColorChange() override;

    virtual int GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // Paints the image of the state word into the box's place in the rectangle.
    virtual void DrawCheckBox(CDC* pDC, const CRect& rect, int nState, UINT nAlign, const char* pszCaption);
    // Where the box goes in a content rectangle, with the caption after it and the alignment.
    virtual CRect ComputeBoxRect(CDC* pDC, const CRect& rect, const char* pszCaption, UINT nAlign);
    // The system colour that stands for a colour of the strip (bitmap 0 the screen's, 1 the print's).
    virtual COLORREF MapBitmapColour(COLORREF color, int nBitmap);
    // (Re)loads both strips with their colours mapped; false when the screen strip is missing.
    virtual bool LoadBitmaps();

    bool IsDraw3d() const noexcept { return m_bDraw3d; }
    bool IsPressed() const noexcept { return m_bPressed; }

    // The texts a cell's style means by checked and unchecked.
    static CString GetCheckedText(const CGXStyle& style);
    static CString GetUncheckedText(const CGXStyle& style);

private:
    void FreeBitmaps() noexcept;
    // The style of the cell set up for, composed afresh.
    CGXStyle CurrentStyle();
    // The box of the cell set up for, in window coordinates.
    CRect CurrentBoxRect(const CGXStyle& style);
    void SetPressed(bool bPressed);

    bool m_bDraw3d;
    HGLOBAL m_hBitmap = nullptr;       // the screen strip, colours mapped
    HGLOBAL m_hPrintBitmap = nullptr;  // the print strip, colours mapped; may be missing
    UINT m_nBitmapResourceId;
    UINT m_nPrintResourceId;
    bool m_bPressed = false;
    CRect m_rectBox;  // the box as the last button-down found it
};
