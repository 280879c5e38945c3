// CGXGridParam: attaching with ownership, emptying the undo and redo lists, and the modes that
// own span pools.
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

TEST(GridParam, AttachingDeletesTheOldObjectOnlyWhenOwned) {
    int nMaps = 0, nData = 0, nProps = 0, nDevice = 0, nCommands = 0;
    CGXStylesMap borrowed;
    auto* pData = new Counted<CGXData>(nData);
    {
        CGXGridParam param;
        auto* pFirst = new Counted<CGXStylesMap>(nMaps);
        param.SetStylesMap(pFirst, true);
        param.SetStylesMap(pFirst, true);  // the same object again: nothing is deleted
        EXPECT_EQ(nMaps, 0);
        param.SetStylesMap(&borrowed, false);
        EXPECT_EQ(nMaps, 1);
        param.SetStylesMap(new Counted<CGXStylesMap>(nMaps), true);  // the borrowed one stays
        param.SetData(pData, true);
        param.SetData(pData, false);  // only the flag changes
        param.SetProperties(new Counted<CGXProperties>(nProps));
        param.SetPrintDevice(new Counted<CGXPrintDevice>(nDevice));
        param.GetUndoList().AddHead(new CountedCommand(nCommands));
        param.GetRedoList().AddHead(new CountedCommand(nCommands));
        param.SetDelayedMergeCellsPool(new CGXDelayedRangePool);
        param.SetFloatCellsObject(1, new CGXRangeList);
        param.SetFloatCellsObject(2, new CGXRangeList);  // no such slot: deleted at once
        EXPECT_EQ(nMaps + nData + nProps + nDevice + nCommands, 1);
    }
    EXPECT_EQ(nMaps, 2);
    EXPECT_EQ(nData, 0);
    EXPECT_EQ(nProps + nDevice, 2);
    EXPECT_EQ(nCommands, 2);
    delete pData;
}

TEST(GridParam, EmptyingTheUndoListDeletesItsCommandsAndEndsTheBlocks) {
    int nDeaths = 0;
    CGXGridParam param;
    for (int i = 0; i < 2; ++i) param.GetUndoList().AddHead(new CountedCommand(nDeaths));
    param.GetRedoList().AddTail(new CountedCommand(nDeaths));
    param.SetTransactionDepth(2);
    param.EmptyRedoList();
    EXPECT_EQ(nDeaths, 1);
    EXPECT_EQ(param.GetTransactionDepth(), 2u);
    param.EmptyUndoList();
    EXPECT_EQ(nDeaths, 3);
    EXPECT_EQ(param.GetTransactionDepth(), 0u);
}

TEST(GridParam, ChangingAModeDeletesItsPools) {
    CGXGridParam param;
    param.SetHorzMergeCellsPool(new CGXSpanCellPool);
    param.SetVertMergeCellsPool(new CGXSpanCellPool);
    param.SetDelayedMergeCellsPool(new CGXDelayedRangePool);
    param.SetFloatCellsPool(new CGXSpanCellPool);
    param.SetMergeCellsMode(0);  // no change
    EXPECT_NE(param.GetHorzMergeCellsPool(), nullptr);
    param.SetMergeCellsMode(2);
    EXPECT_EQ(param.GetMergeCellsMode(), 2);
    EXPECT_TRUE(param.GetHorzMergeCellsPool() == nullptr && param.GetVertMergeCellsPool() == nullptr &&
                param.GetDelayedMergeCellsPool() == nullptr);
    EXPECT_NE(param.GetFloatCellsPool(), nullptr);
    param.SetFloatCellsMode(1);
    EXPECT_EQ(param.GetFloatCellsPool(), nullptr);
}
