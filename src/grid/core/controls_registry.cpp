// The registry of cell controls, the control of a cell, and the borders controls subtract from
// and add to a cell.
//
// Map:
//   registering, deleting ............. RegisterControl, DeleteControls
//   looking up ........................ GetRegisteredControl, GetControl
//   borders ........................... SubtractBorders, AddBorders, IsPrintBlackWhite
#include <algorithm>
#include <memory>
#include <set>

#include "grid/controls/control.h"
#include "grid/core/grid_core.h"

void CGXGridCore::RegisterControl(WORD nID, CGXControl* pControl, bool bDefault, bool bAddToStylesMap) {
    if (pControl == nullptr) return;
    auto it = m_controlMap.find(nID);
    CGXControl* pOld = it != m_controlMap.end() ? it->second : nullptr;
    const bool bKnown = std::any_of(m_controlMap.begin(), m_controlMap.end(),
                                    [&](const auto& entry) { return entry.second == pControl; });

    // The name first: when its resource is missing nothing is registered, and a control the grid
    // did not hold yet is not lost.
    if (bAddToStylesMap) {
        if (CGXStylesMap* pMap = GetStylesMap()) {
            try {
                pMap->RegisterControl(nID);
            } catch (...) {
                if (!bKnown) delete pControl;
                throw;
            }
        }
    }

    m_controlMap[nID] = pControl;
    if (pOld != nullptr && pOld != pControl) {
        // Forget the old control wherever the grid holds it, so that nothing draws with it.
        if (m_pCachedControl == pOld) {
            m_pCachedControl = nullptr;
            m_nCachedControlId = 0;
        }
        if (m_pDefaultControl == pOld) m_pDefaultControl = pControl;
        const bool bStillRegistered = std::any_of(m_controlMap.begin(), m_controlMap.end(),
                                                  [&](const auto& entry) { return entry.second == pOld; });
        if (!bStillRegistered) delete pOld;
    }
    if (bDefault || nID == 0 || m_pDefaultControl == nullptr) m_pDefaultControl = pControl;
}

void CGXGridCore::DeleteControls() noexcept {
    std::set<CGXControl*> controls;
    for (const auto& [nID, pControl] : m_controlMap) controls.insert(pControl);
    m_controlMap.clear();
    m_pDefaultControl = nullptr;
    m_pCachedControl = nullptr;
    m_nCachedControlId = 0;
    for (CGXControl* pControl : controls) delete pControl;
}

CGXControl* CGXGridCore::GetRegisteredControl(WORD nID) {
    if (nID == 0) return m_pDefaultControl;
    if (m_pCachedControl != nullptr && nID == m_nCachedControlId) return m_pCachedControl;
    auto it = m_controlMap.find(nID);
    if (it == m_controlMap.end()) return m_pDefaultControl;
    m_nCachedControlId = nID;
    m_pCachedControl = it->second;
    return it->second;
}

CGXControl* CGXGridCore::GetControl(ROWCOL nRow, ROWCOL nCol) {
    const CGXStyle& style = LookupStyleRowCol(nRow, nCol);
    return GetRegisteredControl(style.GetIncludeControlId() ? static_cast<WORD>(style.GetControlId()) : WORD(0));
}

CRect CGXGridCore::SubtractBorders(const CRect& rect, const CGXStyle& style) {
    CRect r = rect;
    if (style.GetIncludeBorders()) {
        auto width = [&](int nSide) { return style.GetIncludeBorders(nSide) ? style.GetBorders(nSide).GetThickness() : 0; };
        r.left += width(gxBorderLeft);
        r.right -= width(gxBorderRight);
        r.top += width(gxBorderTop);
        r.bottom -= width(gxBorderBottom);
    }
    // Borders wider than the cell leave an empty rectangle, not an inverted one.
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

CSize CGXGridCore::AddBorders(CSize size, const CGXStyle& style) {
    CRect r = SubtractBorders(CRect(0, 0, 0x4000, 0x4000), style);
    size.cx += 0x4000 - r.Width();
    size.cy += 0x4000 - r.Height();
    return size;
}

bool CGXGridCore::IsPrintBlackWhite() const {
    const CGXProperties* pProperties = GetProperties();
    return pProperties != nullptr && pProperties->GetBlackWhite();
}
