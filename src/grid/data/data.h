#pragma once
// CGXData: the cell data store of a grid. It holds the row and column counts and the sparse styles
// the application stored: one per cell, row, column and for the whole table, each a private clone.
// What a cell shows is composed from these, the named base styles and the standard style
// elsewhere; nothing composed is kept here.
//
// Rows and columns are the grid's: 1-based for data, 0 for the header row and column. The type
// argument of StoreStyle and LookupStyle says what (row, column) addresses: -1 a stored base style
// (row r when r is not 0, column c when r is 0, the table when both are 0), any other value the
// cell (r, c).
//
// Memory follows what was stored: the arrays are sparse and a row without cell styles has no row
// array, so a billion-row store without styles holds three empty arrays. Insert, remove and move
// shift pointers and never copy a style. The arrays index by int: rows and columns from
// 0x7FFFFFFF on cannot hold a style (storing there is refused), though the counts may reach them.
#include "grid/data/range.h"
#include "grid/data/style_ptr_arrays.h"
#include "grid/style/modify_mode.h"
#include "grid/style/style.h"
#include "platform/framework/archive.h"
#include "platform/framework/collections.h"

class CGXData : public CObject {
    DECLARE_SERIAL(CGXData)
public:
    CGXData();
    ~CGXData() override;
    CGXData(const CGXData&) = delete;
    CGXData& operator=(const CGXData&) = delete;

    // Schema 1: the counts, then the cells, the row styles and the column styles. While a grid
    // parameter object writes or reads its store, the archive's context object is the styles map,
    // so that base style names resolve.
    void Serialize(CArchive& ar) override;

    // Deletes every stored style of cells, rows, columns and table; the counts stay.
    virtual void DeleteContents();
    // A deep copy of the other store's counts and styles (each cloned); nothing for this store.
    virtual void Assign(const CGXData& other);

    virtual ROWCOL GetRowCount() const;
    virtual ROWCOL GetColCount() const;
    // Fewer than now removes the rows (columns) after n; more adds rows (columns) at the end.
    virtual bool SetRowCount(ROWCOL nRows);
    virtual bool SetColCount(ROWCOL nCols);

    // Empty rows (columns) at nRow (nCol); later ones move down (right).
    virtual bool InsertRows(ROWCOL nRow, ROWCOL nCount);
    virtual bool InsertCols(ROWCOL nCol, ROWCOL nCount);
    // Deletes the rows (columns) from..to with their styles; later ones move up (left). The count
    // goes down by the counted rows (columns) of the block, so none before the block are lost.
    virtual bool RemoveRows(ROWCOL nFromRow, ROWCOL nToRow);
    virtual bool RemoveCols(ROWCOL nFromCol, ROWCOL nToCol);
    // Moves the block from..to so that its first row (column) ends at nDest; the counts stay.
    virtual bool MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow);
    virtual bool MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol);

    // Combines the style into the slot with the mode (a clone when the slot is empty, nothing
    // for Exclude then); with no style, deletes the slot's style. Grows the counts to (r, c).
    virtual bool StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, ModifyMode mode, int nType = 0);
    virtual bool StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, ModifyMode mode, int nType = 0);
    // Merges the slot's style into the target (Assign for Copy, ChangeStyle otherwise); false, with
    // the target unchanged, beyond the counts or for an empty slot.
    virtual bool LookupStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, ModifyMode mode, int nType = 0) const;

    // Sorting: new row (column) t + i takes what old row t + index[i] held, t being the range's
    // top row (left column). False, changing nothing, unless the indexes are a permutation of
    // 0 to k - 1: a repeated index would give two rows one row's styles.
    virtual bool ReorderRows(const CGXRange& range, const CDWordArray& indexes);
    virtual bool ReorderCols(const CGXRange& range, const CDWordArray& indexes);

    // Grows with every change of counts or styles (also a refused one), so that a cache of what
    // was composed from the store can tell that it is stale.
    DWORD GetChangeCount() const noexcept { return m_nChanges; }

    // The stored style of a slot addressed as for StoreStyle, or null; no bounds by the counts.
    const CGXStyle* GetStoredStyle(ROWCOL nRow, ROWCOL nCol, int nType = 0) const noexcept;
    // The arrays themselves, for checks of the store's shape. Entry 0 of the column styles is the
    // table's style.
    const CGXStylePtrArray& GetRowStyles() const noexcept { return m_rowStyles; }
    const CGXStylePtrArray& GetColStyles() const noexcept { return m_colStyles; }
    const CGXStylePtrArrayPtrArray& GetCells() const noexcept { return m_cells; }

private:
    // The array and index that (row, column, type) address; null array for what cannot be stored.
    CGXStylePtrArray* Slot(ROWCOL nRow, ROWCOL nCol, int nType, bool bCreateRow, int& nIndex);
    // Whether every array that holds entries from nAt on can take nCount more entries.
    bool CanShiftRows(ROWCOL nAt, ROWCOL nCount) const noexcept;
    bool CanShiftCols(ROWCOL nAt, ROWCOL nCount) const noexcept;

    ROWCOL m_nRows = 0;
    ROWCOL m_nCols = 0;
    DWORD m_nChanges = 0;
    CGXStylePtrArray m_rowStyles;
    CGXStylePtrArray m_colStyles;
    CGXStylePtrArrayPtrArray m_cells;
};
