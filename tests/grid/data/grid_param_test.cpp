// CGXGridParam: the defaults of a new object, attaching with ownership, the undo and redo lists,
// and the modes that own span pools.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/data/grid_param.h"
#include "grid/properties/host_resources.h"
#include "grid/properties/print_device.h"
#include "grid/properties/properties.h"
#include "grid/style/styles_map.h"

namespace {
// Counts how often objects of a class die, so that a test sees an owned object deleted once.
template <typename Base>
struct Counted : Base {
    explicit Counted(int& rDeaths) : m_rDeaths(rDeaths) {}
    ~Counted() override { ++m_rDeaths; }
    int& m_rDeaths;
};

struct CountedCommand : CGXCommand {
    explicit CountedCommand(int& rDeaths) : m_rDeaths(rDeaths) {}
    ~CountedCommand() override { ++m_rDeaths; }
    bool Execute(CGXGridCore&, UINT) override { return true; }
    int& m_rDeaths;
};
}  // namespace

TEST(GridParamDefaults, SettingsTheGridCoreReads) {
    CGXGridParam param;
    EXPECT_TRUE(param.IsNumberedRowHeaders());
    EXPECT_TRUE(param.IsNumberedColHeaders());
    EXPECT_EQ(param.GetHeaderRows(), 0u);
    EXPECT_EQ(param.GetHeaderCols(), 0u);
    EXPECT_EQ(param.GetFrozenRows(), 0u);
    EXPECT_EQ(param.GetFrozenCols(), 0u);
    EXPECT_EQ(param.GetDefaultRowHeight(), 1200u);
    EXPECT_EQ(param.GetDefaultColWidth(), 10000u);
    EXPECT_FALSE(param.IsReadOnly());
    EXPECT_TRUE(param.IsLockReadOnly());
    EXPECT_TRUE(param.IsEnableUndo());
    EXPECT_EQ(param.GetTransactionDepth(), 0u);
    EXPECT_EQ(param.GetMaxUndoEntries(), 512u);
    LONG n = 0;
    EXPECT_TRUE(param.GetRowHeights().Lookup(0, n));
    EXPECT_EQ(n, 1400);
    EXPECT_TRUE(param.GetColWidths().Lookup(0, n));
    EXPECT_EQ(n, 6000);
    EXPECT_EQ(param.GetRowHeights().GetCount(), 1);
    EXPECT_TRUE(param.GetHiddenRows().IsEmpty());
    EXPECT_TRUE(param.GetHiddenCols().IsEmpty());
}

TEST(GridParamDefaults, FurtherSettingsAndParts) {
    CGXGridParam param;
    EXPECT_FALSE(param.GetActiveViewCursor());
    EXPECT_EQ(param.GetActivateCellFlags(), 1);
    EXPECT_EQ(param.GetSelectionFlags(), 0xFF);
    EXPECT_EQ(param.GetAllowMoveCols(), 1u);
    EXPECT_EQ(param.GetAllowMoveRows(), 1u);
    EXPECT_EQ(param.GetRowSizingFlags(), 0xB2);
    EXPECT_EQ(param.GetColSizingFlags(), 0xB2);
    EXPECT_EQ(param.GetListMode(), 0);
    EXPECT_EQ(param.GetFloatCellsMode(), 0);
    EXPECT_EQ(param.GetMergeCellsMode(), 0);
    EXPECT_EQ(param.GetCurrentCellFrameMode(), 2);
    const GXGridParamFurther& f = param.GetFurther();
    EXPECT_EQ(f.f1, 100u);
    EXPECT_EQ(f.f4, 3);
    EXPECT_TRUE(f.f15 && f.f16 && f.f22 && f.f32);
    EXPECT_EQ(f.f28, 1u);
    EXPECT_EQ(f.f31, 4);
    EXPECT_EQ(f.f40, -1);
    EXPECT_EQ(f.f41, -1);
    EXPECT_TRUE(f.f23.IsEmpty());

    EXPECT_EQ(param.GetData(), nullptr);
    EXPECT_EQ(param.GetStylesMap(), nullptr);
    EXPECT_EQ(param.GetProperties(), nullptr);
    EXPECT_EQ(param.GetPrintDevice(), nullptr);
    EXPECT_NE(param.GetCoveredCellPool(), nullptr);
    EXPECT_TRUE(param.GetRangeList()->IsEmpty());
    EXPECT_TRUE(param.GetCoveredCellsList()->IsEmpty());
    EXPECT_EQ(param.GetFloatCellsPool(), nullptr);
    EXPECT_EQ(param.GetHorzMergeCellsPool(), nullptr);
    EXPECT_TRUE(param.GetUndoList().IsEmpty());
    EXPECT_TRUE(param.GetRedoList().IsEmpty());
}

TEST(GridParamSettings, FlagTestsAskForAnyOfTheBits) {
    CGXGridParam param;
    param.SetSelectionFlags(0x0C);
    EXPECT_TRUE(param.IsSelection(0x04));
    EXPECT_TRUE(param.IsSelection(0x03 | 0x08));
    EXPECT_FALSE(param.IsSelection(0x03));
    param.SetRowSizingFlags(0);
    EXPECT_FALSE(param.IsRowSizing(0xFFFF));
    param.SetListMode(0x10);
    EXPECT_TRUE(param.IsListMode(0x11));
}

TEST(GridParamOwnership, AttachingDeletesTheOldObjectOnlyWhenOwned) {
    int nDeaths = 0;
    CGXStylesMap borrowed;
    {
        CGXGridParam param;
        auto* pFirst = new Counted<CGXStylesMap>(nDeaths);
        param.SetStylesMap(pFirst, true);
        param.SetStylesMap(pFirst, true);  // the same object again: nothing is deleted
        EXPECT_EQ(nDeaths, 0);
        param.SetStylesMap(new Counted<CGXStylesMap>(nDeaths), true);
        EXPECT_EQ(nDeaths, 1);
        param.SetStylesMap(&borrowed, false);
        EXPECT_EQ(nDeaths, 2);
        param.SetStylesMap(new Counted<CGXStylesMap>(nDeaths), true);  // the borrowed one stays
        EXPECT_EQ(nDeaths, 2);
        EXPECT_TRUE(param.IsStylesMapOwned());
    }
    EXPECT_EQ(nDeaths, 3);
}

TEST(GridParamOwnership, DestructionDeletesExactlyTheOwnedObjects) {
    int nData = 0, nProps = 0, nDevice = 0, nCommands = 0;
    Counted<CGXData> borrowedData(nData);
    {
        CGXGridParam param;
        param.SetData(&borrowedData, false);
        param.SetProperties(new Counted<CGXProperties>(nProps), true);
        param.SetPrintDevice(new Counted<CGXPrintDevice>(nDevice));
        param.GetUndoList().AddHead(new CountedCommand(nCommands));
        param.GetRedoList().AddHead(new CountedCommand(nCommands));
        param.SetFloatCellsPool(new CGXSpanCellPool);
        param.SetDelayedMergeCellsPool(new CGXDelayedRangePool);
        param.SetFloatCellsObject(1, new CGXRangeList);
        param.SetFloatCellsObject(2, new CGXRangeList);  // no such slot: deleted at once
    }
    EXPECT_EQ(nData, 0);
    EXPECT_EQ(nProps, 1);
    EXPECT_EQ(nDevice, 1);
    EXPECT_EQ(nCommands, 2);
}

TEST(GridParamOwnership, AttachingWithoutOwnershipAfterOwning) {
    int nDeaths = 0;
    auto* pData = new Counted<CGXData>(nDeaths);
    {
        CGXGridParam param;
        param.SetData(pData, true);
        param.SetData(pData, false);  // only the flag changes
        EXPECT_EQ(nDeaths, 0);
        EXPECT_FALSE(param.IsDataOwned());
    }
    EXPECT_EQ(nDeaths, 0);
    delete pData;
}

TEST(GridParamUndo, EmptyingTheListsDeletesTheCommands) {
    int nDeaths = 0;
    CGXGridParam param;
    for (int i = 0; i < 3; ++i) param.GetUndoList().AddHead(new CountedCommand(nDeaths));
    param.GetRedoList().AddTail(new CountedCommand(nDeaths));
    param.SetTransactionDepth(2);
    param.EmptyRedoList();
    EXPECT_EQ(nDeaths, 1);
    EXPECT_EQ(param.GetTransactionDepth(), 2u);
    param.GetUndoList().DeleteTail();
    EXPECT_EQ(nDeaths, 2);
    param.EmptyUndoList();
    EXPECT_EQ(nDeaths, 4);
    EXPECT_EQ(param.GetTransactionDepth(), 0u);
    EXPECT_TRUE(param.GetUndoList().IsEmpty());
}

TEST(GridParamUndo, CommandListTakesOverAndGivesBack) {
    int nDeaths = 0;
    CGXCommandList list;
    auto* pOld = new CountedCommand(nDeaths);
    auto* pNew = new CountedCommand(nDeaths);
    list.AddHead(pOld);
    list.AddHead(pNew);
    EXPECT_EQ(list.GetHead(), pNew);
    EXPECT_EQ(list.GetTail(), pOld);
    std::unique_ptr<CGXCommand> pTaken(list.RemoveHead());
    EXPECT_EQ(pTaken.get(), pNew);
    EXPECT_EQ(nDeaths, 0);
    pTaken.reset();
    EXPECT_EQ(nDeaths, 1);
    EXPECT_EQ(list.GetHead()->GetDescription(), " ");
}

TEST(GridParamModes, ChangingAModeDeletesItsPools) {
    CGXGridParam param;
    param.SetHorzMergeCellsPool(new CGXSpanCellPool);
    param.SetVertMergeCellsPool(new CGXSpanCellPool);
    param.SetDelayedMergeCellsPool(new CGXDelayedRangePool);
    param.SetFloatCellsPool(new CGXSpanCellPool);
    param.SetMergeCellsMode(0);  // no change
    EXPECT_NE(param.GetHorzMergeCellsPool(), nullptr);
    param.SetMergeCellsMode(2);
    EXPECT_EQ(param.GetMergeCellsMode(), 2);
    EXPECT_EQ(param.GetHorzMergeCellsPool(), nullptr);
    EXPECT_EQ(param.GetVertMergeCellsPool(), nullptr);
    EXPECT_EQ(param.GetDelayedMergeCellsPool(), nullptr);
    EXPECT_NE(param.GetFloatCellsPool(), nullptr);
    param.SetFloatCellsMode(1);
    EXPECT_EQ(param.GetFloatCellsPool(), nullptr);
}
