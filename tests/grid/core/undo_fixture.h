#pragma once
// A core for the undo tests: besides the grid's own recorded changes it has a counter, changed by
// an operation that records its command like any grid operation and can be told to refuse, so that
// blocks can be made to fail half way. Snapshot gives the grid's whole recorded state as bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core_fixture.h"
#include "grid/commands/commands.h"
#include "support/archive_bytes.h"

namespace undo_test {

struct UndoGrid : core_test::TestGrid {
    int m_nCounter = 0;
    bool m_bRefuseCounter = false;

    bool SetCounter(int nValue, UINT nCommandMode = gxDo);

    using CGXGridCore::m_pTransBlock;
};

// Changes the counter back to the value it held.
struct CounterCmd : CGXCommand {
    explicit CounterCmd(int nValue) : m_nValue(nValue) {}
    bool Execute(CGXGridCore& grid, UINT nCommandMode) override {
        return static_cast<UndoGrid&>(grid).SetCounter(m_nValue, nCommandMode);
    }
    CString GetDescription() const override { return "Counter"; }
    int m_nValue;
};

inline bool UndoGrid::SetCounter(int nValue, UINT nCommandMode) {
    if (m_bRefuseCounter) return false;
    const int nOld = m_nCounter;
    m_nCounter = nValue;
    RecordCommand(new CounterCmd(nOld), nCommandMode);
    return true;
}

// The grid's state as far as its recorded operations change it: the counter, the covered ranges
// in order of position (a range covered again joins the list at its end), sizes, hidden, header
// and frozen rows and columns, and the archive forms of the styles map, properties and data store.
inline std::string Snapshot(UndoGrid& grid) {
    CGXGridParam& param = *grid.GetParam();
    std::vector<std::tuple<ROWCOL, ROWCOL, ROWCOL, ROWCOL>> covered;
    const CGXRangeList& list = *param.GetCoveredCellsList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CGXRange& r = *list.GetNext(pos);
        covered.emplace_back(r.top, r.left, r.bottom, r.right);
    }
    std::sort(covered.begin(), covered.end());
    std::ostringstream text;
    text << "counter " << grid.m_nCounter << "; covered";
    for (const auto& [t, l, b, r] : covered) text << ' ' << t << ',' << l << '-' << b << ',' << r;
    text << "; hidden rows ";
    for (BYTE b : param.GetHiddenRows()) text << (b != 0 ? '1' : '0');
    text << "; hidden cols ";
    for (BYTE b : param.GetHiddenCols()) text << (b != 0 ? '1' : '0');
    text << "; sizes and frozen";
    for (DWORD n : {param.GetDefaultRowHeight(), param.GetDefaultColWidth(), param.GetFrozenRows(),
                    param.GetHeaderRows(), param.GetFrozenCols(), param.GetHeaderCols()})
        text << ' ' << n;

    const test_archive::Bytes bytes = test_archive::Store(
        [&](CArchive& ar) {
            param.GetRowHeights().Serialize(ar);
            param.GetColWidths().Serialize(ar);
            param.GetStylesMap()->Serialize(ar);
            param.GetProperties()->Serialize(ar);
            param.GetData()->Serialize(ar);
        },
        param.GetStylesMap());
    text << "; archives ";
    text.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return text.str();
}

struct UndoFixture : ::testing::Test {
    UndoGrid grid;

    void SetUp() override {
        core_test::RegisterHost();
        grid.Initialize();
        grid.SetGridRect(CRect(0, 0, 400, 300));
        grid.GetData()->SetRowCount(20);
        grid.GetData()->SetColCount(10);
    }
    CGXCommandList& UndoList() { return grid.GetParam()->GetUndoList(); }
    CGXCommandList& RedoList() { return grid.GetParam()->GetRedoList(); }
    // The value stored in a cell, empty when none is.
    CString CellValue(ROWCOL nRow, ROWCOL nCol) {
        const CGXStyle* pStyle = grid.GetData()->GetStoredStyle(nRow, nCol);
        return pStyle != nullptr ? pStyle->GetValue() : CString();
    }
    void SetCellValue(ROWCOL nRow, ROWCOL nCol, const char* pszValue) {
        grid.GetData()->StoreStyle(nRow, nCol, CGXStyle().SetValue(pszValue), ModifyMode::Override);
    }
};

}  // namespace undo_test
