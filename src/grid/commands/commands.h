#pragma once
// The grid's undoable commands. Each holds the old values of one change and, executed, hands them
// back to the grid operation that made the change, painting at once and recording as the command
// mode says (so that the operation records the opposite command in turn). What a command holds it
// owns; the constructors take their values over.
//
// Map: sizes and hidden rows and columns; frozen rows and columns; moving, removing and inserting
// rows and columns; covered cells and cell styles; data moves; styles map, properties and base
// styles (commands.cpp); the block of commands that undoes as one step (block_command.cpp).
#include <memory>
#include <vector>

#include "grid/commands/command.h"
#include "grid/core/grid_core.h"
#include "grid/properties/properties.h"
#include "grid/style/style.h"
#include "grid/style/styles_map.h"
#include "platform/framework/collections.h"

// ----- sizes and hidden rows and columns. The arrays hold one entry per row (column) from first
// to last; last 0 means first alone, as the operations take it.

class CGXSetRowHeightCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetRowHeightCmd)
public:
    CGXSetRowHeightCmd(ROWCOL nFromRow, ROWCOL nToRow, std::vector<int> heights);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromRow, m_nToRow;
    std::vector<int> m_heights;  // pixels
};

class CGXSetColWidthCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetColWidthCmd)
public:
    CGXSetColWidthCmd(ROWCOL nFromCol, ROWCOL nToCol, std::vector<int> widths);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromCol, m_nToCol;
    std::vector<int> m_widths;  // pixels
};

class CGXHideRowsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXHideRowsCmd)
public:
    CGXHideRowsCmd(ROWCOL nFromRow, ROWCOL nToRow, std::vector<bool> hidden);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromRow, m_nToRow;
    std::vector<bool> m_hidden;
};

class CGXHideColsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXHideColsCmd)
public:
    CGXHideColsCmd(ROWCOL nFromCol, ROWCOL nToCol, std::vector<bool> hidden);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromCol, m_nToCol;
    std::vector<bool> m_hidden;
};

class CGXSetDefaultRowHeightCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetDefaultRowHeightCmd)
public:
    explicit CGXSetDefaultRowHeightCmd(int nHeight);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    int m_nHeight;  // pixels
};

class CGXSetDefaultColWidthCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetDefaultColWidthCmd)
public:
    explicit CGXSetDefaultColWidthCmd(int nWidth);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    int m_nWidth;  // pixels
};

// ----- frozen rows and columns

class CGXSetFrozenRowsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetFrozenRowsCmd)
public:
    CGXSetFrozenRowsCmd(ROWCOL nFrozenRows, ROWCOL nHeaderRows);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFrozenRows, m_nHeaderRows;
};

class CGXSetFrozenColsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetFrozenColsCmd)
public:
    CGXSetFrozenColsCmd(ROWCOL nFrozenCols, ROWCOL nHeaderCols);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFrozenCols, m_nHeaderCols;
};

// ----- moving, removing and inserting rows and columns

class CGXMoveRowsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXMoveRowsCmd)
public:
    CGXMoveRowsCmd(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromRow, m_nToRow, m_nDestRow;
};

class CGXMoveColsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXMoveColsCmd)
public:
    CGXMoveColsCmd(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromCol, m_nToCol, m_nDestCol;
};

class CGXRemoveRowsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXRemoveRowsCmd)
public:
    CGXRemoveRowsCmd(ROWCOL nFromRow, ROWCOL nToRow);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromRow, m_nToRow;
};

class CGXRemoveColsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXRemoveColsCmd)
public:
    CGXRemoveColsCmd(ROWCOL nFromCol, ROWCOL nToCol);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nFromCol, m_nToCol;
};

// The removed rows come back with their heights, the styles of their cells (row-major, nColCount
// per row), their row styles and their hidden flags; an empty array stands for what was not kept
// (the style arrays may also end early). The hidden flags are set again without recording: the
// opposite command InsertRows records removes them with their rows.
class CGXInsertRowsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXInsertRowsCmd)
public:
    CGXInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, std::vector<int> heights, CGXStyleArray cellStyles,
                     CGXStyleArray rowStyles, ROWCOL nColCount, std::vector<bool> hidden = {});
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nRow, m_nCount;
    std::vector<int> m_heights;
    CGXStyleArray m_cellStyles;
    CGXStyleArray m_rowStyles;
    ROWCOL m_nColCount;
    std::vector<bool> m_hidden;
};

class CGXInsertColsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXInsertColsCmd)
public:
    CGXInsertColsCmd(ROWCOL nCol, ROWCOL nCount, std::vector<int> widths, CGXStyleArray cellStyles,
                     CGXStyleArray colStyles, ROWCOL nRowCount, std::vector<bool> hidden = {});
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nCol, m_nCount;
    std::vector<int> m_widths;
    CGXStyleArray m_cellStyles;
    CGXStyleArray m_colStyles;
    ROWCOL m_nRowCount;
    std::vector<bool> m_hidden;
};

// ----- covered cells and cell styles

// A single cell (top = bottom, left = right) uncovers the block that starts there.
class CGXSetCoveredCellsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetCoveredCellsCmd)
public:
    CGXSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    ROWCOL m_nTop, m_nLeft, m_nBottom, m_nRight;
};

// The old styles of the range's cells in row-major order (null where a cell had none), stored
// back as copies of the cells' whole styles.
class CGXSetStyleRangeCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXSetStyleRangeCmd)
public:
    CGXSetStyleRangeCmd(const CGXRange& range, int nType, CGXStyleArray styles);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    CGXRange m_range;
    int m_nType;
    CGXStyleArray m_styles;
};

// ----- data moves: row (column) t + i takes what row t + indexes[i] held, t the range's top row
// (left column).

class CGXMoveDataRowsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXMoveDataRowsCmd)
public:
    CGXMoveDataRowsCmd(const CGXRange& sortRange, CDWordArray indexes);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    CDWordArray m_indexes;
    CGXRange m_range;
};

class CGXMoveDataColsCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXMoveDataColsCmd)
public:
    CGXMoveDataColsCmd(const CGXRange& sortRange, CDWordArray indexes);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    CDWordArray m_indexes;
    CGXRange m_range;
};

// ----- styles map, properties and base styles

class CGXChangeStylesMapCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXChangeStylesMapCmd)
public:
    explicit CGXChangeStylesMapCmd(std::unique_ptr<CGXStylesMap> pOldMap);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    std::unique_ptr<CGXStylesMap> m_pStylesMap;
};

class CGXChangePropertiesCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXChangePropertiesCmd)
public:
    explicit CGXChangePropertiesCmd(std::unique_ptr<CGXProperties> pOldProperties);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    std::unique_ptr<CGXProperties> m_pProperties;
};

// Described by the base style's name.
class CGXChangeBaseStyleCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXChangeBaseStyleCmd)
public:
    CGXChangeBaseStyleCmd(WORD wStyleId, std::unique_ptr<CGXStyle> pOldStyle, CString strName);
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    CString GetDescription() const override;

    WORD m_wStyleId;
    std::unique_ptr<CGXStyle> m_pStyle;
    CString m_strName;
};

// ----- a block: commands that undo and redo as one step, the most recent first

class CGXBlockCmd : public CGXCommand {
    DECLARE_DYNAMIC(CGXBlockCmd)
public:
    explicit CGXBlockCmd(const char* pszDescription = nullptr);
    // Runs the commands in list order with the mode, the opposite commands going into one new
    // block at the head of the opposite list. When one fails, what ran is undone again and the
    // new block dropped, so that the grid is as before and this block can be tried again.
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override;
    // The description given, or "Block".
    CString GetDescription() const override;

    CGXCommandList& GetCommands() noexcept { return m_commands; }
    const CGXCommandList& GetCommands() const noexcept { return m_commands; }
    bool IsEmpty() const noexcept { return m_commands.IsEmpty(); }

    CGXCommandList m_commands;
    CString m_strDescription;

private:
    class ExecutionScope;
    // Runs the commands in list order until one fails; the number that succeeded.
    int RunCommands(CGXGridCore& grid, UINT nCommandMode);
};
