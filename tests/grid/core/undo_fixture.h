#pragma once
// A core for the undo tests: besides the grid's own recorded changes it has a counter, changed by
// an operation that records its command like any grid operation and can be told to refuse, so that
// blocks can be made to fail half way. Snapshot gives the grid's whole recorded state as bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
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
// in order of position (a range covered again joins the list at its end), the hidden rows and
// columns, sizes in pixels (commands keep pixels, so the units of a size that went through them
// differ by rounding), header and frozen rows and columns, and the archive forms of the styles
// map, properties and data store.
struct GridState {
    std::string text;
    test_archive::Bytes archives;
    bool operator==(const GridState&) const = default;
};

// Failures show the readable part; the archives only by size and a checksum.
inline void PrintTo(const GridState& state, std::ostream* pOut) {
    DWORD nSum = 2166136261u;
    for (BYTE b : state.archives) nSum = (nSum ^ b) * 16777619u;
    *pOut << state.text << "; archives of " << state.archives.size() << " bytes, checksum " << nSum;
}

inline GridState Snapshot(UndoGrid& grid) {
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
    text << "; hidden rows";
    for (int i = 0; i < param.GetHiddenRows().GetSize(); ++i)
        if (param.GetHiddenRows()[i] != 0) text << ' ' << i;
    text << "; hidden columns";
    for (int i = 0; i < param.GetHiddenCols().GetSize(); ++i)
        if (param.GetHiddenCols()[i] != 0) text << ' ' << i;
    text << "; default sizes " << grid.GetDefaultRowHeight() << ' ' << grid.GetDefaultColWidth() << "; heights";
    for (const auto& [nRow, nUnits] : param.GetRowHeights()) text << ' ' << nRow << ':' << grid.UnitsToHeight(nUnits);
    text << "; widths";
    for (const auto& [nCol, nUnits] : param.GetColWidths()) text << ' ' << nCol << ':' << grid.UnitsToWidth(nUnits);
    text << "; frozen and header rows, columns";
    for (DWORD n : {param.GetFrozenRows(), param.GetHeaderRows(), param.GetFrozenCols(), param.GetHeaderCols()})
        text << ' ' << n;

    GridState state;
    state.text = text.str();
    state.archives = test_archive::Store(
        [&](CArchive& ar) {
            param.GetStylesMap()->Serialize(ar);
            param.GetProperties()->Serialize(ar);
            param.GetData()->Serialize(ar);
        },
        param.GetStylesMap());
    return state;
}

// An initialised grid of 20 rows and 10 columns with a 400 by 300 grid area.
template <class Grid>
struct UndoFixtureOf : ::testing::Test {
    Grid grid;

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
using UndoFixture = UndoFixtureOf<UndoGrid>;

}  // namespace undo_test
