// CGXGridParam: the archive form. Records of the older schemas are the record of schema 6 with
// what those schemas lack left out.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/data/grid_param.h"
#include "grid/properties/host_resources.h"
#include "grid/properties/print_device.h"
#include "grid/properties/properties.h"
#include "grid/style/styles_map.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
struct NoCommand : CGXCommand {
    bool Execute(CGXGridCore&, UINT) override { return true; }
};

Bytes StoreParam(CGXGridParam& param) {
    return Store([&](CArchive& ar) { param.Serialize(ar); });
}

// Where the ownership flags of data store and styles map sit, and how long the part of a record
// of schema 6 without pools is that schemas 1 to 5 leave out, step by step.
constexpr size_t kOwnDataFlag = 12, kOwnStylesMapFlag = 15;
constexpr size_t kTail = 43, kTailKept[] = {0, 0, 1, 15, 17, 24};

// The record of schema 1 to 5 that holds what the class's own record of p holds.
Bytes Record(WORD wSchema, CGXGridParam& p) {
    Bytes bytes = StoreParam(p);
    bytes.resize(bytes.size() - kTail + kTailKept[wSchema]);
    bytes[0] = static_cast<BYTE>(wSchema);
    return bytes;
}

// A parameter object with every part attached and settings away from their defaults, in every
// step of the record.
void FillParts(CGXGridParam& p) {
    auto* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    p.SetStylesMap(pMap, true);
    p.SetData(new CGXData, true);
    p.GetData()->StoreStyle(2, 7, CGXStyle().SetValue("v").SetBaseStyle(2), ModifyMode::Override);
    p.SetProperties(new CGXProperties, true);
    p.GetProperties()->SetScale(90);
    p.SetPrintDevice(new CGXPrintDevice, true);
    p.GetRangeList()->AddTail(new CGXRange(1, 1, 2, 2));
    p.GetCoveredCellsList()->AddTail(new CGXRange(2, 2, 3, 4));
    p.GetColWidths().SetAt(3, -1);
    p.GetHiddenRows().SetAtGrow(4, 1);
    p.SetNumberedColHeaders(false);
    p.SetFrozenCols(4);
    p.SetHeaderCols(2);
    p.SetDefaultColWidth(8000);
    p.SetReadOnly(true);
    p.SetAllowMoveCols(0);
    p.SetColSizingFlags(2);
    p.SetListMode(8);
    p.SetMaxUndoEntries(64);
}

// The pools that only schema 6 holds.
void FillPools(CGXGridParam& p) {
    p.SetFloatCellsMode(1);
    p.SetDelayedFloatCellsPool(new CGXDelayedRangePool);
    p.GetDelayedFloatCellsPool()->AddRange(CGXRange().SetTable());
    p.SetMergeCellsMode(2);
    p.SetHorzMergeCellsPool(new CGXSpanCellPool);
    p.SetVertMergeCellsPool(new CGXSpanCellPool);
    p.GetHorzMergeCellsPool()->SetSpanCellsRowCol(1, 1, 1, 3);
}

void FillSettings(CGXGridParam& p) {
    GXGridParamFurther& f = p.GetFurther();
    f.f6 = 0x12345;  // stored as 16 bits
    f.f19 = f.f27 = f.f38 = true;
    f.f22 = false;
    f.f23 = "twenty-three";
    f.f26 = 26;
    f.f35 = 35;
}

void Fill(CGXGridParam& p) {
    FillParts(p);
    FillSettings(p);
    FillPools(p);
}
}  // namespace

TEST(GridParamArchive, BytesOfANewObject) {
    CGXGridParam param;
    EXPECT_EQ(StoreParam(param),
              Hex(std::string("0600 0101 0001 0101 0001 0101 0000 0000 0000 0101")  // schema 6, the switches
                  + "FF00 B200 B200"                                // selection and sizing flags
                  + "00000000 00000000 10270000 B0040000 00"        // frozen, default width and height, f23
                  + "0100 0200 0000 0000 0000 00000000 00000000"    // activation to f21, header rows and columns
                  + "0100 00000000 0100 00000000"                   // no selection, no covered cells
                  + "0100 00000000 78050000 0100 00000000 70170000"  // the sizes of row 0 and column 0
                  + "0000 0000 01 0000 000000000000000000000000"    // nothing hidden, f22, f27 to f26
                  + "0000 00 0400 00020000 0000000000"              // list mode, f19, f31, undo entries, f38 to f34
                  + "0000 0000 0000 0000 0000 0000 0000 0000"));    // no float or merge pools, f35
}

// Only the bytes first written show a setting that reading loses; another round would repeat the loss.
TEST(GridParamArchive, FullRecordReadsBack) {
    CGXGridParam param;
    Fill(param);
    const Bytes bytes = StoreParam(param);
    CGXGridParam back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(StoreParam(back), bytes);
}

TEST(GridParamArchive, OlderSchemasRestoreWhatTheyHold) {
    CGXGridParam source;
    FillParts(source);
    FillSettings(source);
    for (WORD wSchema = 1; wSchema <= 5; ++wSchema) {
        CGXGridParam back;
        Load(Record(wSchema, source), [&](CArchive& ar) { back.Serialize(ar); });
        const GXGridParamFurther& f = back.GetFurther();
        // Everything up to the hidden rows and columns is read as in the full record, whose case
        // compares bytes; the covered-cell pool, which is not in the record, is rebuilt.
        EXPECT_EQ(back.GetHiddenRows().GetAt(4), 1);
        EXPECT_EQ(back.GetCoveredCellPool()->GetCoveredCell(2, 3), back.GetCoveredCellsList()->GetHead());
        // The later settings as their schema has them, or at their defaults.
        EXPECT_EQ(f.f22, wSchema < 2);
        EXPECT_EQ(f.f26, wSchema >= 3 ? 26u : 0u);
        EXPECT_EQ(back.GetListMode(), wSchema >= 4 ? 8 : 0);
        EXPECT_EQ(back.GetMaxUndoEntries(), wSchema >= 5 ? 64u : 512u);
        EXPECT_FALSE(f.f38);
        EXPECT_EQ(back.GetFloatCellsMode() + back.GetMergeCellsMode() + f.f35, 0);
        EXPECT_EQ(back.GetHorzMergeCellsPool(), nullptr);
    }
}

TEST(GridParamArchive, ReadingReplacesOwnedObjectsAndKeepsBorrowedOnes) {
    CGXGridParam source;
    source.SetPrintDevice(new CGXPrintDevice, true);
    const Bytes bytes = StoreParam(source);
    CGXStylesMap borrowed;
    CGXGridParam param;
    param.SetStylesMap(&borrowed, false);
    param.SetData(new CGXData, true);
    param.GetUndoList().AddHead(new NoCommand);
    Load(bytes, [&](CArchive& ar) { param.Serialize(ar); });
    EXPECT_TRUE(param.GetStylesMap() == &borrowed && !param.IsStylesMapOwned());
    EXPECT_TRUE(param.GetData() == nullptr && !param.IsDataOwned());
    EXPECT_TRUE(param.GetPrintDevice() != nullptr && param.IsPrintDeviceOwned());
    EXPECT_TRUE(param.GetUndoList().IsEmpty());
}

TEST(GridParamArchive, DamagedRecordsRaiseArchiveExceptionsAndChangeNothing) {
    CGXGridParam source;
    Fill(source);
    const Bytes bytes = StoreParam(source);
    CGXGridParam param;
    param.SetHeaderRows(9);
    const Bytes before = StoreParam(param);
    auto cause = [&](const Bytes& b) { return CauseOf(b, [&](CArchive& ar) { param.Serialize(ar); }); };
    for (size_t n = 0; n < bytes.size(); ++n) EXPECT_NE(cause(Bytes(bytes.begin(), bytes.begin() + long(n))), -1) << n;
    for (WORD wSchema : {0, 7, 0xFFFF}) {
        Bytes bad = bytes;
        bad[0] = static_cast<BYTE>(wSchema);
        bad[1] = static_cast<BYTE>(wSchema >> 8);
        EXPECT_EQ(cause(bad), CArchiveException::badSchema);
    }
    // A data store where the owned styles map is expected.
    CGXGridParam other;
    other.SetData(new CGXData, true);
    Bytes bad = StoreParam(other);
    bad[kOwnDataFlag] = 0;
    bad[kOwnStylesMapFlag] = 1;
    EXPECT_EQ(cause(bad), CArchiveException::badClass);
    // A covered block whose index would take gigabytes.
    other.GetCoveredCellsList()->AddTail(new CGXRange(1, 1, 0x7FFFFFFE, 0x7FFFFFFE));
    EXPECT_EQ(cause(StoreParam(other)), CArchiveException::genericException);
    EXPECT_EQ(StoreParam(param), before);
    // Properties where the parameters are expected.
    const Bytes props = Store([](CArchive& ar) {
        CGXProperties p;
        ar << &p;
    });
    EXPECT_EQ(CauseOf(props, [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(CGXGridParam)); }),
              CArchiveException::badClass);
}

TEST(GridParamArchive, BackReferencesToDroppedObjectsAreNotTouched) {
    // Readers own what they read and may drop it while the archive goes on; a later reference
    // to it is checked against the class recorded when it was read, never through the object.
    const Bytes bytes = Store([](CArchive& ar) {
        CGXFont font;
        ar << &font << &font << &font;
    });
    Load(bytes, [](CArchive& ar) {
        delete ar.ReadObject(RUNTIME_CLASS(CGXFont));
        bool bNew = true;
        EXPECT_NE(ar.ReadObject(RUNTIME_CLASS(CGXFont), &bNew), nullptr);
        EXPECT_FALSE(bNew);
        try {
            ar.ReadObject(RUNTIME_CLASS(CGXStyle));
            ADD_FAILURE() << "a font read as a style";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badClass);
        }
    });
}
