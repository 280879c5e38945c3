// CGXGridCore: construction, the parameter object, initialisation, the base character size and
// redrawing.
#include "grid/core/grid_core.h"

#include "grid/core/draw_state.h"

#include "platform/framework/exceptions.h"
#include "platform/framework/window_dc.h"
#include "platform/framework/wnd.h"

CGXGridCore::CGXGridCore() : m_pDraw(std::make_unique<GXDrawState>()) {}

CGXGridCore::~CGXGridCore() {
    DeleteControls();
    if (m_bOwnParam) delete m_pParam;
}

void CGXGridCore::SetParam(CGXGridParam* pParam, bool bMustDelete) {
    if (pParam != m_pParam && m_bOwnParam) delete m_pParam;
    m_pParam = pParam;
    m_bOwnParam = pParam != nullptr && bMustDelete;
    m_pStyleStandard = m_pStyleColHeader = m_pStyleRowHeader = nullptr;
    m_pTransBlock = nullptr;
    ResetLastVisibleCaches();
    FreeObjectCache();
    if (m_bInitDone) UpdateStandardStylePointers();
}

CGXGridParam& CGXGridCore::Param() const {
    if (m_pParam == nullptr) AfxThrowNotSupportedException();
    return *m_pParam;
}

void CGXGridCore::Initialize() {
    if (m_pParam == nullptr) SetParam(new CGXGridParam, true);
    CGXGridParam& param = *m_pParam;
    if (param.GetProperties() == nullptr) {
        auto pProperties = std::make_unique<CGXProperties>();
        pProperties->ReadProfile();
        param.SetProperties(pProperties.release(), true);
    }
    if (param.GetStylesMap() == nullptr) {
        auto pStylesMap = std::make_unique<CGXStylesMap>();
        pStylesMap->CreateStandardStyles();
        pStylesMap->ReadProfile();
        param.SetStylesMap(pStylesMap.release(), true);
    }
    UpdateStandardStylePointers();
    if (param.GetData() == nullptr) param.SetData(new CGXData, true);

    UpdateFontMetrics();
    m_bInitDone = true;
    m_nTopRow = std::max<ROWCOL>(m_nTopRow, GetFrozenRows() + 1);
    m_nLeftCol = std::max<ROWCOL>(m_nLeftCol, GetFrozenCols() + 1);
}

void CGXGridCore::UpdateStandardStylePointers() {
    m_pStyleStandard = m_pStyleColHeader = m_pStyleRowHeader = nullptr;
    CGXStylesMap* pMap = GetStylesMap();
    if (pMap == nullptr) return;
    pMap->LookupStyle(pMap->m_wStyleStandard, m_pStyleStandard);
    pMap->LookupStyle(pMap->m_wStyleColHeader, m_pStyleColHeader);
    pMap->LookupStyle(pMap->m_wStyleRowHeader, m_pStyleRowHeader);
}

void CGXGridCore::UpdateFontMetrics() {
    // Without a font the grid still needs a scale for its size units.
    int nHeight = 15;
    int nWidth = 10;
    if (m_pStyleStandard != nullptr && m_pStyleStandard->GetIncludeFont() && m_pStyleStandard->GetFont() != nullptr) {
        CClientDC dc(m_pGridWnd);
        CFont font;
        LOGFONT lf = m_pStyleStandard->GetFont()->GetLogFont();
        TEXTMETRIC tm{};
        if (dc.GetSafeHdc() != nullptr && font.CreateFontIndirect(&lf)) {
            CFont* pOld = dc.SelectObject(&font);
            if (dc.GetTextMetrics(&tm)) {
                nHeight = tm.tmHeight + tm.tmExternalLeading;
                nWidth = tm.tmAveCharWidth;
                if (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) nWidth = nWidth * 3 / 2;
            }
            if (pOld != nullptr) dc.SelectObject(pOld);
        }
    }
    m_nBaseCharHeight = nHeight;
    m_nBaseCharWidth = nWidth;
    ResetLastVisibleCaches();
}

void CGXGridCore::SetGridRect(const CRect& rect) noexcept {
    m_rectGridArea = rect;
    ResetLastVisibleCaches();
}

bool CGXGridCore::LockUpdate(bool bLock) noexcept {
    bool bOld = m_bLockUpdate;
    m_bLockUpdate = bLock;
    return bOld;
}

void CGXGridCore::InvalidateGridRect(const CRect& rect, UINT flags) {
    flags &= 7;
    if (flags == 0 || m_bLockUpdate || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr) return;
    if (rect.IsRectEmpty()) return;
    m_pGridWnd->InvalidateRect(&rect, FALSE);
    if (flags & GX_REDRAWNOW) m_pGridWnd->UpdateWindow();
}

void CGXGridCore::Redraw(UINT flags) {
    ResetLastVisibleCaches();
    // Whatever changed may change composed styles, also when nothing is to be redrawn now: the
    // cache outlives paints.
    FreeObjectCache();
    if ((flags & 7) == 0 || m_bLockUpdate) return;
    InvalidateGridRect(GetGridRect(), flags);
}

void CGXGridCore::RedrawRowCol(const CGXRange& range, UINT flags) {
    InvalidateGridRect(CalcRangeRect(range), flags);
}

void CGXGridCore::RecordCommandFor(CGXCommand* pCmd, UINT nCommandMode, ROWCOL nRow, ROWCOL nCol) {
    RecordCommand(pCmd, nCommandMode);
    if (nCommandMode == gxUndo || nCommandMode == gxRedo) ScrollToChange(nRow, nCol, false);
}
