// CGXGridParam: the archive form, schema 6. Booleans are 8 bits; a 16-bit item of a 32-bit
// setting is widened when read.
//  1. 16 bits schema.
//  2. Eighteen booleans: F15, F32, read-only, undo enabled, numbered row headers, lettered
//     column headers, read-only again, F32 again, move columns, move rows, the ownership flags
//     of data store, print device, properties and styles map, active view cursor, F3, check
//     read-only, F16.
//  3. Selection, row sizing and column sizing flags, 16 bits each.
//  4. 32 bits each: frozen rows, frozen columns, default column width, default row height.
//  5. F23 as a string.
//  6. 16 bits each: activate-cell flags, current-cell frame mode, F6, F7, F21.
//  7. 32 bits each: header rows, header columns.
//  8. Object references to the owned objects only: the styles map; then, with the styles map as
//     the archive's context object, the data store and the properties; then the print device.
//  9. The selection and the covered cells as range lists.
// 10. Row heights and column widths as maps, hidden rows and hidden columns as byte arrays.
// 11. Schema 2 on: F22. Schema 3 on: F27, F43 as booleans, F24, F25, F26 as 32 bits.
//     Schema 4 on: list mode, 16 bits. Schema 5 on: F19 as a boolean, F31 16 bits, the maximum
//     number of undo entries 32 bits.
// 12. Schema 6: F38, F39, F36, F37, F34 as booleans; float-cells mode, 16 bits; references to
//     the float-cell delayed ranges and span pool; merge-cells mode, 16 bits; references to the
//     merge-cell delayed ranges and the horizontal and vertical merge pools; F35, 16 bits.
// The Fn are the further settings of GXGridParamFurther.
#include <climits>
#include <memory>

#include "grid/data/data.h"
#include "grid/data/grid_param.h"
#include "grid/properties/print_device.h"
#include "grid/properties/properties.h"
#include "grid/style/styles_map.h"

namespace {
constexpr WORD kGridParamSchema = 6;

// Sets the archive's context object for as long as it lives, also when reading fails.
class ContextObject {
public:
    ContextObject(CArchive& ar, CObject* pObject) : m_ar(ar), m_pSaved(ar.m_pDocument) { ar.m_pDocument = pObject; }
    ~ContextObject() { m_ar.m_pDocument = m_pSaved; }
    ContextObject(const ContextObject&) = delete;
    ContextObject& operator=(const ContextObject&) = delete;

private:
    CArchive& m_ar;
    CObject* m_pSaved;
};

// A reference to an object that the reader is to own: a new object of class T, or none. A back
// reference would make two owners of one object and is refused.
template <typename T>
std::unique_ptr<T> ReadOwnedAs(CArchive& ar, const CRuntimeClass* pClass) {
    bool bNew = false;
    CObject* pObject = ar.ReadObject(pClass, &bNew);
    if (pObject == nullptr) return nullptr;
    if (!bNew) AfxThrowArchiveException(CArchiveException::badIndex);
    return std::unique_ptr<T>(static_cast<T*>(pObject));
}

// The framework's byte array form: the count, then the bytes.
void StoreBytes(CArchive& ar, const CGXHiddenArray& a) {
    ar.WriteCount(static_cast<ULONGLONG>(a.GetSize()));
    ar.WriteExact(a.GetData(), static_cast<size_t>(a.GetSize()));
}

void LoadBytes(CArchive& ar, CGXHiddenArray& a) {
    const ULONGLONG nCount = ar.ReadCount();
    if (nCount > static_cast<ULONGLONG>(INT_MAX)) AfxThrowArchiveException(CArchiveException::genericException);
    ar.EnsureRemaining(nCount);
    a.SetSize(static_cast<int>(nCount));
    ar.ReadExact(a.GetData(), static_cast<size_t>(nCount));
}

#define READ_OWNED(ar, class_name) ReadOwnedAs<class_name>(ar, RUNTIME_CLASS(class_name))

WORD Low16(DWORD n) noexcept { return static_cast<WORD>(n); }

ULONGLONG g_nMaxCoveredCellIndex = ULONGLONG{1} << 24;

// The entries the covered-cell pool makes for the list: per range an outer array up to its last
// row and, in each of its rows, an inner array up to its last column. Counted up to nLimit + 1.
ULONGLONG CoveredCellIndexSize(const CGXRangeList& list, ULONGLONG nLimit) {
    ULONGLONG nTotal = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr && nTotal <= nLimit;) {
        const CGXRange& r = *list.GetNext(pos);
        if (!r.IsValid() || r.top > r.bottom || r.left > r.right) continue;  // the pool refuses these
        const ULONGLONG nRows = ULONGLONG{r.bottom} - r.top + 1, nCols = ULONGLONG{r.right} + 1;
        nTotal += ULONGLONG{r.bottom} + 1;
        nTotal += nRows > (nLimit + 1) / nCols ? nLimit + 1 : nRows * nCols;
    }
    return nTotal;
}
}  // namespace

ULONGLONG CGXGridParam::GetMaxCoveredCellIndex() noexcept { return g_nMaxCoveredCellIndex; }
void CGXGridParam::SetMaxCoveredCellIndex(ULONGLONG nEntries) noexcept { g_nMaxCoveredCellIndex = nEntries; }

void CGXGridParam::Serialize(CArchive& ar) {
    if (ar.IsStoring()) Store(ar);
    else Load(ar);
}

void CGXGridParam::Store(CArchive& ar) {
    const GXGridParamSettings& s = m_s;
    const GXGridParamFurther& f = s.further;
    ar << kGridParamSchema;
    ar << f.f15 << f.f32 << s.bReadOnly << s.bUndoEnabled << s.bNumberedRowHeaders << s.bNumberedColHeaders
       << s.bReadOnly << f.f32 << (s.nAllowMoveCols != 0) << (s.nAllowMoveRows != 0) << m_bOwnData
       << m_bOwnPrintDevice << m_bOwnProperties << m_bOwnStylesMap << s.bActiveViewCursor << f.f3
       << s.bCheckReadOnly << f.f16;
    ar << s.wSelectionFlags << s.wRowSizingFlags << s.wColSizingFlags;
    ar << s.nFrozenRows << s.nFrozenCols << s.nDefaultColWidth << s.nDefaultRowHeight;
    ar << f.f23;
    ar << s.nActivateCellFlags << s.wCurrentCellFrameMode << Low16(f.f6) << Low16(f.f7) << f.f21;
    ar << s.nHeaderRows << s.nHeaderCols;

    if (m_bOwnStylesMap) ar << m_pStylesMap;
    {
        ContextObject context(ar, m_pStylesMap);
        if (m_bOwnData) ar << m_pData;
        if (m_bOwnProperties) ar << m_pProperties;
    }
    if (m_bOwnPrintDevice) ar << m_pPrintDevice;

    m_pSelection->Serialize(ar);
    m_pCoveredCells->Serialize(ar);
    m_pRowHeights->Serialize(ar);
    m_pColWidths->Serialize(ar);
    StoreBytes(ar, *m_pHiddenRows);
    StoreBytes(ar, *m_pHiddenCols);

    ar << f.f22;
    ar << f.f27 << f.f43 << f.f24 << f.f25 << f.f26;
    ar << s.wListMode;
    ar << f.f19 << f.f31 << s.nMaxUndoEntries;
    ar << f.f38 << f.f39 << f.f36 << f.f37 << f.f34;
    ar << s.wFloatCellsMode << m_pDelayedFloatCells.get() << m_pFloatCellsPool.get();
    ar << s.wMergeCellsMode << m_pDelayedMergeCells.get() << m_pHorzMergeCellsPool.get()
       << m_pVertMergeCellsPool.get();
    ar << f.f35;
}

void CGXGridParam::Load(CArchive& ar) {
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema == 0 || wSchema > kGridParamSchema) AfxThrowArchiveException(CArchiveException::badSchema);

    // Read into a new object, and take its content over only when the whole record was there.
    // It borrows what this object borrows; what this object owns goes with the old content.
    CGXGridParam tmp;
    if (!m_bOwnData) tmp.m_pData = m_pData;
    if (!m_bOwnStylesMap) tmp.m_pStylesMap = m_pStylesMap;
    if (!m_bOwnProperties) tmp.m_pProperties = m_pProperties;
    if (!m_bOwnPrintDevice) tmp.m_pPrintDevice = m_pPrintDevice;

    GXGridParamSettings& s = tmp.m_s;
    GXGridParamFurther& f = s.further;
    bool bMoveCols = false, bMoveRows = false;
    bool bOwnData = false, bOwnPrintDevice = false, bOwnProperties = false, bOwnStylesMap = false;
    ar >> f.f15 >> f.f32 >> s.bReadOnly >> s.bUndoEnabled >> s.bNumberedRowHeaders >> s.bNumberedColHeaders >>
        s.bReadOnly >> f.f32 >> bMoveCols >> bMoveRows >> bOwnData >> bOwnPrintDevice >> bOwnProperties >>
        bOwnStylesMap >> s.bActiveViewCursor >> f.f3 >> s.bCheckReadOnly >> f.f16;
    s.nAllowMoveCols = bMoveCols ? 1 : 0;
    s.nAllowMoveRows = bMoveRows ? 1 : 0;
    ar >> s.wSelectionFlags >> s.wRowSizingFlags >> s.wColSizingFlags;
    ar >> s.nFrozenRows >> s.nFrozenCols >> s.nDefaultColWidth >> s.nDefaultRowHeight;
    ar >> f.f23;
    WORD w6 = 0, w7 = 0;
    ar >> s.nActivateCellFlags >> s.wCurrentCellFrameMode >> w6 >> w7 >> f.f21;
    f.f6 = w6;
    f.f7 = w7;
    ar >> s.nHeaderRows >> s.nHeaderCols;

    if (bOwnStylesMap) tmp.SetStylesMap(READ_OWNED(ar, CGXStylesMap).release(), true);
    {
        ContextObject context(ar, tmp.m_pStylesMap);
        if (bOwnData) tmp.SetData(READ_OWNED(ar, CGXData).release(), true);
        if (bOwnProperties) tmp.SetProperties(READ_OWNED(ar, CGXProperties).release(), true);
    }
    if (bOwnPrintDevice) tmp.SetPrintDevice(READ_OWNED(ar, CGXPrintDevice).release(), true);

    tmp.m_pSelection->Serialize(ar);
    tmp.m_pCoveredCells->Serialize(ar);
    if (CoveredCellIndexSize(*tmp.m_pCoveredCells, g_nMaxCoveredCellIndex) > g_nMaxCoveredCellIndex)
        AfxThrowArchiveException(CArchiveException::genericException);
    tmp.m_pCoveredCellPool->InitFromRangeList(*tmp.m_pCoveredCells);
    tmp.m_pRowHeights->Serialize(ar);
    tmp.m_pColWidths->Serialize(ar);
    LoadBytes(ar, *tmp.m_pHiddenRows);
    LoadBytes(ar, *tmp.m_pHiddenCols);

    if (wSchema >= 2) ar >> f.f22;
    if (wSchema >= 3) ar >> f.f27 >> f.f43 >> f.f24 >> f.f25 >> f.f26;
    if (wSchema >= 4) ar >> s.wListMode;
    if (wSchema >= 5) ar >> f.f19 >> f.f31 >> s.nMaxUndoEntries;
    if (wSchema >= 6) {
        ar >> f.f38 >> f.f39 >> f.f36 >> f.f37 >> f.f34;
        ar >> s.wFloatCellsMode;
        tmp.m_pDelayedFloatCells = READ_OWNED(ar, CGXDelayedRangePool);
        tmp.m_pFloatCellsPool = READ_OWNED(ar, CGXSpanCellPool);
        ar >> s.wMergeCellsMode;
        tmp.m_pDelayedMergeCells = READ_OWNED(ar, CGXDelayedRangePool);
        tmp.m_pHorzMergeCellsPool = READ_OWNED(ar, CGXSpanCellPool);
        tmp.m_pVertMergeCellsPool = READ_OWNED(ar, CGXSpanCellPool);
        ar >> f.f35;
    }
    Swap(tmp);
}
