// CGXProperties: construction with its defaults, colours, user properties and assignment. The
// profile and archive forms are in properties_forms.cpp.
#include "grid/properties/properties.h"

#include "grid/data/data.h"
#include "grid/style/color.h"
#include "platform/framework/exceptions.h"
#include "platform/framework/resources.h"

IMPLEMENT_SERIAL(CGXProperties, CObject, VERSIONABLE_SCHEMA | 0)

namespace {
constexpr UINT kFrameStyleNames[] = {GX_IDS_FRAME_SOLIDTHIN, GX_IDS_FRAME_SOLIDTHICK, GX_IDS_FRAME_NONE,
                                     GX_IDS_FRAME_INVERTTHICK, GX_IDS_FRAME_INVERTTHIN};
constexpr const char* kTokens[] = {"$F", "$A", "$P", "$N", "$D", "$R"};
constexpr COLORREF kRed = 0x0000FF;
constexpr ROWCOL kPageRows = 10, kPageCols = 3;
}  // namespace

CGXProperties::CGXProperties()
    : m_pDataFooter(std::make_unique<CGXData>()), m_pDataHeader(std::make_unique<CGXData>()), m_strSection("Grid") {
    for (UINT nID : kFrameStyleNames) {
        CString name;
        AfxLoadString(nID, name);
        m_frameStyleNames.Add(name);
    }
    AddColorProperty(GX_IDS_COLOR_GRIDLINES, GXSYSCOLOR(COLOR_GRAYTEXT));
    AddColorProperty(GX_IDS_COLOR_SECOND, GXSYSCOLOR(COLOR_ACTIVECAPTION));
    AddColorProperty(GX_IDS_COLOR_THIRD, kRed);
    AddColorProperty(GX_IDS_COLOR_DRAGLINES, kRed);
    AddColorProperty(GX_IDS_COLOR_BACKGROUND, GXSYSCOLOR(COLOR_BTNFACE));
    for (const char* psz : kTokens) m_tokens.Add(CString(psz));
    SetDefaultPageStores();
}

CGXProperties::CGXProperties(const CGXProperties& other)
    : CObject(),
      m_pDataFooter(std::make_unique<CGXData>()),
      m_pDataHeader(std::make_unique<CGXData>()),
      m_strSection(other.m_strSection) {
    Assign(other);
}

CGXProperties::~CGXProperties() { DeleteUserProperties(); }

void CGXProperties::SetDefaultPageStores() {
    CGXData& footer = *m_pDataFooter;
    footer.SetRowCount(kPageRows);
    footer.SetColCount(kPageCols);
    footer.StoreStyle(1, 1, CGXStyle().SetValue("$D"), ModifyMode::Override, 0);
    footer.StoreStyle(1, 3, CGXStyle().SetValue("$P/$N"), ModifyMode::Override, 0);

    CGXData& header = *m_pDataHeader;
    header.SetRowCount(kPageRows);
    header.SetColCount(kPageCols);
    CGXStyle title;
    title.SetValue("$R").SetFont(CGXFont().SetBold(true).SetSize(16));
    header.StoreStyle(1, 2, title, ModifyMode::Override, 0);
}

void CGXProperties::Assign(const CGXProperties& other) {
    if (&other == this) return;
    m_frameStyleNames.Copy(other.m_frameStyleNames);
    m_colors = other.m_colors;
    m_b3dHeader = other.m_b3dHeader;
    m_bDisplayVertLines = other.m_bDisplayVertLines;
    m_bDisplayHorzLines = other.m_bDisplayHorzLines;
    m_bMarkRowHeader = other.m_bMarkRowHeader;
    m_bMarkColHeader = other.m_bMarkColHeader;
    m_nFurtherSwitch = other.m_nFurtherSwitch;
    m_nScale = other.m_nScale;

    DeleteUserProperties();
    other.ForEachUserProperty([&](DWORD nID, const CString& name, const CGXStyle& style) {
        auto pEntry = std::make_unique<UserPropertyEntry>();
        pEntry->nID = nID;
        pEntry->strName = name;
        pEntry->pStyle.reset(style.Clone());
        SetUserPropertyEntry(std::move(pEntry));
    });

    m_bCenterHorizontal = other.m_bCenterHorizontal;
    m_bCenterVertical = other.m_bCenterVertical;
    m_bPrintColHeaders = other.m_bPrintColHeaders;
    m_bPrintHorzLines = other.m_bPrintHorzLines;
    m_bPrintRowHeaders = other.m_bPrintRowHeaders;
    m_bPrintVertLines = other.m_bPrintVertLines;
    m_nPageOrder = other.m_nPageOrder;
    m_bBlackWhite = other.m_bBlackWhite;
    m_bPrintFrame = other.m_bPrintFrame;
    for (int i = 0; i < 4; ++i) m_nMargins[i] = other.m_nMargins[i];
    for (int i = 0; i < 2; ++i) m_nDistances[i] = other.m_nDistances[i];
    m_nFirstPage = other.m_nFirstPage;

    m_pDataFooter->Assign(*other.m_pDataFooter);
    m_pDataHeader->Assign(*other.m_pDataHeader);
    m_tokens.Copy(other.m_tokens);
    m_strSection = other.m_strSection;
    m_bPrinting = other.m_bPrinting;
}

// --- colours

int CGXProperties::AddColorProperty(const char* pszName, COLORREF color) {
    for (size_t i = 0; i < m_colors.size(); ++i)
        if (m_colors[i].strName == pszName) return static_cast<int>(i);
    m_colors.push_back(ColorEntry{CString(pszName), color});
    return static_cast<int>(m_colors.size() - 1);
}

int CGXProperties::AddColorProperty(UINT nResourceID, COLORREF color) {
    CString name = AfxLoadStringOrThrow(nResourceID);
    if (name.IsEmpty()) AfxThrowResourceException();
    return AddColorProperty(name, color);
}

bool CGXProperties::IsColorIndex(int nIndex) const noexcept {
    return nIndex >= 0 && static_cast<size_t>(nIndex) < m_colors.size();
}

COLORREF CGXProperties::GetColor(int nIndex) const noexcept {
    return IsColorIndex(nIndex) ? m_colors[static_cast<size_t>(nIndex)].color : 0;
}

void CGXProperties::SetColor(int nIndex, COLORREF color) noexcept {
    if (IsColorIndex(nIndex)) m_colors[static_cast<size_t>(nIndex)].color = color;
}

CString CGXProperties::GetColorName(int nIndex) const {
    return IsColorIndex(nIndex) ? m_colors[static_cast<size_t>(nIndex)].strName : CString();
}

// --- user properties

void CGXProperties::DeleteUserProperties() noexcept {
    for (const auto& [nID, pv] : m_userProperties) delete static_cast<UserPropertyEntry*>(pv);
    m_userProperties.RemoveAll();
}

void CGXProperties::SetUserPropertyEntry(std::unique_ptr<UserPropertyEntry> pEntry) {
    const DWORD nID = pEntry->nID;
    void* pOld = nullptr;
    if (m_userProperties.Lookup(nID, pOld)) {
        m_userProperties.SetAt(nID, pEntry.release());
        delete static_cast<UserPropertyEntry*>(pOld);
        return;
    }
    m_userProperties.SetAt(nID, pEntry.get());
    pEntry.release();
}

void CGXProperties::AddUserProperty(DWORD nID, const CGXStyle& style) {
    void* pv = nullptr;
    if (m_userProperties.Lookup(nID, pv)) {
        static_cast<UserPropertyEntry*>(pv)->pStyle.reset(style.Clone());
        return;
    }
    auto pEntry = std::make_unique<UserPropertyEntry>();
    pEntry->nID = nID;
    pEntry->strName = AfxLoadStringOrThrow(nID);
    pEntry->pStyle.reset(style.Clone());
    SetUserPropertyEntry(std::move(pEntry));
}

const CGXStyle* CGXProperties::GetUserProperty(DWORD nID) const {
    void* pv = nullptr;
    return m_userProperties.Lookup(nID, pv) ? static_cast<const UserPropertyEntry*>(pv)->pStyle.get() : nullptr;
}

CGXStyle* CGXProperties::GetUserProperty(DWORD nID) {
    void* pv = nullptr;
    return m_userProperties.Lookup(nID, pv) ? static_cast<UserPropertyEntry*>(pv)->pStyle.get() : nullptr;
}

CString CGXProperties::GetUserPropertyName(DWORD nID) const {
    void* pv = nullptr;
    return m_userProperties.Lookup(nID, pv) ? static_cast<const UserPropertyEntry*>(pv)->strName : CString();
}

void CGXProperties::AddDefaultUserProperties() {
    CString choices;
    for (int i = 0; i < m_frameStyleNames.GetSize(); ++i) {
        if (i > 0) choices += '\n';
        choices += m_frameStyleNames[i];
    }
    CGXStyle style;
    style.SetControlId(GX_IDS_CTRL_DROPDOWNLIST).SetChoicesList(choices).SetValue(m_frameStyleNames[0]);
    AddUserProperty(GX_IDS_UP_CURRENTCELLFRAME, style);
}

// --- print layout

void CGXProperties::GetMargins(LONG& rTop, LONG& rLeft, LONG& rBottom, LONG& rRight) const noexcept {
    rTop = m_nMargins[0];
    rLeft = m_nMargins[1];
    rBottom = m_nMargins[2];
    rRight = m_nMargins[3];
}

void CGXProperties::SetMargins(LONG nTop, LONG nLeft, LONG nBottom, LONG nRight) noexcept {
    m_nMargins[0] = nTop;
    m_nMargins[1] = nLeft;
    m_nMargins[2] = nBottom;
    m_nMargins[3] = nRight;
}

void CGXProperties::GetDistances(LONG& rTop, LONG& rBottom) const noexcept {
    rTop = m_nDistances[0];
    rBottom = m_nDistances[1];
}

void CGXProperties::SetDistances(LONG nTop, LONG nBottom) noexcept {
    m_nDistances[0] = nTop;
    m_nDistances[1] = nBottom;
}
