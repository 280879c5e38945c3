// The grid's commands other than the block: run-time classes, construction, Execute (the grid
// operation with the old values, painting at once) and the descriptions, each class's string
// resource loaded once.
#include "grid/commands/commands.h"

#include <algorithm>
#include <utility>

namespace {

// The rows (columns) an operation changes for first..last, last 0 meaning first alone.
size_t SpanCount(ROWCOL nFrom, ROWCOL nTo) noexcept {
    if (nTo == 0) return 1;
    return static_cast<size_t>(std::max(nFrom, nTo) - std::min(nFrom, nTo)) + 1;
}

// An array of the wrong length for its rows would be read beyond its end: such a command is
// refused instead.
template <typename TArray>
bool Fits(const TArray& values, ROWCOL nFrom, ROWCOL nTo) noexcept {
    return values.size() >= SpanCount(nFrom, nTo);
}

// The operations take flags as plain bools.
std::unique_ptr<bool[]> ToFlags(const std::vector<bool>& values) {
    auto flags = std::make_unique<bool[]>(values.size());
    std::copy(values.begin(), values.end(), flags.get());
    return flags;
}

// An empty array: nothing was kept of it.
template <typename TArray>
const TArray* OrNone(const TArray& values) noexcept {
    return values.empty() ? nullptr : &values;
}

}  // namespace

#define GX_COMMAND_DESCRIPTION(class_name, nID)            \
    CString class_name::GetDescription() const {           \
        static const CGXCommandDescription description(nID); \
        return description.Get();                          \
    }

// ----- sizes and hidden rows and columns

IMPLEMENT_DYNAMIC(CGXSetRowHeightCmd, CGXCommand)
CGXSetRowHeightCmd::CGXSetRowHeightCmd(ROWCOL nFromRow, ROWCOL nToRow, std::vector<int> heights)
    : m_nFromRow(nFromRow), m_nToRow(nToRow), m_heights(std::move(heights)) {}
bool CGXSetRowHeightCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    if (!Fits(m_heights, m_nFromRow, m_nToRow)) return false;
    return grid.SetRowHeight(m_nFromRow, m_nToRow, 0, m_heights.data(), GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetRowHeightCmd, GX_IDM_SETROWHEIGHT)

IMPLEMENT_DYNAMIC(CGXSetColWidthCmd, CGXCommand)
CGXSetColWidthCmd::CGXSetColWidthCmd(ROWCOL nFromCol, ROWCOL nToCol, std::vector<int> widths)
    : m_nFromCol(nFromCol), m_nToCol(nToCol), m_widths(std::move(widths)) {}
bool CGXSetColWidthCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    if (!Fits(m_widths, m_nFromCol, m_nToCol)) return false;
    return grid.SetColWidth(m_nFromCol, m_nToCol, 0, m_widths.data(), GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetColWidthCmd, GX_IDM_SETCOLWIDTH)

IMPLEMENT_DYNAMIC(CGXHideRowsCmd, CGXCommand)
CGXHideRowsCmd::CGXHideRowsCmd(ROWCOL nFromRow, ROWCOL nToRow, std::vector<bool> hidden)
    : m_nFromRow(nFromRow), m_nToRow(nToRow), m_hidden(std::move(hidden)) {}
bool CGXHideRowsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    if (!Fits(m_hidden, m_nFromRow, m_nToRow)) return false;
    return grid.HideRows(m_nFromRow, m_nToRow, false, ToFlags(m_hidden).get(), GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXHideRowsCmd, GX_IDM_HIDEROWS)

IMPLEMENT_DYNAMIC(CGXHideColsCmd, CGXCommand)
CGXHideColsCmd::CGXHideColsCmd(ROWCOL nFromCol, ROWCOL nToCol, std::vector<bool> hidden)
    : m_nFromCol(nFromCol), m_nToCol(nToCol), m_hidden(std::move(hidden)) {}
bool CGXHideColsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    if (!Fits(m_hidden, m_nFromCol, m_nToCol)) return false;
    return grid.HideCols(m_nFromCol, m_nToCol, false, ToFlags(m_hidden).get(), GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXHideColsCmd, GX_IDM_HIDECOLS)

IMPLEMENT_DYNAMIC(CGXSetDefaultRowHeightCmd, CGXCommand)
CGXSetDefaultRowHeightCmd::CGXSetDefaultRowHeightCmd(int nHeight) : m_nHeight(nHeight) {}
bool CGXSetDefaultRowHeightCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.SetDefaultRowHeight(m_nHeight, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetDefaultRowHeightCmd, GX_IDM_SETDEFAULTROWHEIGHT)

IMPLEMENT_DYNAMIC(CGXSetDefaultColWidthCmd, CGXCommand)
CGXSetDefaultColWidthCmd::CGXSetDefaultColWidthCmd(int nWidth) : m_nWidth(nWidth) {}
bool CGXSetDefaultColWidthCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.SetDefaultColWidth(m_nWidth, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetDefaultColWidthCmd, GX_IDM_SETDEFAULTCOLWIDTH)

// ----- frozen rows and columns

IMPLEMENT_DYNAMIC(CGXSetFrozenRowsCmd, CGXCommand)
CGXSetFrozenRowsCmd::CGXSetFrozenRowsCmd(ROWCOL nFrozenRows, ROWCOL nHeaderRows)
    : m_nFrozenRows(nFrozenRows), m_nHeaderRows(nHeaderRows) {}
bool CGXSetFrozenRowsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.SetFrozenRows(m_nFrozenRows, m_nHeaderRows, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetFrozenRowsCmd, GX_IDM_SETFROZENROWS)

IMPLEMENT_DYNAMIC(CGXSetFrozenColsCmd, CGXCommand)
CGXSetFrozenColsCmd::CGXSetFrozenColsCmd(ROWCOL nFrozenCols, ROWCOL nHeaderCols)
    : m_nFrozenCols(nFrozenCols), m_nHeaderCols(nHeaderCols) {}
bool CGXSetFrozenColsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.SetFrozenCols(m_nFrozenCols, m_nHeaderCols, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetFrozenColsCmd, GX_IDM_SETFROZENCOLS)

// ----- moving, removing and inserting rows and columns

IMPLEMENT_DYNAMIC(CGXMoveRowsCmd, CGXCommand)
CGXMoveRowsCmd::CGXMoveRowsCmd(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow)
    : m_nFromRow(nFromRow), m_nToRow(nToRow), m_nDestRow(nDestRow) {}
bool CGXMoveRowsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.MoveRows(m_nFromRow, m_nToRow, m_nDestRow, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXMoveRowsCmd, GX_IDM_MOVEROWS)

IMPLEMENT_DYNAMIC(CGXMoveColsCmd, CGXCommand)
CGXMoveColsCmd::CGXMoveColsCmd(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol)
    : m_nFromCol(nFromCol), m_nToCol(nToCol), m_nDestCol(nDestCol) {}
bool CGXMoveColsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.MoveCols(m_nFromCol, m_nToCol, m_nDestCol, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXMoveColsCmd, GX_IDM_MOVECOLS)

IMPLEMENT_DYNAMIC(CGXRemoveRowsCmd, CGXCommand)
CGXRemoveRowsCmd::CGXRemoveRowsCmd(ROWCOL nFromRow, ROWCOL nToRow) : m_nFromRow(nFromRow), m_nToRow(nToRow) {}
bool CGXRemoveRowsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.RemoveRows(m_nFromRow, m_nToRow, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXRemoveRowsCmd, GX_IDM_REMOVEROWS)

IMPLEMENT_DYNAMIC(CGXRemoveColsCmd, CGXCommand)
CGXRemoveColsCmd::CGXRemoveColsCmd(ROWCOL nFromCol, ROWCOL nToCol) : m_nFromCol(nFromCol), m_nToCol(nToCol) {}
bool CGXRemoveColsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.RemoveCols(m_nFromCol, m_nToCol, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXRemoveColsCmd, GX_IDM_REMOVECOLS)

IMPLEMENT_DYNAMIC(CGXInsertRowsCmd, CGXCommand)
CGXInsertRowsCmd::CGXInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, std::vector<int> heights, CGXStyleArray cellStyles,
                                   CGXStyleArray rowStyles, ROWCOL nColCount, std::vector<bool> hidden)
    : m_nRow(nRow),
      m_nCount(nCount),
      m_heights(std::move(heights)),
      m_cellStyles(std::move(cellStyles)),
      m_rowStyles(std::move(rowStyles)),
      m_nColCount(nColCount),
      m_hidden(std::move(hidden)) {}
bool CGXInsertRowsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    if (!m_heights.empty() && m_heights.size() < m_nCount) return false;
    if (!m_hidden.empty() && m_hidden.size() < m_nCount) return false;
    if (!grid.InsertRows(m_nRow, m_nCount, m_heights.empty() ? nullptr : m_heights.data(), OrNone(m_cellStyles),
                         OrNone(m_rowStyles), m_nColCount, GX_REDRAWNOW, nCommandMode))
        return false;
    if (!m_hidden.empty())
        grid.HideRows(m_nRow, m_nRow + m_nCount - 1, false, ToFlags(m_hidden).get(), GX_REDRAWNOW, gxNoRecord);
    return true;
}
GX_COMMAND_DESCRIPTION(CGXInsertRowsCmd, GX_IDM_INSERTROWS)

IMPLEMENT_DYNAMIC(CGXInsertColsCmd, CGXCommand)
CGXInsertColsCmd::CGXInsertColsCmd(ROWCOL nCol, ROWCOL nCount, std::vector<int> widths, CGXStyleArray cellStyles,
                                   CGXStyleArray colStyles, ROWCOL nRowCount, std::vector<bool> hidden)
    : m_nCol(nCol),
      m_nCount(nCount),
      m_widths(std::move(widths)),
      m_cellStyles(std::move(cellStyles)),
      m_colStyles(std::move(colStyles)),
      m_nRowCount(nRowCount),
      m_hidden(std::move(hidden)) {}
bool CGXInsertColsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    if (!m_widths.empty() && m_widths.size() < m_nCount) return false;
    if (!m_hidden.empty() && m_hidden.size() < m_nCount) return false;
    if (!grid.InsertCols(m_nCol, m_nCount, m_widths.empty() ? nullptr : m_widths.data(), OrNone(m_cellStyles),
                         OrNone(m_colStyles), m_nRowCount, GX_REDRAWNOW, nCommandMode))
        return false;
    if (!m_hidden.empty())
        grid.HideCols(m_nCol, m_nCol + m_nCount - 1, false, ToFlags(m_hidden).get(), GX_REDRAWNOW, gxNoRecord);
    return true;
}
GX_COMMAND_DESCRIPTION(CGXInsertColsCmd, GX_IDM_INSERTCOLS)

// ----- covered cells and cell styles

IMPLEMENT_DYNAMIC(CGXSetCoveredCellsCmd, CGXCommand)
CGXSetCoveredCellsCmd::CGXSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
    : m_nTop(nTop), m_nLeft(nLeft), m_nBottom(nBottom), m_nRight(nRight) {}
bool CGXSetCoveredCellsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.SetCoveredCellsRowCol(m_nTop, m_nLeft, m_nBottom, m_nRight, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetCoveredCellsCmd, GX_IDM_SETCOVEREDCELLS)

IMPLEMENT_DYNAMIC(CGXSetStyleRangeCmd, CGXCommand)
CGXSetStyleRangeCmd::CGXSetStyleRangeCmd(const CGXRange& range, int nType, CGXStyleArray styles)
    : m_range(range), m_nType(nType), m_styles(std::move(styles)) {}
bool CGXSetStyleRangeCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.SetStyleRange(m_range, nullptr, static_cast<int>(ModifyMode::Copy), m_nType, &m_styles, GX_REDRAWNOW,
                              nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXSetStyleRangeCmd, GX_IDM_SETSTYLERANGE)

// ----- data moves

IMPLEMENT_DYNAMIC(CGXMoveDataRowsCmd, CGXCommand)
CGXMoveDataRowsCmd::CGXMoveDataRowsCmd(const CGXRange& sortRange, CDWordArray indexes)
    : m_indexes(std::move(indexes)), m_range(sortRange) {}
bool CGXMoveDataRowsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.MoveDataRows(m_range, m_indexes, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXMoveDataRowsCmd, GX_IDM_MOVEDATAROWS)

IMPLEMENT_DYNAMIC(CGXMoveDataColsCmd, CGXCommand)
CGXMoveDataColsCmd::CGXMoveDataColsCmd(const CGXRange& sortRange, CDWordArray indexes)
    : m_indexes(std::move(indexes)), m_range(sortRange) {}
bool CGXMoveDataColsCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return grid.MoveDataCols(m_range, m_indexes, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXMoveDataColsCmd, GX_IDM_MOVEDATACOLS)

// ----- styles map, properties and base styles

IMPLEMENT_DYNAMIC(CGXChangeStylesMapCmd, CGXCommand)
CGXChangeStylesMapCmd::CGXChangeStylesMapCmd(std::unique_ptr<CGXStylesMap> pOldMap)
    : m_pStylesMap(std::move(pOldMap)) {}
bool CGXChangeStylesMapCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return m_pStylesMap != nullptr && grid.ChangeStylesMap(*m_pStylesMap, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXChangeStylesMapCmd, GX_IDM_CHANGESTYLESMAP)

IMPLEMENT_DYNAMIC(CGXChangePropertiesCmd, CGXCommand)
CGXChangePropertiesCmd::CGXChangePropertiesCmd(std::unique_ptr<CGXProperties> pOldProperties)
    : m_pProperties(std::move(pOldProperties)) {}
bool CGXChangePropertiesCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return m_pProperties != nullptr && grid.ChangeProperties(*m_pProperties, GX_REDRAWNOW, nCommandMode);
}
GX_COMMAND_DESCRIPTION(CGXChangePropertiesCmd, GX_IDM_CHANGEPROPERTIES)

IMPLEMENT_DYNAMIC(CGXChangeBaseStyleCmd, CGXCommand)
CGXChangeBaseStyleCmd::CGXChangeBaseStyleCmd(WORD wStyleId, std::unique_ptr<CGXStyle> pOldStyle, CString strName)
    : m_wStyleId(wStyleId), m_pStyle(std::move(pOldStyle)), m_strName(std::move(strName)) {}
bool CGXChangeBaseStyleCmd::Execute(CGXGridCore& grid, UINT nCommandMode) {
    return m_pStyle != nullptr &&
           grid.ChangeBaseStyle(m_wStyleId, *m_pStyle, ModifyMode::Copy, GX_REDRAWNOW, nCommandMode);
}
CString CGXChangeBaseStyleCmd::GetDescription() const { return m_strName; }
