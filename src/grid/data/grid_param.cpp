// CGXGridParam: construction, destruction, attaching and the modes. The archive form is in
// grid_param_archive.cpp.
#include "grid/data/grid_param.h"

#include <utility>

#include "grid/data/data.h"
#include "grid/properties/print_device.h"
#include "grid/properties/properties.h"
#include "grid/style/styles_map.h"

IMPLEMENT_SERIAL(CGXGridParam, CObject, VERSIONABLE_SCHEMA | 0)

CGXGridParam::CGXGridParam()
    : m_pSelection(std::make_unique<CGXRangeList>()),
      m_pCoveredCells(std::make_unique<CGXRangeList>()),
      m_pCoveredCellPool(std::make_unique<CGXCoveredCellPool>()),
      m_pUndoList(std::make_unique<CGXCommandList>()),
      m_pRedoList(std::make_unique<CGXCommandList>()),
      m_pHiddenRows(std::make_unique<CGXHiddenArray>()),
      m_pHiddenCols(std::make_unique<CGXHiddenArray>()),
      m_pRowHeights(std::make_unique<CGXMapDWordToLong>()),
      m_pColWidths(std::make_unique<CGXMapDWordToLong>()) {
    m_pRowHeights->SetAt(0, 1400);
    m_pColWidths->SetAt(0, 6000);
}

CGXGridParam::~CGXGridParam() {
    // The commands may refer to the attached objects: they go first, then the pools, which point
    // into the covered cells, then what the flags say is ours.
    m_pUndoList->DeleteAll();
    m_pRedoList->DeleteAll();
    m_pCoveredCellPool.reset();
    m_pFloatCellsPool.reset();
    m_pDelayedFloatCells.reset();
    m_pFloatObjects[0].reset();
    m_pFloatObjects[1].reset();
    m_pHorzMergeCellsPool.reset();
    m_pVertMergeCellsPool.reset();
    m_pDelayedMergeCells.reset();
    if (m_bOwnData) delete m_pData;
    if (m_bOwnStylesMap) delete m_pStylesMap;
    if (m_bOwnProperties) delete m_pProperties;
    if (m_bOwnPrintDevice) delete m_pPrintDevice;
}

namespace {
// The one rule of all four attachable objects.
template <typename T>
void Attach(T*& rpHeld, bool& rbOwned, T* pNew, bool bOwned) {
    if (pNew != rpHeld && rbOwned) delete rpHeld;
    rpHeld = pNew;
    rbOwned = bOwned;
}
}  // namespace

void CGXGridParam::SetData(CGXData* pData, bool bMustDelete) { Attach(m_pData, m_bOwnData, pData, bMustDelete); }
void CGXGridParam::SetStylesMap(CGXStylesMap* pStylesMap, bool bMustDelete) {
    Attach(m_pStylesMap, m_bOwnStylesMap, pStylesMap, bMustDelete);
}
void CGXGridParam::SetProperties(CGXProperties* pProperties, bool bMustDelete) {
    Attach(m_pProperties, m_bOwnProperties, pProperties, bMustDelete);
}
void CGXGridParam::SetPrintDevice(CGXPrintDevice* pPrintDevice, bool bMustDelete) {
    Attach(m_pPrintDevice, m_bOwnPrintDevice, pPrintDevice, bMustDelete);
}

void CGXGridParam::SetFloatCellsObject(int i, CObject* pObject) noexcept {
    std::unique_ptr<CObject> pOwned(pObject);
    if (i == 0 || i == 1) m_pFloatObjects[i] = std::move(pOwned);
}

void CGXGridParam::EmptyUndoList() noexcept {
    m_pUndoList->DeleteAll();
    m_s.nTransactionDepth = 0;
}

void CGXGridParam::EmptyRedoList() noexcept { m_pRedoList->DeleteAll(); }

void CGXGridParam::SetFloatCellsMode(WORD w) noexcept {
    if (w == m_s.wFloatCellsMode) return;
    m_s.wFloatCellsMode = w;
    m_pFloatCellsPool.reset();
    m_pDelayedFloatCells.reset();
}

void CGXGridParam::SetMergeCellsMode(WORD w) noexcept {
    if (w == m_s.wMergeCellsMode) return;
    m_s.wMergeCellsMode = w;
    m_pHorzMergeCellsPool.reset();
    m_pVertMergeCellsPool.reset();
    m_pDelayedMergeCells.reset();
}

void CGXGridParam::Swap(CGXGridParam& other) noexcept {
    using std::swap;
    swap(m_s, other.m_s);
    swap(m_pSelection, other.m_pSelection);
    swap(m_pCoveredCells, other.m_pCoveredCells);
    swap(m_pCoveredCellPool, other.m_pCoveredCellPool);
    swap(m_pFloatCellsPool, other.m_pFloatCellsPool);
    swap(m_pDelayedFloatCells, other.m_pDelayedFloatCells);
    swap(m_pFloatObjects[0], other.m_pFloatObjects[0]);
    swap(m_pFloatObjects[1], other.m_pFloatObjects[1]);
    swap(m_pHorzMergeCellsPool, other.m_pHorzMergeCellsPool);
    swap(m_pVertMergeCellsPool, other.m_pVertMergeCellsPool);
    swap(m_pDelayedMergeCells, other.m_pDelayedMergeCells);
    swap(m_bOwnData, other.m_bOwnData);
    swap(m_pData, other.m_pData);
    swap(m_bOwnStylesMap, other.m_bOwnStylesMap);
    swap(m_pStylesMap, other.m_pStylesMap);
    swap(m_bOwnProperties, other.m_bOwnProperties);
    swap(m_pProperties, other.m_pProperties);
    swap(m_bOwnPrintDevice, other.m_bOwnPrintDevice);
    swap(m_pPrintDevice, other.m_pPrintDevice);
    swap(m_pUndoList, other.m_pUndoList);
    swap(m_pRedoList, other.m_pRedoList);
    swap(m_pHiddenRows, other.m_pHiddenRows);
    swap(m_pHiddenCols, other.m_pHiddenCols);
    swap(m_pRowHeights, other.m_pRowHeights);
    swap(m_pColWidths, other.m_pColWidths);
}
