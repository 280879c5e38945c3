#pragma once
// CGXGridParam: the shared state of a grid, kept apart from the grid window so that several views
// can show one grid and so that a grid's content can be stored. It holds, owned or borrowed as its
// ownership flags say, the cell data store, the styles map, the properties and the print device;
// it always owns the selection, the covered cells with their pool, the float and merge span pools,
// the undo and redo lists, the row heights and column widths and the hidden rows and columns; and
// it keeps the grid's settings.
//
// Map: GXGridParamFurther (settings only unbuilt grid operations read); the settings; the class
// with attaching, the owned parts, the settings' accessors and the archive form (grid_param_archive.cpp).
#include <array>
#include <memory>

#include "grid/commands/command.h"
#include "grid/data/covered_cell_pool.h"
#include "grid/data/delayed_range_pool.h"
#include "grid/data/grid_param_size_map.h"
#include "grid/data/range_list.h"
#include "grid/data/span_cell_pool.h"
#include "platform/framework/collections.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CGXData;
class CGXStylesMap;
class CGXProperties;
class CGXPrintDevice;

// One byte per row (column), non-zero when the row (column) is hidden.
using CGXHiddenArray = CArray<BYTE>;

// Settings that only grid operations not built yet read. They are kept, and the archive carries
// those it has always carried, so that a grid's stored content comes back unchanged; the grid
// operations that read them give them their meaning and their names.
struct GXGridParamFurther {
    DWORD f1 = 100;
    bool f3 = false;
    WORD f4 = 3, f5 = 3;
    DWORD f6 = 0, f7 = 0;  // archived as 16 bits
    bool f15 = true;
    bool f16 = true;
    bool f19 = false;
    WORD f21 = 0;
    bool f22 = true;
    CString f23;
    DWORD f24 = 0, f25 = 0, f26 = 0;
    bool f27 = false;
    DWORD f28 = 1, f29 = 1;
    WORD f31 = 4;
    bool f32 = true;
    DWORD f33 = 0;
    bool f34 = false;
    WORD f35 = 0;
    bool f36 = false, f37 = false, f38 = false, f39 = false;
    LONG f40 = -1, f41 = -1;
    DWORD f42 = 0;
    bool f43 = false;
    std::array<DWORD, 10> f44to53{};  // set by the grid core when it first needs them
};

// The grid's settings with their defaults after construction.
struct GXGridParamSettings {
    bool bNumberedRowHeaders = true;  // row headers show the row number when their style has no value
    bool bNumberedColHeaders = true;  // column headers show the column's letters likewise
    DWORD nHeaderRows = 0;            // rows after row 0 that also count as header rows
    DWORD nHeaderCols = 0;
    DWORD nFrozenRows = 0;  // rows that do not scroll
    DWORD nFrozenCols = 0;
    DWORD nDefaultRowHeight = 1200;  // in the grid's size units
    DWORD nDefaultColWidth = 10000;
    bool bReadOnly = false;
    bool bCheckReadOnly = true;  // changing operations first ask whether the grid is read-only
    bool bUndoEnabled = true;
    DWORD nTransactionDepth = 0;  // nesting depth of grouped undo commands
    DWORD nMaxUndoEntries = 512;  // beyond this the oldest command of a list is dropped

    bool bActiveViewCursor = false;
    WORD nActivateCellFlags = 1;
    WORD wSelectionFlags = 0xFF;
    DWORD nAllowMoveCols = 1;
    DWORD nAllowMoveRows = 1;
    WORD wRowSizingFlags = 0xB2;
    WORD wColSizingFlags = 0xB2;
    WORD wListMode = 0;
    WORD wFloatCellsMode = 0;
    WORD wMergeCellsMode = 0;
    WORD wCurrentCellFrameMode = 2;

    GXGridParamFurther further;
};

class CGXGridParam : public CObject {
    DECLARE_SERIAL(CGXGridParam)
public:
    // No data store, styles map, properties or print device; an empty covered-cell pool.
    CGXGridParam();
    ~CGXGridParam() override;
    CGXGridParam(const CGXGridParam&) = delete;
    CGXGridParam& operator=(const CGXGridParam&) = delete;

    // --- attached objects. Attaching deletes the object held so far when it was owned and is not
    // the one attached now; then the object and its ownership flag are recorded.
    void SetData(CGXData* pData, bool bMustDelete = true);
    CGXData* GetData() const noexcept { return m_pData; }
    bool IsDataOwned() const noexcept { return m_bOwnData; }
    void SetStylesMap(CGXStylesMap* pStylesMap, bool bMustDelete = true);
    CGXStylesMap* GetStylesMap() const noexcept { return m_pStylesMap; }
    bool IsStylesMapOwned() const noexcept { return m_bOwnStylesMap; }
    void SetProperties(CGXProperties* pProperties, bool bMustDelete = true);
    CGXProperties* GetProperties() const noexcept { return m_pProperties; }
    bool IsPropertiesOwned() const noexcept { return m_bOwnProperties; }
    void SetPrintDevice(CGXPrintDevice* pPrintDevice, bool bMustDelete = true);
    CGXPrintDevice* GetPrintDevice() const noexcept { return m_pPrintDevice; }
    bool IsPrintDeviceOwned() const noexcept { return m_bOwnPrintDevice; }

    // --- always owned
    CGXRangeList* GetRangeList() const noexcept { return m_pSelection.get(); }  // the selection
    CGXRangeList* GetCoveredCellsList() const noexcept { return m_pCoveredCells.get(); }
    CGXCoveredCellPool* GetCoveredCellPool() const noexcept { return m_pCoveredCellPool.get(); }
    // The pools of float and merge spans exist while those modes are on; the setters take the
    // pool over and delete the one held before.
    CGXSpanCellPool* GetFloatCellsPool() const noexcept { return m_pFloatCellsPool.get(); }
    void SetFloatCellsPool(CGXSpanCellPool* pPool) noexcept { m_pFloatCellsPool.reset(pPool); }
    CGXDelayedRangePool* GetDelayedFloatCellsPool() const noexcept { return m_pDelayedFloatCells.get(); }
    void SetDelayedFloatCellsPool(CGXDelayedRangePool* pPool) noexcept { m_pDelayedFloatCells.reset(pPool); }
    CGXSpanCellPool* GetHorzMergeCellsPool() const noexcept { return m_pHorzMergeCellsPool.get(); }
    void SetHorzMergeCellsPool(CGXSpanCellPool* pPool) noexcept { m_pHorzMergeCellsPool.reset(pPool); }
    CGXSpanCellPool* GetVertMergeCellsPool() const noexcept { return m_pVertMergeCellsPool.get(); }
    void SetVertMergeCellsPool(CGXSpanCellPool* pPool) noexcept { m_pVertMergeCellsPool.reset(pPool); }
    CGXDelayedRangePool* GetDelayedMergeCellsPool() const noexcept { return m_pDelayedMergeCells.get(); }
    void SetDelayedMergeCellsPool(CGXDelayedRangePool* pPool) noexcept { m_pDelayedMergeCells.reset(pPool); }
    // Two objects of the grid core's float-cell evaluation, owned here and never stored.
    CObject* GetFloatCellsObject(int i) const noexcept { return i == 0 || i == 1 ? m_pFloatObjects[i].get() : nullptr; }
    void SetFloatCellsObject(int i, CObject* pObject) noexcept;

    // --- undo and redo
    CGXCommandList& GetUndoList() noexcept { return *m_pUndoList; }
    CGXCommandList& GetRedoList() noexcept { return *m_pRedoList; }
    // Deletes every command; emptying the undo list also closes every open block (depth 0).
    void EmptyUndoList() noexcept;
    void EmptyRedoList() noexcept;
    DWORD GetTransactionDepth() const noexcept { return m_s.nTransactionDepth; }
    void SetTransactionDepth(DWORD n) noexcept { m_s.nTransactionDepth = n; }
    bool IsEnableUndo() const noexcept { return m_s.bUndoEnabled; }
    void EnableUndo(bool b) noexcept { m_s.bUndoEnabled = b; }
    DWORD GetMaxUndoEntries() const noexcept { return m_s.nMaxUndoEntries; }
    void SetMaxUndoEntries(DWORD n) noexcept { m_s.nMaxUndoEntries = n; }

    // --- sizes and hidden rows and columns
    CGXMapDWordToLong& GetRowHeights() noexcept { return *m_pRowHeights; }
    const CGXMapDWordToLong& GetRowHeights() const noexcept { return *m_pRowHeights; }
    CGXMapDWordToLong& GetColWidths() noexcept { return *m_pColWidths; }
    const CGXMapDWordToLong& GetColWidths() const noexcept { return *m_pColWidths; }
    CGXHiddenArray& GetHiddenRows() noexcept { return *m_pHiddenRows; }
    const CGXHiddenArray& GetHiddenRows() const noexcept { return *m_pHiddenRows; }
    CGXHiddenArray& GetHiddenCols() noexcept { return *m_pHiddenCols; }
    const CGXHiddenArray& GetHiddenCols() const noexcept { return *m_pHiddenCols; }
    DWORD GetDefaultRowHeight() const noexcept { return m_s.nDefaultRowHeight; }
    void SetDefaultRowHeight(DWORD n) noexcept { m_s.nDefaultRowHeight = n; }
    DWORD GetDefaultColWidth() const noexcept { return m_s.nDefaultColWidth; }
    void SetDefaultColWidth(DWORD n) noexcept { m_s.nDefaultColWidth = n; }

    // --- headers, frozen rows and columns
    bool IsNumberedRowHeaders() const noexcept { return m_s.bNumberedRowHeaders; }
    void SetNumberedRowHeaders(bool b) noexcept { m_s.bNumberedRowHeaders = b; }
    bool IsNumberedColHeaders() const noexcept { return m_s.bNumberedColHeaders; }
    void SetNumberedColHeaders(bool b) noexcept { m_s.bNumberedColHeaders = b; }
    DWORD GetHeaderRows() const noexcept { return m_s.nHeaderRows; }
    void SetHeaderRows(DWORD n) noexcept { m_s.nHeaderRows = n; }
    DWORD GetHeaderCols() const noexcept { return m_s.nHeaderCols; }
    void SetHeaderCols(DWORD n) noexcept { m_s.nHeaderCols = n; }
    DWORD GetFrozenRows() const noexcept { return m_s.nFrozenRows; }
    void SetFrozenRows(DWORD n) noexcept { m_s.nFrozenRows = n; }
    DWORD GetFrozenCols() const noexcept { return m_s.nFrozenCols; }
    void SetFrozenCols(DWORD n) noexcept { m_s.nFrozenCols = n; }

    // --- read-only lock
    bool IsReadOnly() const noexcept { return m_s.bReadOnly; }
    void SetReadOnly(bool b) noexcept { m_s.bReadOnly = b; }
    bool IsLockReadOnly() const noexcept { return m_s.bCheckReadOnly; }
    void SetLockReadOnly(bool b) noexcept { m_s.bCheckReadOnly = b; }

    // --- behaviour of the grid core. The flag sets are stored whole; their tests answer whether
    // any of the given bits is set.
    bool GetActiveViewCursor() const noexcept { return m_s.bActiveViewCursor; }
    void SetActiveViewCursor(bool b) noexcept { m_s.bActiveViewCursor = b; }
    WORD GetActivateCellFlags() const noexcept { return m_s.nActivateCellFlags; }
    void SetActivateCellFlags(WORD n) noexcept { m_s.nActivateCellFlags = n; }
    WORD GetSelectionFlags() const noexcept { return m_s.wSelectionFlags; }
    void SetSelectionFlags(WORD w) noexcept { m_s.wSelectionFlags = w; }
    bool IsSelection(WORD wBits) const noexcept { return (m_s.wSelectionFlags & wBits) != 0; }
    DWORD GetAllowMoveCols() const noexcept { return m_s.nAllowMoveCols; }
    void SetAllowMoveCols(DWORD n) noexcept { m_s.nAllowMoveCols = n; }
    DWORD GetAllowMoveRows() const noexcept { return m_s.nAllowMoveRows; }
    void SetAllowMoveRows(DWORD n) noexcept { m_s.nAllowMoveRows = n; }
    WORD GetRowSizingFlags() const noexcept { return m_s.wRowSizingFlags; }
    void SetRowSizingFlags(WORD w) noexcept { m_s.wRowSizingFlags = w; }
    bool IsRowSizing(WORD wBits) const noexcept { return (m_s.wRowSizingFlags & wBits) != 0; }
    WORD GetColSizingFlags() const noexcept { return m_s.wColSizingFlags; }
    void SetColSizingFlags(WORD w) noexcept { m_s.wColSizingFlags = w; }
    bool IsColSizing(WORD wBits) const noexcept { return (m_s.wColSizingFlags & wBits) != 0; }
    WORD GetListMode() const noexcept { return m_s.wListMode; }
    void SetListMode(WORD w) noexcept { m_s.wListMode = w; }
    bool IsListMode(WORD wBits) const noexcept { return (m_s.wListMode & wBits) != 0; }
    WORD GetCurrentCellFrameMode() const noexcept { return m_s.wCurrentCellFrameMode; }
    void SetCurrentCellFrameMode(WORD w) noexcept { m_s.wCurrentCellFrameMode = w; }
    // A change of mode deletes the pools of the old mode; the grid core makes those the new one needs.
    WORD GetFloatCellsMode() const noexcept { return m_s.wFloatCellsMode; }
    void SetFloatCellsMode(WORD w) noexcept;
    WORD GetMergeCellsMode() const noexcept { return m_s.wMergeCellsMode; }
    void SetMergeCellsMode(WORD w) noexcept;

    GXGridParamFurther& GetFurther() noexcept { return m_s.further; }
    const GXGridParamFurther& GetFurther() const noexcept { return m_s.further; }

    // Schema 6 (see grid_param_archive.cpp); schemas 1 to 5 are read as well. Reading makes this
    // object what the archive holds, as a new object filled from it would be; borrowed objects that
    // the archive does not replace stay attached. A damaged archive leaves the object as it was.
    void Serialize(CArchive& ar) override;

    // The covered-cell pool is an index by row and column, so that a few covered ranges can ask
    // for a great deal of memory. Reading refuses (CArchiveException) covered cells whose index
    // would hold more entries than this; 2^24 unless the application says otherwise.
    static ULONGLONG GetMaxCoveredCellIndex() noexcept;
    static void SetMaxCoveredCellIndex(ULONGLONG nEntries) noexcept;

private:
    void Swap(CGXGridParam& other) noexcept;
    void Store(CArchive& ar);
    void Load(CArchive& ar);

    GXGridParamSettings m_s;

    std::unique_ptr<CGXRangeList> m_pSelection;
    std::unique_ptr<CGXRangeList> m_pCoveredCells;
    std::unique_ptr<CGXCoveredCellPool> m_pCoveredCellPool;
    std::unique_ptr<CGXSpanCellPool> m_pFloatCellsPool;
    std::unique_ptr<CGXDelayedRangePool> m_pDelayedFloatCells;
    std::unique_ptr<CObject> m_pFloatObjects[2];
    std::unique_ptr<CGXSpanCellPool> m_pHorzMergeCellsPool;
    std::unique_ptr<CGXSpanCellPool> m_pVertMergeCellsPool;
    std::unique_ptr<CGXDelayedRangePool> m_pDelayedMergeCells;

    bool m_bOwnData = false;
    CGXData* m_pData = nullptr;
    bool m_bOwnStylesMap = false;
    CGXStylesMap* m_pStylesMap = nullptr;
    bool m_bOwnProperties = false;
    CGXProperties* m_pProperties = nullptr;
    bool m_bOwnPrintDevice = false;
    CGXPrintDevice* m_pPrintDevice = nullptr;

    std::unique_ptr<CGXCommandList> m_pUndoList;
    std::unique_ptr<CGXCommandList> m_pRedoList;
    std::unique_ptr<CGXHiddenArray> m_pHiddenRows;
    std::unique_ptr<CGXHiddenArray> m_pHiddenCols;
    std::unique_ptr<CGXMapDWordToLong> m_pRowHeights;
    std::unique_ptr<CGXMapDWordToLong> m_pColWidths;
};
