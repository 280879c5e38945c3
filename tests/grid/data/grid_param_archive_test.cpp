// CGXGridParam: the archive form. The record is also written field by field here, in the order
// of the form, so that the bytes of the class and of this independent writer can be compared, and
// so that records of the older schemas can be made.
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

Bytes StoreParam(const CGXGridParam& param) {
    return Store([&](CArchive& ar) { const_cast<CGXGridParam&>(param).Serialize(ar); });
}

void WriteBytes(CArchive& ar, const CGXHiddenArray& a) {
    ar.WriteCount(static_cast<ULONGLONG>(a.GetSize()));
    for (BYTE b : a) ar << b;
}

// Ways of damaging a record: one merge pool written twice, another object in the styles map's
// place.
struct Damage {
    bool bSharePool = false;
    const CObject* pStylesMapSlot = nullptr;
};

// The record of p in the given schema.
void WriteRecord(CArchive& ar, WORD wSchema, CGXGridParam& p, const Damage& damage = {}) {
    const bool bSharePool = damage.bSharePool;
    const GXGridParamFurther& f = p.GetFurther();
    ar << wSchema;
    ar << f.f15 << f.f32 << p.IsReadOnly() << p.IsEnableUndo() << p.IsNumberedRowHeaders() << p.IsNumberedColHeaders()
       << p.IsReadOnly() << f.f32 << (p.GetAllowMoveCols() != 0) << (p.GetAllowMoveRows() != 0) << p.IsDataOwned()
       << p.IsPrintDeviceOwned() << p.IsPropertiesOwned() << (p.IsStylesMapOwned() || damage.pStylesMapSlot != nullptr)
       << p.GetActiveViewCursor() << f.f3
       << p.IsLockReadOnly() << f.f16;
    ar << p.GetSelectionFlags() << p.GetRowSizingFlags() << p.GetColSizingFlags();
    ar << p.GetFrozenRows() << p.GetFrozenCols() << p.GetDefaultColWidth() << p.GetDefaultRowHeight();
    ar << f.f23;
    ar << p.GetActivateCellFlags() << p.GetCurrentCellFrameMode() << static_cast<WORD>(f.f6) << static_cast<WORD>(f.f7)
       << f.f21;
    ar << p.GetHeaderRows() << p.GetHeaderCols();
    if (damage.pStylesMapSlot != nullptr) ar << damage.pStylesMapSlot;
    else if (p.IsStylesMapOwned()) ar << p.GetStylesMap();
    ar.m_pDocument = p.GetStylesMap();
    if (p.IsDataOwned()) ar << p.GetData();
    if (p.IsPropertiesOwned()) ar << p.GetProperties();
    ar.m_pDocument = nullptr;
    if (p.IsPrintDeviceOwned()) ar << p.GetPrintDevice();
    p.GetRangeList()->Serialize(ar);
    p.GetCoveredCellsList()->Serialize(ar);
    p.GetRowHeights().Serialize(ar);
    p.GetColWidths().Serialize(ar);
    WriteBytes(ar, p.GetHiddenRows());
    WriteBytes(ar, p.GetHiddenCols());
    if (wSchema >= 2) ar << f.f22;
    if (wSchema >= 3) ar << f.f27 << f.f43 << f.f24 << f.f25 << f.f26;
    if (wSchema >= 4) ar << p.GetListMode();
    if (wSchema >= 5) ar << f.f19 << f.f31 << p.GetMaxUndoEntries();
    if (wSchema >= 6) {
        ar << f.f38 << f.f39 << f.f36 << f.f37 << f.f34;
        ar << p.GetFloatCellsMode() << p.GetDelayedFloatCellsPool() << p.GetFloatCellsPool();
        ar << p.GetMergeCellsMode() << p.GetDelayedMergeCellsPool() << p.GetHorzMergeCellsPool()
           << (bSharePool ? p.GetHorzMergeCellsPool() : p.GetVertMergeCellsPool());
        ar << f.f35;
    }
}

Bytes Record(WORD wSchema, CGXGridParam& p, const Damage& damage = {}) {
    return Store([&](CArchive& ar) { WriteRecord(ar, wSchema, p, damage); });
}

// A parameter object with every part attached and every setting away from its default.
void Fill(CGXGridParam& p) {
    auto* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    p.SetStylesMap(pMap, true);
    auto* pData = new CGXData;
    pData->SetRowCount(20);
    pData->SetColCount(7);
    p.SetData(pData, true);
    auto* pProps = new CGXProperties;
    pProps->AddDefaultUserProperties();
    pProps->SetScale(90);
    p.SetProperties(pProps, true);
    p.SetPrintDevice(new CGXPrintDevice, true);
    p.GetRangeList()->AddTail(new CGXRange(1, 1, 2, 2));
    p.GetCoveredCellsList()->AddTail(new CGXRange(2, 2, 3, 4));
    p.GetRowHeights().SetAt(5, 300);
    p.GetColWidths().SetAt(3, -1);
    p.GetHiddenRows().SetAtGrow(4, 1);
    p.GetHiddenCols().SetAtGrow(1, 1);
    p.SetNumberedRowHeaders(false);
    p.SetNumberedColHeaders(false);
    p.SetHeaderRows(1);
    p.SetHeaderCols(2);
    p.SetFrozenRows(3);
    p.SetFrozenCols(4);
    p.SetDefaultRowHeight(900);
    p.SetDefaultColWidth(8000);
    p.SetReadOnly(true);
    p.SetLockReadOnly(false);
    p.EnableUndo(false);
    p.SetActiveViewCursor(true);
    p.SetActivateCellFlags(4);
    p.SetSelectionFlags(0);
    p.SetAllowMoveCols(0);
    p.SetAllowMoveRows(0);
    p.SetRowSizingFlags(1);
    p.SetColSizingFlags(2);
    p.SetListMode(8);
    p.SetCurrentCellFrameMode(0);
    p.SetMaxUndoEntries(64);
    p.SetFloatCellsMode(1);
    p.SetFloatCellsPool(new CGXSpanCellPool);
    p.SetDelayedFloatCellsPool(new CGXDelayedRangePool);
    p.GetDelayedFloatCellsPool()->AddRange(CGXRange().SetTable());
    p.SetMergeCellsMode(2);
    p.SetHorzMergeCellsPool(new CGXSpanCellPool);
    p.SetVertMergeCellsPool(new CGXSpanCellPool);
    p.GetHorzMergeCellsPool()->SetSpanCellsRowCol(1, 1, 1, 3);
    GXGridParamFurther& f = p.GetFurther();
    f.f3 = true;
    f.f6 = 0x12345;  // stored as 16 bits
    f.f7 = 7;
    f.f15 = false;
    f.f16 = false;
    f.f19 = true;
    f.f21 = 21;
    f.f22 = false;
    f.f23 = "twenty-three";
    f.f24 = 24;
    f.f25 = 25;
    f.f26 = 26;
    f.f27 = true;
    f.f31 = 31;
    f.f32 = false;
    f.f34 = f.f36 = f.f37 = f.f38 = f.f39 = f.f43 = true;
    f.f35 = 35;
}
}  // namespace

TEST(GridParamArchive, BytesOfANewObject) {
    CGXGridParam param;
    Bytes expected = {6, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 0xFF, 0, 0xB2, 0, 0xB2, 0};
    for (DWORD n : {0u, 0u, 10000u, 1200u}) PutDWord(expected, n);
    expected.push_back(0);  // empty string
    for (WORD w : {1, 2, 0, 0, 0}) PutWord(expected, w);
    PutDWord(expected, 0);
    PutDWord(expected, 0);
    for (int i = 0; i < 2; ++i) {  // empty range lists
        PutWord(expected, 1);
        PutDWord(expected, 0);
    }
    for (LONG n : {1400, 6000}) {  // the sizes of row 0 and column 0
        PutWord(expected, 1);
        PutDWord(expected, 0);
        PutDWord(expected, static_cast<DWORD>(n));
    }
    PutWord(expected, 0);  // no hidden rows or columns
    PutWord(expected, 0);
    expected.push_back(1);
    expected.insert(expected.end(), 2 + 12 + 2 + 1, 0);
    PutWord(expected, 4);
    PutDWord(expected, 512);
    expected.insert(expected.end(), 5 + 2 + 4 + 2 + 6 + 2, 0);
    EXPECT_EQ(StoreParam(param), expected);
}

TEST(GridParamArchive, FullRecordMatchesTheFormAndReadsBack) {
    CGXGridParam param;
    Fill(param);
    const Bytes bytes = StoreParam(param);
    EXPECT_EQ(bytes, Record(6, param));

    CGXGridParam back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(StoreParam(back), bytes);
    ASSERT_NE(back.GetStylesMap(), nullptr);
    EXPECT_EQ(back.GetStylesMap()->GetCount(), 3);
    EXPECT_TRUE(back.IsDataOwned());
    EXPECT_EQ(back.GetData()->GetRowCount(), 20u);
    EXPECT_EQ(back.GetProperties()->GetScale(), 90);
    EXPECT_NE(back.GetPrintDevice(), nullptr);
    EXPECT_EQ(back.GetFurther().f6, 0x2345u);
    EXPECT_EQ(back.GetFurther().f23, "twenty-three");
    EXPECT_EQ(back.GetMaxUndoEntries(), 64u);
    EXPECT_EQ(back.GetAllowMoveCols(), 0u);
    EXPECT_TRUE(back.GetDelayedFloatCellsPool()->IsCellDelayed(9, 9));
    CGXRange span;
    EXPECT_TRUE(back.GetHorzMergeCellsPool()->GetSpanCellsRowCol(1, 2, span));
    EXPECT_EQ(span.right, 3u);
    // The covered-cell pool is rebuilt from the covered cells.
    CGXRange* pCovered = back.GetCoveredCellPool()->GetCoveredCell(3, 4);
    ASSERT_NE(pCovered, nullptr);
    EXPECT_EQ(pCovered, back.GetCoveredCellsList()->GetHead());
    EXPECT_EQ(back.GetCoveredCellPool()->GetCoveredCell(2, 5), nullptr);
}

TEST(GridParamArchive, OlderSchemasRestoreWhatTheyHold) {
    CGXGridParam source;
    Fill(source);
    for (WORD wSchema = 1; wSchema <= 5; ++wSchema) {
        CGXGridParam back;
        Load(Record(wSchema, source), [&](CArchive& ar) { back.Serialize(ar); });
        const GXGridParamFurther& f = back.GetFurther();
        // Everything up to the hidden rows and columns.
        EXPECT_TRUE(back.IsReadOnly());
        EXPECT_FALSE(back.IsNumberedColHeaders());
        EXPECT_EQ(back.GetFrozenCols(), 4u);
        EXPECT_EQ(back.GetHeaderCols(), 2u);
        EXPECT_EQ(back.GetDefaultColWidth(), 8000u);
        EXPECT_EQ(back.GetColSizingFlags(), 2);
        EXPECT_EQ(f.f23, "twenty-three");
        EXPECT_EQ(back.GetData()->GetColCount(), 7u);
        EXPECT_EQ(back.GetHiddenRows().GetAt(4), 1);
        EXPECT_EQ(back.GetCoveredCellPool()->GetCoveredCell(2, 3), back.GetCoveredCellsList()->GetHead());
        // The later settings as their schema has them, or at their defaults.
        EXPECT_EQ(f.f22, wSchema < 2);
        EXPECT_EQ(f.f27, wSchema >= 3);
        EXPECT_EQ(f.f26, wSchema >= 3 ? 26u : 0u);
        EXPECT_EQ(back.GetListMode(), wSchema >= 4 ? 8 : 0);
        EXPECT_EQ(f.f19, wSchema >= 5);
        EXPECT_EQ(back.GetMaxUndoEntries(), wSchema >= 5 ? 64u : 512u);
        EXPECT_FALSE(f.f38);
        EXPECT_EQ(back.GetFloatCellsMode(), 0);
        EXPECT_EQ(back.GetMergeCellsMode(), 0);
        EXPECT_EQ(back.GetHorzMergeCellsPool(), nullptr);
        EXPECT_EQ(f.f35, 0);
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
    EXPECT_EQ(param.GetStylesMap(), &borrowed);
    EXPECT_FALSE(param.IsStylesMapOwned());
    EXPECT_EQ(param.GetData(), nullptr);
    EXPECT_FALSE(param.IsDataOwned());
    EXPECT_TRUE(param.IsPrintDeviceOwned());
    EXPECT_NE(param.GetPrintDevice(), nullptr);
    EXPECT_TRUE(param.GetUndoList().IsEmpty());
}

TEST(GridParamArchive, DamagedRecordsRaiseArchiveExceptionsAndChangeNothing) {
    CGXGridParam source;
    Fill(source);
    const Bytes bytes = StoreParam(source);
    CGXGridParam param;
    param.SetHeaderRows(9);
    const Bytes before = StoreParam(param);
    for (size_t n = 0; n < bytes.size(); ++n) {
        Bytes cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
        EXPECT_NE(CauseOf(cut, [&](CArchive& ar) { param.Serialize(ar); }), -1) << n;
    }
    EXPECT_EQ(StoreParam(param), before);

    for (WORD wSchema : {0, 7, 0xFFFF}) {
        Bytes bad = bytes;
        bad[0] = static_cast<BYTE>(wSchema);
        bad[1] = static_cast<BYTE>(wSchema >> 8);
        EXPECT_EQ(CauseOf(bad, [&](CArchive& ar) { param.Serialize(ar); }), CArchiveException::badSchema);
    }
    // One pool written twice comes back as a reference to an object already read.
    EXPECT_EQ(CauseOf(Record(6, source, Damage{true, nullptr}), [&](CArchive& ar) { param.Serialize(ar); }),
              CArchiveException::badIndex);
    EXPECT_EQ(StoreParam(param), before);
}

TEST(GridParamArchive, WrongClassesAreRefused) {
    // A properties object where the parameters are expected.
    const Bytes props = Store([](CArchive& ar) {
        CGXProperties p;
        ar << &p;
    });
    EXPECT_EQ(CauseOf(props, [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(CGXGridParam)); }),
              CArchiveException::badClass);

    // A data store where the owned styles map is expected.
    CGXGridParam source;
    CGXData data;
    const Bytes bytes = Record(6, source, Damage{false, &data});
    CGXGridParam param;
    EXPECT_EQ(CauseOf(bytes, [&](CArchive& ar) { param.Serialize(ar); }), CArchiveException::badClass);
    EXPECT_EQ(param.GetStylesMap(), nullptr);
}

TEST(GridParamArchive, AsAnObjectReference) {
    CGXGridParam source;
    Fill(source);
    const Bytes bytes = Store([&](CArchive& ar) { ar << &source; });
    std::unique_ptr<CObject> p;
    Load(bytes, [&](CArchive& ar) { p.reset(ar.ReadObject(RUNTIME_CLASS(CGXGridParam))); });
    auto* pParam = dynamic_cast<CGXGridParam*>(p.get());
    ASSERT_NE(pParam, nullptr);
    EXPECT_EQ(pParam->GetFrozenRows(), 3u);
    EXPECT_EQ(pParam->GetProperties()->GetScale(), 90);
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
