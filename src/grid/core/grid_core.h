#pragma once
// CGXGridCore: every grid behaviour that does not need a window. The grid window derives from the
// framework's window class and from this class; a core without a window still composes styles,
// merges cells, maps rows and columns to pixels and records and replays commands, against a grid
// area it is given.
//
// Map of the class and of the files that define it:
//   parameters, initialisation, base character size, redrawing ........ grid_core.cpp
//   composed styles, value-only composition, header texts, stored styles  compose.cpp
//   merged cells: mode, pair test, evaluation, widening ............... merge_cells.cpp
//   counts, headers and frozen rows, hidden rows, the top row and left
//   column ............................................................. geometry.cpp
//   sizes and size units ............................................... geometry_sizes.cpp
//   window rows, sums, rectangles, last visible rows ................... geometry_window.cpp
//   hit-testing ........................................................ geometry_hit.cpp
//   (rows and columns share one algorithm each, over the axis of geometry_axis.h)
//   undo and redo lists, blocks, menu texts ............................ undo.cpp
//   covered cells, styles map, properties, base styles, data moves ..... changes.cpp
//   storing styles into ranges, the redraw after it, SetValueRange ........ store_styles.cpp
//   the current cell: leaving and entering it, storing a pending edit ... current_cell.cpp
//   moving the current cell by keys and pages ........................... current_cell_move.cpp
//   the selection ....................................................... selection.cpp
//   inserting, removing and moving rows and columns, row and column
//   counts: the public operations ...................................... rows_cols.cpp
//   what an undo of a removal keeps .................................... rows_cols_undo.cpp
//   their store steps (data, sizes, hidden flags, ranges, pools) ....... rows_cols_store.cpp
//   their update steps (current cell, top row, redrawing) .............. rows_cols_update.cpp
//   (rows and columns share one algorithm each, over the axis of rows_cols_axis.h)
//   cell controls: registry, the control of a cell, borders, the
//   erase-background flag ............................................... controls_registry.cpp
//   notifications controls send, values controls store ................. control_notifications.cpp
//   scroll bars: modes, ranges, positions, scroll messages ............. scroll_bars.cpp
//   scrolling the window content (DoScroll) ............................. scroll.cpp
//   the window's messages: size, focus and activation, the rest ........ window_events.cpp
//   (the window itself, CGXGridWnd, is declared in grid_wnd.h)
#include <memory>
#include <vector>

#include "grid/commands/command.h"
#include "grid/data/data.h"
#include "grid/data/grid_param.h"
#include "grid/data/range.h"
#include "grid/properties/properties.h"
#include "grid/style/style.h"
#include "grid/style/styles_map.h"
#include "platform/framework/cstring.h"
#include "platform/framework/geometry.h"
#include "platform/win/winuser.h"

#include <map>

class CWnd;
class CDC;
class CFont;
class CBrush;
class CPen;
class CGXControl;
struct GXDrawState;
struct GXDrawContext;
class CCmdUI;

// Row and column number that means none, or beyond the last.
constexpr ROWCOL GX_INVALID = 0xFFFFFFFF;

// Redraw flags of every changing operation; only the low three bits count.
enum : UINT {
    GX_INVALIDATE = 0,  // change nothing on screen
    GX_REDRAWLATER = 1,  // invalidate what changed
    GX_REDRAWNOW = 2,    // and paint it before returning
    GX_SMART = 4,        // scroll what is on screen and invalidate only what scrolled in
    GX_UPDATENOW = GX_REDRAWNOW,
};

// Scroll bar modes (bits): shown always; shown only when there is something to scroll; range
// and position kept but never shown or hidden by the grid; no empty space after the last row.
enum : int {
    GX_SCROLL_ALWAYS = 1,
    GX_SCROLL_WHENNEEDED = 2,
    GX_SCROLL_KEEPRANGE = 4,
    GX_SCROLL_NOEMPTYEND = 8,
};
// Flags of SetCurrentCell.
enum : UINT {
    GX_CC_PAINT = 2,          // paint the affected cells before returning
    GX_CC_PAINTCLICK = 4,     // the same, for a click
    GX_CC_SCROLLINVIEW = 8,   // scroll the new cell into view
    GX_CC_ACTIVATE = 0x10,    // activate the new cell's control
    GX_CC_NOUPDATE = 0x20,    // do not paint pending updates first
    GX_CC_NOVIEWS = 0x40,     // do not tell other views
    GX_CC_KEEPSELECTION = 0x80,
};
// Directions of MoveCurrentCell.
enum : int {
    GX_MOVE_UP = 1, GX_MOVE_LEFT = 2, GX_MOVE_DOWN = 3, GX_MOVE_RIGHT = 4, GX_MOVE_PAGEDOWN = 5, GX_MOVE_PAGEUP = 6,
    GX_MOVE_TOP = 7, GX_MOVE_BOTTOM = 8, GX_MOVE_MOSTLEFT = 9, GX_MOVE_MOSTRIGHT = 10, GX_MOVE_TOPLEFT = 11,
    GX_MOVE_BOTTOMRIGHT = 12,
};

// Hit-state bits of a button sequence, passed to the controls.
enum : WORD {
    GX_HIT_TRACKED = 0x001,
    GX_HIT_SELECTING = 0x002,
    GX_HIT_DOWN = 0x004,
    GX_HIT_MOVE = 0x008,
    GX_HIT_UP = 0x010,
    GX_HIT_LEFTDOWNCELL = 0x020,
    GX_HIT_INDOWNCELL = 0x040,
    GX_HIT_CTRL = 0x080,
    GX_HIT_CURRENTCELL = 0x100,
};

// Directions of DoScroll.
enum : int { GX_UP = 1, GX_LEFT = 2, GX_DOWN = 3, GX_RIGHT = 4 };

// Hit codes of HitTest.
enum : int {
    GX_HITNONE = 0,
    GX_HITCOLBORDER = 1,
    GX_HITROWBORDER = 2,
    GX_HITCELL = 3,
    GX_HITHEADER = 4,
    GX_HITSELECTIONEDGE = 5,
};

// Merge-cells mode: the low two bits switch it, the others forbid a direction.
enum : WORD {
    gxnMergeDisable = 0,
    gxnMergeDelayEval = 1,
    gxnMergeEvalOnDisplay = 2,
    gxnMergeNoVertical = 4,
    gxnMergeNoHorizontal = 8,
};
// Directions of the merge operations.
enum : int { gxnMergeBoth = -1, gxnMergeHorizontal = 0, gxnMergeVertical = 1 };

// The resizing flags of the grid parameters (row and column sizing flag sets).
enum : WORD {
    GX_TRACK_INDIVIDUAL = 0x02,  // two low bits: sizing allowed at all
    GX_TRACK_EXTHITTEST = 0x04,  // also from inside the table, not only from the headers
    GX_TRACK_NOTHEADER = 0x08,   // header rows (columns) cannot be sized
};

// Undo description string ids.
enum : UINT {
    GX_IDM_REMOVEROWS = 52296,
    GX_IDM_REMOVECOLS = 52297,
    GX_IDM_SETROWHEIGHT = 52309,
    GX_IDM_SETCOLWIDTH = 52310,
    GX_IDM_SETDEFAULTROWHEIGHT = 52311,
    GX_IDM_SETDEFAULTCOLWIDTH = 52312,
    GX_IDM_MOVEROWS = 52313,
    GX_IDM_MOVECOLS = 52314,
    GX_IDM_INSERTROWS = 52315,
    GX_IDM_INSERTCOLS = 52316,
    GX_IDM_SETCOVEREDCELLS = 52317,
    GX_IDM_SETSTYLERANGE = 52318,
    GX_IDM_SETFROZENCOLS = 52319,
    GX_IDM_SETFROZENROWS = 52320,
    GX_IDM_HIDEROWS = 52321,
    GX_IDM_HIDECOLS = 52322,
    GX_IDM_MOVEDATAROWS = 52332,
    GX_IDM_MOVEDATACOLS = 52333,
    GX_IDM_CHANGESTYLESMAP = 52336,
    GX_IDM_CHANGEPROPERTIES = 52337,
};

// Styles of a range of cells in row-major order, one per cell; null where a cell has none.
using CGXStyleArray = std::vector<std::unique_ptr<CGXStyle>>;

// The style type of the storing operations: cells, or the row, column or table style.
constexpr int gxCellStyle = 0;
constexpr int gxRangeStyle = -1;
// SetStyleRange's mode that removes a cell's stored style.
constexpr int gxRemove = 4;

class CGXGridCore {
public:
    CGXGridCore();
    virtual ~CGXGridCore();
    CGXGridCore(const CGXGridCore&) = delete;
    CGXGridCore& operator=(const CGXGridCore&) = delete;

    // ===== parameters and initialisation (grid_core.cpp)

    // Lends (or gives, with bMustDelete) the parameter object; the one owned so far is deleted.
    void SetParam(CGXGridParam* pParam, bool bMustDelete = true);
    CGXGridParam* GetParam() const noexcept { return m_pParam; }
    CGXData* GetData() const noexcept { return m_pParam != nullptr ? m_pParam->GetData() : nullptr; }
    CGXStylesMap* GetStylesMap() const noexcept { return m_pParam != nullptr ? m_pParam->GetStylesMap() : nullptr; }
    CGXProperties* GetProperties() const noexcept { return m_pParam != nullptr ? m_pParam->GetProperties() : nullptr; }

    // Completes the grid: parameters (owned) when it has none, their properties (read from the
    // profile), styles map (standard styles, read from the profile) and data store when they have
    // none; the standard styles' pointers; the base character size; the top row and left column
    // lifted above the frozen ones.
    virtual void Initialize();
    bool IsInitialized() const noexcept { return m_bInitDone; }

    // The window the grid draws into, or none: then nothing is redrawn and GetGridRect is the
    // area given to SetGridRect.
    CWnd* GridWnd() const noexcept { return m_pGridWnd; }
    void SetGridWnd(CWnd* pWnd) noexcept { m_pGridWnd = pWnd; }
    void SetGridRect(const CRect& rect) noexcept;

    // Measures one character of the standard style's font on a device context of the screen.
    virtual void UpdateFontMetrics();
    int GetBaseCharHeight() const noexcept { return m_nBaseCharHeight; }
    int GetBaseCharWidth() const noexcept { return m_nBaseCharWidth; }
    // The standard, column header and row header styles of the styles map; null before
    // Initialize (or without a map).
    const CGXStyle* GetStandardStyle() const noexcept { return m_pStyleStandard; }
    const CGXStyle* GetColHeaderStyle() const noexcept { return m_pStyleColHeader; }
    const CGXStyle* GetRowHeaderStyle() const noexcept { return m_pStyleRowHeader; }
    // Finds the three again, after the styles map changed.
    void UpdateStandardStylePointers();

    // Redrawing with the redraw flags; nothing without a window or while updates are locked.
    virtual void Redraw(UINT flags = GX_REDRAWNOW);
    virtual void RedrawRowCol(const CGXRange& range, UINT flags = GX_REDRAWNOW);
    void InvalidateGridRect(const CRect& rect, UINT flags);
    // Returns the previous setting.
    bool LockUpdate(bool bLock = true) noexcept;
    bool IsLockUpdate() const noexcept { return m_bLockUpdate; }

    // ===== composed styles (compose.cpp)

    // The effective style of a cell: its own, its row's, column's and table's stored styles, the
    // base-style chain, the header styles and, when asked, the standard style.
    virtual void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, bool bApplyStandardStyle = true);
    // The value a cell shows, composing no further than needed to find it.
    virtual CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol);
    // The lettered name of a column: A..Z, AA..ZZ, AAA.. (bijective base 26).
    static CString GetColumnLetters(ROWCOL nCol);
    // The stored style of a slot (type gxRangeStyle: row, column or table), merged into rStyle;
    // false without a data store or when none is stored.
    virtual bool GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, ModifyMode mode = ModifyMode::Copy,
                                int nType = gxCellStyle);
    // Stores into the data store; refused while the read-only lock is on and the grid is read-only.
    // No style removes the slot's style.
    virtual bool StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, ModifyMode mode,
                                  int nType = gxCellStyle);
    // Whether the parameters refuse changes: the read-only lock is on and the grid is read-only.
    virtual bool IsReadOnly() const;

    // ===== merged cells (merge_cells.cpp)

    virtual void SetMergeCellsMode(WORD nMode, bool bRedraw = true);
    WORD GetMergeCellsMode() const noexcept;
    virtual bool CanMergeCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, int nDirection);
    virtual bool CanMergeCells(const CGXStyle& style1, const CGXStyle& style2);
    // The cell's merged block in the given direction(s), or false when it has none.
    virtual bool GetMergedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range, int nDirection = gxnMergeBoth);
    virtual bool SetMergedCellsRowCol(int nDirection, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                      bool bSet = true);
    // Widens the range by every merged block that starts inside it, horizontal runs first.
    virtual void MergeCellsRange(CGXRange& range);
    // Evaluates the merged cells of a range; pRangeChanged (when given) grows by what changed,
    // for redrawing. True when any run changed.
    virtual bool EvalMergeCells(const CGXRange& range, CGXRange* pRangeChanged = nullptr);
    // Records a range whose merged cells must be evaluated again (delayed mode); in the mode that
    // evaluates on display, nothing is to be recorded.
    virtual void DelayMergeCells(const CGXRange& range);
    bool LockEvalMergeCells(bool bLock) noexcept;

    // ===== counts, headers and frozen rows, sizes, hidden rows, top row (geometry.cpp,
    // geometry_sizes.cpp)

    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    // Removes the rows after the count, or inserts rows up to it, undoably (rows_cols.cpp); false
    // when the grid refused.
    virtual bool SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
    virtual bool SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
    // The count alone, without undo and without the per-row structures.
    virtual bool StoreRowCount(ROWCOL nRows);
    virtual bool StoreColCount(ROWCOL nCols);
    virtual void UpdateChangedRowCount(ROWCOL nOldRows, UINT flags);
    virtual void UpdateChangedColCount(ROWCOL nOldCols, UINT flags);

    virtual ROWCOL GetHeaderRows();
    virtual ROWCOL GetHeaderCols();
    virtual ROWCOL GetFrozenRows();
    virtual ROWCOL GetFrozenCols();
    virtual bool SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows = 0, UINT flags = GX_UPDATENOW,
                               UINT nCommandMode = gxDo);
    virtual bool SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols = 0, UINT flags = GX_UPDATENOW,
                               UINT nCommandMode = gxDo);
    virtual bool StoreFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows);
    virtual bool StoreFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols);
    virtual void UpdateFrozenRows(ROWCOL nOldFrozenRows, ROWCOL nOldHeaderRows, UINT flags);
    virtual void UpdateFrozenCols(ROWCOL nOldFrozenCols, ROWCOL nOldHeaderCols, UINT flags);

    ROWCOL GetTopRow() const noexcept { return m_nTopRow; }
    ROWCOL GetLeftCol() const noexcept { return m_nLeftCol; }
    virtual void SetTopRow(ROWCOL nRow, UINT flags = GX_UPDATENOW, bool bNotifyOtherViews = true);
    virtual void SetLeftCol(ROWCOL nCol, UINT flags = GX_UPDATENOW, bool bNotifyOtherViews = true);
    virtual bool CanChangeTopRow(ROWCOL nNewTopRow);
    virtual bool CanChangeLeftCol(ROWCOL nNewLeftCol);
    virtual void OnTopRowChanged();
    virtual void OnLeftColChanged();

    virtual int GetRowHeight(ROWCOL nRow);
    virtual int GetColWidth(ROWCOL nCol);
    virtual int GetDefaultRowHeight();
    virtual int GetDefaultColWidth();
    // first..last (0: first alone); with an array, row i takes pHeights[i - first].
    virtual bool SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, const int* pHeights = nullptr,
                              UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    virtual bool SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, const int* pWidths = nullptr,
                             UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    virtual bool SetDefaultRowHeight(int nHeight, UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    virtual bool SetDefaultColWidth(int nWidth, UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    // A negative size removes the entry: the default applies again.
    virtual bool StoreRowHeight(ROWCOL nRow, int nHeight);
    virtual bool StoreColWidth(ROWCOL nCol, int nWidth);
    virtual bool StoreDefaultRowHeight(int nHeight);
    virtual bool StoreDefaultColWidth(int nWidth);
    virtual void UpdateChangedRowHeight(ROWCOL nFromRow, ROWCOL nToRow, UINT flags);
    virtual void UpdateChangedColWidth(ROWCOL nFromCol, ROWCOL nToCol, UINT flags);

    virtual bool IsRowHidden(ROWCOL nRow);
    virtual bool IsColHidden(ROWCOL nCol);
    // With an array, row i takes pFlags[i - first] instead of bHide.
    virtual bool HideRows(ROWCOL nFromRow, ROWCOL nToRow, bool bHide = true, const bool* pFlags = nullptr,
                          UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    virtual bool HideCols(ROWCOL nFromCol, ROWCOL nToCol, bool bHide = true, const bool* pFlags = nullptr,
                          UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    virtual bool StoreHideRow(ROWCOL nRow, bool bHide);
    virtual bool StoreHideCol(ROWCOL nCol, bool bHide);

    // Size units: heights and widths are kept in thousandths of the base character's size.
    LONG HeightToUnits(int nPixels) const noexcept;
    int UnitsToHeight(LONG nUnits) const noexcept;
    LONG WidthToUnits(int nPixels) const noexcept;
    int UnitsToWidth(LONG nUnits) const noexcept;

    bool m_bLimitRowHeightToView = true;
    bool m_bLimitColWidthToView = true;

    // ===== window rows, rectangles, hit-testing (geometry_hit.cpp)

    ROWCOL RowToClientRow(ROWCOL nRow);
    ROWCOL ColToClientCol(ROWCOL nCol);
    ROWCOL ClientRowToRow(ROWCOL nClientRow);
    ROWCOL ClientColToCol(ROWCOL nClientCol);
    virtual CRect GetGridRect();
    int SumRowHeights(ROWCOL nFromRow, ROWCOL nToRow, int nLimit = 0);
    int SumColWidths(ROWCOL nFromCol, ROWCOL nToCol, int nLimit = 0);
    int SumClientRowHeights(ROWCOL nFromClientRow, ROWCOL nToClientRow, int nLimit = 0);
    int SumClientColWidths(ROWCOL nFromClientCol, ROWCOL nToClientCol, int nLimit = 0);
    // The window rectangle of a range, widened to whole merged and covered cells; empty when the
    // range is scrolled out. bUnclipped sums beyond twice the grid area.
    CRect CalcRangeRect(const CGXRange& range, bool bUnclipped = false);
    CRect CalcCellRect(ROWCOL nRow, ROWCOL nCol) { return CalcRangeRect(CGXRange(nRow, nCol, nRow, nCol)); }
    // The window row under the point's y, or GX_INVALID below the last row; pEdge receives its top.
    ROWCOL ClientRowFromPoint(CPoint pt, int* pEdge = nullptr);
    ROWCOL ClientColFromPoint(CPoint pt, int* pEdge = nullptr);
    ROWCOL CalcLastVisibleRow(const CRect& rect, bool* pbLastRowReached = nullptr);
    ROWCOL CalcLastVisibleCol(const CRect& rect, bool* pbLastColReached = nullptr);
    ROWCOL GetLastVisibleRow(bool* pbLastRowReached = nullptr);
    ROWCOL GetLastVisibleCol(bool* pbLastColReached = nullptr);
    void ResetLastVisibleCaches() noexcept;
    // Hit code of a point, with the cell's row, column and rectangle (each optional).
    int HitTest(CPoint pt, ROWCOL* pRow = nullptr, ROWCOL* pCol = nullptr, CRect* pRect = nullptr);
    // The test a derived grid may add; by default the edge of a selected range.
    virtual int ExtraHitTest(CPoint pt, ROWCOL nRow, ROWCOL nCol, const CRect& rectCell);

    int m_nHitTolerance = 8;
    bool m_bSelDragging = false;

    // ===== undo and redo (undo.cpp)

    virtual void AddCommand(CGXCommand* pCmd, UINT nCommandMode);
    virtual void RemoveCommand(UINT nCommandMode);
    virtual bool Undo();
    virtual bool Redo();
    virtual void BeginTrans(const char* pszDescription = nullptr);
    virtual void CommitTrans();
    virtual void Rollback();
    virtual void OnUpdateEditUndo(CCmdUI* pCmdUI);
    virtual void OnUpdateEditRedo(CCmdUI* pCmdUI);
    virtual void ScrollToChange(ROWCOL nRow, ROWCOL nCol, bool bMakeCurrent);
    // While a block command runs its steps, their opposite steps go into the block it opened at
    // the head of the list its mode selects.
    bool IsExecutingBlock() const noexcept { return m_bExecutingBlock; }

    // ===== the current cell (current_cell.cpp, current_cell_move.cpp) and the selection
    // (selection.cpp)

    // Whether a current cell exists inside the counts; GX_INVALID matches any row (column).
    bool IsCurrentCell(ROWCOL nRow = GX_INVALID, ROWCOL nCol = GX_INVALID);
    virtual bool GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const;
    // Leaves the current cell (storing a pending edit, or refusing) and makes the cell current.
    // Flags: GX_CC_* below. False when the change was refused.
    virtual bool SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = 10);
    // Scrolls so that the cell is in view; true when it scrolled.
    virtual bool ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW);
    // Whether the current cell may be left (bEntering false) or the cell entered.
    virtual bool CanSelectCurrentCell(bool bEntering, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow, ROWCOL nOldCol);
    // Stores (bStore) or discards a pending edit of the current cell.
    virtual bool TransferCurrentCell(bool bStore = true, UINT flags = GX_UPDATENOW, bool bNotify = true);
    // Keyboard moves (GX_MOVE_*): with Shift, and when allowed, they extend the selection.
    virtual bool MoveCurrentCell(int nDirection, UINT nCount = 1);
    virtual bool MoveCurrentCellEx(int nDirection, UINT nCount = 1, bool bSelect = true);
    // The first enabled, visible, not covered cell from (nRow, nCol) on in the direction (1 up,
    // 2 left, 3 down, 4 right), the cell itself included.
    virtual bool FindNextCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol);
    virtual void OnMovingCurrentCell(ROWCOL nRow, ROWCOL nCol);
    // Redraws the header cells that mark the current row (direction 0 or 2) and column (0 or 1).
    virtual void UpdateHeaderMarks(ROWCOL nRow, ROWCOL nCol, int nDirection, UINT flags);
    // The control of the current cell, or none.
    CGXControl* GetCurrentCellControl() const noexcept { return m_bCurrentCell ? m_pCurrentControl : nullptr; }
    // Shows a pending warning text in a message box and clears it; sets the message-shown flag.
    virtual void DisplayWarningText();
    bool m_bMessageShown = false;

    // The selection: the parameters' range list. Each change is announced before and after, and
    // redraws what it changed.
    CGXRangeList* GetSelection() const noexcept { return m_pParam != nullptr ? m_pParam->GetRangeList() : nullptr; }
    // Adds (bSelect) the range to the selection, or takes its cells out of it.
    virtual bool SelectRange(const CGXRange& range, bool bSelect = true, bool bUpdate = true);
    virtual void ClearSelection(bool bUpdate = true);
    virtual void PrepareChangeSelection(const CGXRange& range);
    virtual void DoneChangeSelection(const CGXRange& range);
    // Whether the cell is inside a selected range.
    bool IsCellSelected(ROWCOL nRow, ROWCOL nCol) const;
    // Whether the current cell is also selected when it becomes current, and where Enter moves
    // it (a GX_MOVE_* direction; 0 stays).
    bool m_bSelectCurrentCell = false;
    int m_nEnterDirection = 0;

    // ===== further changes with their commands (changes.cpp)

    virtual bool SetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                       UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    // The covered range that holds the cell, or none.
    virtual const CGXRange* GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol);
    // Takes the map over (replacing what the parameters hold: a copy of the old one is recorded).
    virtual bool ChangeStylesMap(const CGXStylesMap& stylesMap, UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    virtual bool ChangeProperties(const CGXProperties& properties, UINT flags = GX_UPDATENOW,
                                  UINT nCommandMode = gxDo);
    virtual bool ChangeBaseStyle(WORD wStyleId, const CGXStyle& style, ModifyMode mode = ModifyMode::Override,
                                 UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    // Row t + i takes what row t + indexes[i] held, t the range's top row.
    virtual bool MoveDataRows(const CGXRange& sortRange, const CDWordArray& indexes, UINT flags = GX_UPDATENOW,
                              UINT nCommandMode = gxDo);
    virtual bool MoveDataCols(const CGXRange& sortRange, const CDWordArray& indexes, UINT flags = GX_UPDATENOW,
                              UINT nCommandMode = gxDo);

    // ===== drawing (draw.cpp, draw_cells.cpp, draw_lines.cpp, draw_cache.cpp)

    // The paint entry: draws what the device context's clip box holds of the grid area.
    virtual void DrawGrid(CDC* pDC);
    // Draws the block of window rows and columns with backgrounds, cells, lines and selection.
    virtual void DrawCells(ROWCOL nFromClientRow, ROWCOL nFromClientCol, ROWCOL nToClientRow, ROWCOL nToClientCol,
                           CDC* pDC);
    // One cell through its control.
    virtual void DrawItem(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style);
    virtual void DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect);
    // A grid line segment (flags 0), or a feedback line while dragging (flags 1, 2, 4, 8).
    virtual void DrawGridLine(CDC* pDC, int x, int y, int cx, int cy, int nOrientation, int nIndex, UINT flags);
    // Empties the composed-style cache and the GDI object caches; nothing while a paint runs.
    virtual void FreeObjectCache();
    // The composed style of a cell: from the cache when it holds the cell, else composed afresh
    // (valid until the next lookup of an uncached cell after the paint, or the next paint).
    virtual const CGXStyle& LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol);
    // Every paint through a memory bitmap of the clip box (no flicker, one bitmap per paint).
    bool m_bDrawThroughMemory = false;
    // The steps of a paint for the part of the grid area in clip.
    void DrawClipBox(CDC* pDC, const CRect& clip);
    // The current cell's frame, drawn by its control after the cell's row (window row r of x).
    void DrawCurrentCellFrame(GXDrawContext& x, ROWCOL r);
    // GDI objects shared by the cells of a paint and kept between paints.
    CFont* LookupFont(const CGXFont& font);
    CPen* LookupPen(const StylePen& pen);
    // A colour of the properties (grid lines 0, 1, 2, drag lines 3, beyond the table 4), resolved.
    COLORREF GetPropertyColor(int nIndex) const;
    bool IsDrawing() const noexcept;

    // ===== storing styles into ranges (store_styles.cpp)

    // Combines the style (mode: a ModifyMode, or gxRemove) into every slot of the range: cells, or
    // with type gxRangeStyle the rows', columns' or table's styles (whole rows, columns or the table
    // always mean those). With an array (an undo or redo), slot i takes entry i instead, removed
    // where the entry is empty. Redraws what changed and records the old styles; true when any
    // slot changed. Slots beyond the last row and column are not visited.
    virtual bool SetStyleRange(const CGXRange& range, const CGXStyle* pStyle, int nMode, int nType = gxCellStyle,
                               const CGXStyleArray* pStylesArray = nullptr, UINT flags = GX_UPDATENOW,
                               UINT nCommandMode = gxDo);
    // Redraws a changed range, widened to whole merged cells.
    virtual void UpdateStyleRange(const CGXRange& range, UINT flags);
    // Asked before a change too large to record for undo; false (Cancel) refuses the change.
    virtual bool ConfirmChangeWithoutUndo();

    // ===== inserting, removing, moving rows and columns (rows_cols.cpp, rows_cols_store.cpp,
    // rows_cols_update.cpp). Each public operation stores, updates and records the opposite
    // operation; the column twins do the same with columns, widths and the left column.

    // nCount empty rows at nRow (1 to the row count + 1). Row i of the new ones takes
    // pHeights[i] (pixels, -1 for the default), the cell styles pCellsArray[i * nColCount + c]
    // for columns c below nColCount and the row style (*pRowsArray)[i]; an array may end early,
    // and its null entries store nothing. False for a count of 0, a row beyond the count + 1, a
    // count the row numbers cannot hold, and when the store step refuses.
    virtual bool InsertRows(ROWCOL nRow, ROWCOL nCount, const int* pHeights = nullptr,
                            const CGXStyleArray* pCellsArray = nullptr, const CGXStyleArray* pRowsArray = nullptr,
                            ROWCOL nColCount = 0, UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    // The cell styles of column i are pCellsArray[i * nRowCount + r], rows r below nRowCount.
    virtual bool InsertCols(ROWCOL nCol, ROWCOL nCount, const int* pWidths = nullptr,
                            const CGXStyleArray* pCellsArray = nullptr, const CGXStyleArray* pColsArray = nullptr,
                            ROWCOL nRowCount = 0, UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    // Rows from..to (1 to the row count, in order). Covered ranges that start in them are
    // uncovered and those that end in them shortened. False, changing nothing, when the store
    // step refuses or the user declines to go on without undo.
    virtual bool RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    virtual bool RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags = GX_UPDATENOW, UINT nCommandMode = gxDo);
    // Moves rows from..to so that the first of them ends at nDestRow; the block must end within
    // the rows. False for a block onto itself.
    virtual bool MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW,
                          UINT nCommandMode = gxDo);
    virtual bool MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags = GX_UPDATENOW,
                          UINT nCommandMode = gxDo);

    // Store steps: the data store, row heights and hidden flags, the selection and covered cells,
    // the merge and float span pools. False when the grid is read-only or the data store refuses;
    // a move onto itself changes nothing and is refused unless bForce.
    virtual bool StoreInsertRows(ROWCOL nRow, ROWCOL nCount, bool bForce = false);
    virtual bool StoreInsertCols(ROWCOL nCol, ROWCOL nCount, bool bForce = false);
    virtual bool StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, bool bForce = false);
    virtual bool StoreRemoveCols(ROWCOL nFromCol, ROWCOL nToCol, bool bForce = false);
    virtual bool StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, bool bForce = false);
    virtual bool StoreMoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, bool bForce = false);

    // Update steps: the current cell follows its row, the top row keeps the same rows in view
    // where it can, and what moved on screen is scrolled or invalidated as the flags ask.
    // pOldHeights (may be null) are the pixel heights of the removed rows from the first on, as
    // far as they reached into the grid area, for scrolling the rows below up.
    virtual void UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags = GX_UPDATENOW,
                                  bool bNotifyOtherViews = true);
    virtual void UpdateInsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags = GX_UPDATENOW,
                                  bool bNotifyOtherViews = true);
    virtual void UpdateRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, const std::vector<int>* pOldHeights = nullptr,
                                  UINT flags = GX_UPDATENOW, bool bNotifyOtherViews = true);
    virtual void UpdateRemoveCols(ROWCOL nFromCol, ROWCOL nToCol, const std::vector<int>* pOldWidths = nullptr,
                                  UINT flags = GX_UPDATENOW, bool bNotifyOtherViews = true);
    virtual void UpdateMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW,
                                bool bNotifyOtherViews = true);
    virtual void UpdateMoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags = GX_UPDATENOW,
                                bool bNotifyOtherViews = true);

    // ===== cell controls (controls_registry.cpp)

    // Registers a control under an identifier; the grid owns it from now on and deletes it with
    // itself. A different control registered under the identifier before is deleted (unless it
    // is still registered under another identifier), and forgotten wherever the grid held it:
    // the look-up cache and the default control, whose place the new control takes. Registering
    // the same object again deletes nothing. The control becomes the default when bDefault is set
    // or when there is no default yet (identifier 0 always names the default). With
    // bAddToStylesMap the styles map records the control's name from the string resource of the
    // identifier (CResourceException when it is missing; nothing is registered then).
    virtual void RegisterControl(WORD nID, CGXControl* pControl, bool bDefault = false, bool bAddToStylesMap = true);
    // The control of an identifier; the default control for 0 and for identifiers not registered.
    virtual CGXControl* GetRegisteredControl(WORD nID);
    // The control that draws the cell, named by its composed style.
    virtual CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);
    CGXControl* GetDefaultControl() const noexcept { return m_pDefaultControl; }

    // The rectangle less the style's borders (the width of each present side); never inverted.
    virtual CRect SubtractBorders(const CRect& rect, const CGXStyle& style);
    // A content size grown by the style's borders.
    virtual CSize AddBorders(CSize size, const CGXStyle& style);
    // Black and white: printing with the properties' black-and-white switch.
    bool IsPrintBlackWhite() const;

    // Set by drawing while a control draws a cell whose background the row's background pass has
    // not painted (spans, cells drawn on their own): DrawBackground then fills it even without the
    // erase request. Outside that, a control leaves the background to the pass that painted it.
    bool IsDrawCellBackground() const noexcept { return m_bDrawCellBackground; }
    // Returns the previous setting.
    bool SetDrawCellBackground(bool b) noexcept {
        bool bOld = m_bDrawCellBackground;
        m_bDrawCellBackground = b;
        return bOld;
    }

    // ===== notifications controls send, values controls store (control_notifications.cpp)
    // Each takes the control's cell first; the defaults allow, or do nothing.

    virtual bool OnValidateCell(ROWCOL nRow, ROWCOL nCol);
    virtual bool OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnNotifyModified(ROWCOL nRow, ROWCOL nCol);
    virtual bool OnCancelEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    virtual bool OnLeavingCell(ROWCOL nRow, ROWCOL nCol);
    virtual bool OnLeftCell(ROWCOL nRow, ROWCOL nCol, ROWCOL nNewRow, ROWCOL nNewCol);
    virtual bool OnNotifyCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol);
    // Called by a control set up for a cell; OnCurrentCellChanged follows when the cell differs
    // from the one set up last.
    virtual void OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCurrentCellChanged();
    virtual bool OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual bool OnMButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual bool OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual bool OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual bool OnMButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual bool OnRButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual bool OnMouseMoveOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);

    // A message to show when a cell change is refused; the current-cell operations show it.
    virtual void SetWarningText(const char* pszText);
    const CString& GetWarningText() const noexcept { return m_strWarningText; }

    // Stores a value into every cell of a range through SetStyleRange (redrawn and recorded for
    // undo; store_styles.cpp).
    virtual bool SetValueRange(const CGXRange& range, const char* pszValue, ModifyMode mode = ModifyMode::Override,
                               int nType = gxCellStyle, UINT flags = GX_UPDATENOW);
    // The value a control stores for its cell (its style, when given, is the cell's composed style).
    virtual bool SetControlValue(ROWCOL nRow, ROWCOL nCol, const char* pszValue, UINT flags = GX_UPDATENOW,
                                 const CGXStyle* pStyle = nullptr);
    // The grid's copy and cut of the selection (or the current cell) as text; a control falls
    // back to them when it is not active (clipboard.cpp).
    virtual bool Copy();
    virtual bool Cut();

    // ===== scroll bars (scroll_bars.cpp) and scrolling (scroll.cpp)
    // Bars are SB_HORZ (0), SB_VERT (1) or SB_BOTH (3). Nothing of it works before Initialize or
    // without a window.

    // Stores the mode; with bUpdate, mode 0 hides the bar, a mode that always shows it shows it
    // and a mode that shows it when needed brings the bars up to date.
    virtual void SetScrollBarMode(int nBar, int nMode, bool bUpdate = true);
    int GetScrollBarMode(int nBar) const noexcept;
    // Ranges, positions and visibility of both bars from the counts, sizes and top row.
    virtual void UpdateScrollbars(bool bRedraw = true, bool bOnlyIfDimensionChanged = false);
    // A range in rows (columns); the bar holds it divided by the direction's scroll factor.
    virtual void SetGridScrollRange(int nBar, ROWCOL nMin, ROWCOL nMax, bool bRedraw = true);
    // Sets the position in rows (columns); the previous one in rows (columns).
    virtual ROWCOL SetGridScrollPos(int nBar, ROWCOL nPos, bool bRedraw = true);
    // Rows (columns) per scroll bar unit.
    ROWCOL GetScrollFactor(int nBar) const noexcept;
    // Scrolls by nCount rows or columns (GX_UP, GX_LEFT, GX_DOWN, GX_RIGHT): the content that stays
    // in view moves, only what scrolls in is painted. False when nothing moved.
    virtual bool DoScroll(int nDirection, ROWCOL nCount);
    // Whether DoScroll is running, and the top row (left column) before the last scroll.
    bool IsScrolling() const noexcept { return m_bScrolling; }
    ROWCOL GetPrevTopRow() const noexcept { return m_scrollRows.nPrevFirst; }
    ROWCOL GetPrevLeftCol() const noexcept { return m_scrollCols.nPrevFirst; }
    // The top row (left column) after which no empty space would follow the last row (column).
    ROWCOL GetLastSensibleTopRow();
    ROWCOL GetLastSensibleLeftCol();
    // Set whenever a scroll range was set; drawing reads and clears it.
    bool m_bScrollbarsChanged = false;
    // Whether the thumb scrolls while it is dragged, or only where it is released.
    bool m_bThumbTrack = true;
    // Whether a grown window paints only what its growth uncovered (when everything else was
    // painted since the last size).
    bool m_bSmartResize = false;

    // ===== the window's messages (scroll_bars.cpp, window_events.cpp)
    // Each returns whether it handled the message; otherwise the window's default handling runs.

    virtual bool OnGridVScroll(UINT nSBCode, UINT nPos);
    virtual bool OnGridHScroll(UINT nSBCode, UINT nPos);
    virtual bool OnGridSize(UINT nType, int cx, int cy);
    // Focus gained or lost (not counting focus moving to or from the grid's own child windows).
    virtual void OnActivateGrid(bool bActive);
    bool IsActiveGrid() const noexcept { return m_bActive; }
    // The grid that last got the focus in this process, or none.
    static CGXGridCore* GetLastActiveGrid() noexcept;
    virtual UINT OnGridGetDlgCode(UINT nDefaultCode);
    virtual void OnGridSetFocus(CWnd* pOldWnd);
    virtual void OnGridKillFocus(CWnd* pNewWnd);
    virtual void OnGridShowWindow(bool bShow, UINT nStatus);
    virtual void OnGridCancelMode();
    virtual bool OnGridTimer(UINT_PTR nIDEvent);
    virtual bool OnGridSetCursor(UINT nHitTest, UINT nMessage);
    virtual int OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage);
    virtual bool OnGridCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnGridDestroy();
    virtual void OnGridSettingChange(UINT nFlags, const char* pszSection);
    virtual void OnGridSysColorChange();
    virtual bool OnGridPreTranslateMessage(MSG* pMsg);
    // ===== mouse (mouse.cpp, mouse_tracking.cpp), keys (keys.cpp) and the clipboard
    // (clipboard.cpp); each handler returns whether it handled the message.

    virtual bool OnGridLButtonDown(UINT nFlags, CPoint pt);
    virtual bool OnGridLButtonUp(UINT nFlags, CPoint pt);
    virtual bool OnGridLButtonDblClk(UINT nFlags, CPoint pt);
    virtual bool OnGridMButtonDown(UINT nFlags, CPoint pt);
    virtual bool OnGridMButtonUp(UINT nFlags, CPoint pt);
    virtual bool OnGridMButtonDblClk(UINT nFlags, CPoint pt);
    virtual bool OnGridRButtonDown(UINT nFlags, CPoint pt);
    virtual bool OnGridRButtonUp(UINT nFlags, CPoint pt);
    virtual bool OnGridRButtonDblClk(UINT nFlags, CPoint pt);
    virtual bool OnGridMouseMove(UINT nFlags, CPoint pt);
    virtual bool ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual bool OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual bool OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual bool OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual bool OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The per-button dispatch of a button sequence to the cell's control (hit-state bits
    // GX_HIT_*).
    virtual bool OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                    WORD nHitState);
    virtual bool OnRButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                    WORD nHitState);
    virtual bool OnMButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt, UINT nFlags,
                                    WORD nHitState);
    // Whether a click may select the cell (with its header, the row or column).
    virtual bool CanSelect(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    // The cursor the point's hit asks for; SetGridCursor sets a cursor resource (0: the window's
    // own), falling back to the standard cursor, and answers the previous identifier.
    virtual void UpdateCursor(CPoint pt);
    virtual UINT SetGridCursor(UINT nID, LPCSTR pszStandard = nullptr);
    bool IsTracking() const noexcept { return m_nTrackState != 0 || m_bResizing || m_bMoving; }
    // Resizing a row (nDirection 1) or column (2) by its border, and moving selected rows or
    // columns by their headers.
    virtual bool StartResizing(ROWCOL n, int nDirection, CPoint pt);
    virtual void DoneResizing(CPoint pt);
    virtual bool StartMoving(ROWCOL n, bool bRows, CPoint pt);
    virtual void DoneMoving(CPoint pt);

    // Clipboard and edit hooks of the keys.
    virtual bool CanCopy();
    virtual bool CanCut();
    virtual bool CanPaste();
    virtual bool Paste();
    virtual bool CanClear();
    // Clears the selection, or the current cell: values, or whole styles (bStyles).
    virtual bool Clear(bool bStyles);
    // The cells of a range as text: cells separated by a tab, rows by CR LF.
    virtual CString CopyTextRange(const CGXRange& range);
    // Bits of what Copy puts on the clipboard: 8 text; 1 and 2 take header columns and rows too.
    UINT m_nClipboardFlags = 0x38;

    // Whether a change made with this command mode is to be recorded.
    bool ShouldRecord(UINT nCommandMode) const noexcept;
    // Records the command (the core takes it over) when the mode and the parameters ask for it;
    // otherwise deletes it.
    void RecordCommand(CGXCommand* pCmd, UINT nCommandMode);
    // The same, and after an undo or redo shows the change at (nRow, nCol).
    void RecordCommandFor(CGXCommand* pCmd, UINT nCommandMode, ROWCOL nRow, ROWCOL nCol);

protected:
    // Throws the framework's not-supported exception for a grid that has no parameters.
    CGXGridParam& Param() const;
    // Deletes every registered control once and empties the registry.
    void DeleteControls() noexcept;

    CWnd* m_pGridWnd = nullptr;
    CGXGridParam* m_pParam = nullptr;
    bool m_bOwnParam = false;
    bool m_bInitDone = false;
    CRect m_rectGridArea;  // the grid area of a core without a window

    const CGXStyle* m_pStyleStandard = nullptr;
    const CGXStyle* m_pStyleColHeader = nullptr;
    const CGXStyle* m_pStyleRowHeader = nullptr;

    bool m_bLockUpdate = false;

    // Geometry.
    ROWCOL m_nTopRow = 1;
    ROWCOL m_nLeftCol = 1;
    int m_nBaseCharHeight = 15;
    int m_nBaseCharWidth = 10;
    struct LastVisible {
        ROWCOL nLast = GX_INVALID;     // GX_INVALID: not computed
        ROWCOL nComputedFor = 0;       // the top row (left column) it was computed for
        int nEdge = 0;                 // the pixel edge of the last row (column)
        bool bLastReached = false;
    };
    LastVisible m_lastVisibleRow;
    LastVisible m_lastVisibleCol;

    // Composition.
    bool m_bComposeValueOnly = false;

    // Merged cells.
    bool m_bLockEvalMergeCells = false;

    // The current cell: its position, its control, whether a change of it is under way, and
    // the keyboard's selection anchor (an anchor range of the selection and its fixed cell).
    ROWCOL m_nCurrentRow = 0;
    ROWCOL m_nCurrentCol = 0;
    bool m_bCurrentCell = false;
    CGXControl* m_pCurrentControl = nullptr;
    bool m_bInChangeCurrentCell = false;
    bool m_bKeepCurrentStyle = false;
    CGXRange* m_pKeyAnchorRange = nullptr;
    ROWCOL m_nKeyAnchorRow = 0;
    ROWCOL m_nKeyAnchorCol = 0;

    // Undo: the block BeginTrans opened (so that commands never go into a block that was not
    // begun), and the block being executed with the deferred scroll target.
    CGXCommand* m_pTransBlock = nullptr;
    bool m_bExecutingBlock = false;
    bool m_bDeferredScroll = false;
    ROWCOL m_nDeferredRow = 0;
    ROWCOL m_nDeferredCol = 0;
    bool m_bDeferredMakeCurrent = false;

    // Drawing: the style cache, the object caches and the drawing context's arrays, kept between
    // paints so that an unchanged repaint allocates nothing.
    std::unique_ptr<GXDrawState> m_pDraw;

    // Cell controls: the registry (an object may be registered under several identifiers; it is
    // deleted once), the default control, the last look-up, and the cell last set up.
    std::map<WORD, CGXControl*> m_controlMap;
    CGXControl* m_pDefaultControl = nullptr;
    WORD m_nCachedControlId = 0;
    CGXControl* m_pCachedControl = nullptr;
    bool m_bDrawCellBackground = false;
    ROWCOL m_nLastInitRow = GX_INVALID;
    ROWCOL m_nLastInitCol = GX_INVALID;
    CString m_strWarningText;

    // Mouse: the button sequence being tracked (GX_HIT_* bits, 0 when none), the cell it started
    // in and the last it reached; resizing and moving by dragging; the cursor loaded last.
    WORD m_nTrackState = 0;
    int m_nTrackButton = 0;  // 1 left, 2 right, 3 middle
    ROWCOL m_nDownRow = 0, m_nDownCol = 0, m_nLastRow = 0, m_nLastCol = 0;
    bool m_bMoved = false;
    CGXRange* m_pMouseAnchorRange = nullptr;
    ROWCOL m_nMouseAnchorRow = 0, m_nMouseAnchorCol = 0;
    bool m_bResizing = false, m_bResizeRows = false;
    ROWCOL m_nResizeIndex = 0;
    int m_nResizeOldSize = 0;
    bool m_bMoving = false, m_bMoveRows = false;
    ROWCOL m_nMoveFrom = 0;
    UINT m_nCursorId = 0;
    HCURSOR m_hLoadedCursor = nullptr;
    bool m_bInGridCopy = false;

    // Scroll bars and scrolling, per direction.
    struct ScrollAxisState {
        int nMode = 0;              // GX_SCROLL_* bits; 0: no bar
        ROWCOL nFactor = 2;         // rows (columns) per bar unit
        ROWCOL nCachedCount = 0;    // the count of the last bar update
        ROWCOL nPrevFirst = 0;      // the top row (left column) before the last scroll
    };
    ScrollAxisState m_scrollRows;
    ScrollAxisState m_scrollCols;
    bool m_bInUpdateScrollbars = false;
    bool m_bScrolling = false;

    // The window: focus, and what OnGridSize remembers for repainting only what a new size
    // uncovers.
    bool m_bActive = false;
    bool m_bInGridSize = false;
    CSize m_sizeOldClient{0, 0};  // client size less the scroll bars' sizes; 0: not known
    bool m_bPaintedSinceSize = false;
    CRect m_rectOldWindow;
    bool m_bFrameMaximized = false;
    HWND m_hwndPrevFocus = nullptr;

    friend class CGXBlockCmd;
    friend struct GXGeometryAxis;
    friend struct GXRowsColsAxis;
};
