// CGXStylesMap: registration, look-up, the standard styles and assignment. The profile and
// archive forms are in styles_map_forms.cpp.
#include "grid/style/styles_map.h"

#include "grid/style/color.h"
#include "platform/framework/resources.h"

IMPLEMENT_SERIAL(CGXStylesMap, CObject, VERSIONABLE_SCHEMA | 0)

CGXStylesMap::CGXStylesMap(const CRuntimeClass* pStyleClass)
    : m_pStyleClass(pStyleClass != nullptr && pStyleClass->IsDerivedFrom(RUNTIME_CLASS(CGXStyle))
                        ? pStyleClass
                        : RUNTIME_CLASS(CGXStyle)),
      m_strSection("Styles") {}

CGXStylesMap::~CGXStylesMap() { Empty(); }

void CGXStylesMap::Empty() noexcept {
    m_entries.clear();
    m_names.RemoveAll();
    m_resourceIds.clear();
    m_controlNames.RemoveAll();
    m_controlObjects.clear();
    for (const auto& [nID, pv] : m_userAttributes) delete static_cast<UserAttributeEntry*>(pv);
    m_userAttributes.RemoveAll();
    m_wNextId = 0;
}

void CGXStylesMap::SetControlObject(WORD nControlId, CObject* pObject) {
    // The object already kept under the id stays as it is: replacing it by itself would free it.
    if (pObject != nullptr && GetControlObject(nControlId) == pObject) return;
    std::unique_ptr<CObject> p(pObject);
    if (p == nullptr) m_controlObjects.erase(nControlId);
    else m_controlObjects[nControlId] = std::move(p);
}

CObject* CGXStylesMap::GetControlObject(WORD nControlId) const noexcept {
    auto it = m_controlObjects.find(nControlId);
    return it != m_controlObjects.end() ? it->second.get() : nullptr;
}

std::unique_ptr<CGXStyle> CGXStylesMap::NewStyle() const {
    std::unique_ptr<CObject> p(m_pStyleClass->CreateObject());
    if (auto* pStyle = dynamic_cast<CGXStyle*>(p.get())) {
        p.release();
        return std::unique_ptr<CGXStyle>(pStyle);
    }
    return std::make_unique<CGXStyle>();  // a style class that cannot be created makes plain styles
}

void CGXStylesMap::StoreEntry(WORD wID, UINT nResourceID, const CString& name, const CGXStyle& style,
                              bool bSystemStyle) {
    std::unique_ptr<CGXStyle> pClone(style.Clone());
    auto it = m_entries.find(wID);
    if (it != m_entries.end()) {
        it->second.pStyle = std::move(pClone);  // name, resource id and system flag stay
        return;
    }
    StyleEntry entry;
    entry.wID = wID;
    entry.nResourceID = nResourceID;
    entry.strName = name;
    entry.pStyle = std::move(pClone);
    entry.bSystemStyle = bSystemStyle;
    m_entries.emplace(wID, std::move(entry));
}

WORD CGXStylesMap::RegisterStyle(UINT nResourceID, const CGXStyle& style, bool bSystemStyle) {
    CString name = AfxLoadStringOrThrow(nResourceID);
    WORD wID;
    auto it = m_resourceIds.find(nResourceID);
    if (it != m_resourceIds.end()) {
        wID = it->second;
    } else {
        wID = m_wNextId++;
        m_resourceIds[nResourceID] = wID;
    }
    m_names.SetAt(name, wID);
    StoreEntry(wID, nResourceID, name, style, bSystemStyle);
    return wID;
}

WORD CGXStylesMap::RegisterStyle(const char* pszName, const CGXStyle& style, bool bSystemStyle) {
    CString name(pszName);
    WORD wID;
    if (!m_names.Lookup(name, wID)) {
        wID = m_wNextId++;
        m_names.SetAt(name, wID);
    }
    StoreEntry(wID, 0, name, style, bSystemStyle);
    return wID;
}

void CGXStylesMap::RegisterControl(DWORD nControlId) {
    m_controlNames.SetAt(nControlId, AfxLoadStringOrThrow(nControlId));
}

void CGXStylesMap::AddUserAttribute(DWORD nID, const CGXStyle* pStyle) {
    auto pEntry = std::make_unique<UserAttributeEntry>();
    pEntry->nID = nID;
    pEntry->strName = AfxLoadStringOrThrow(nID);
    pEntry->pStyle = pStyle != nullptr ? std::unique_ptr<CGXStyle>(pStyle->Clone()) : NewStyle();
    void* pOld = nullptr;
    if (m_userAttributes.Lookup(nID, pOld)) delete static_cast<UserAttributeEntry*>(pOld);
    m_userAttributes.SetAt(nID, pEntry.release());
}

bool CGXStylesMap::LookupStyle(WORD wStyleId, const CGXStyle*& rpStyle) const {
    auto it = m_entries.find(wStyleId);
    rpStyle = it == m_entries.end() ? nullptr : it->second.pStyle.get();
    return rpStyle != nullptr;
}

bool CGXStylesMap::LookupStyle(WORD wStyleId, CGXStyle*& rpStyle) {
    auto it = m_entries.find(wStyleId);
    rpStyle = it == m_entries.end() ? nullptr : it->second.pStyle.get();
    return rpStyle != nullptr;
}

WORD CGXStylesMap::GetBaseStyleId(const char* pszName) const {
    WORD wID = 0;
    return m_names.Lookup(pszName, wID) ? wID : 0;
}

WORD CGXStylesMap::GetBaseStyleIdFromResource(UINT nResourceID) const {
    auto it = m_resourceIds.find(nResourceID);
    return it == m_resourceIds.end() ? 0 : it->second;
}

bool CGXStylesMap::LookupResourceId(UINT nResourceID, WORD& rID) const {
    auto it = m_resourceIds.find(nResourceID);
    if (it == m_resourceIds.end()) return false;
    rID = it->second;
    return true;
}

bool CGXStylesMap::LookupName(WORD wStyleId, CString& rName, UINT& rResourceID) const {
    auto it = m_entries.find(wStyleId);
    if (it == m_entries.end()) {
        rName.Empty();
        rResourceID = 0;
        return false;
    }
    rName = it->second.strName;
    rResourceID = it->second.nResourceID;
    return true;
}

bool CGXStylesMap::IsSystemStyle(WORD wStyleId) const {
    auto it = m_entries.find(wStyleId);
    return it != m_entries.end() && it->second.bSystemStyle;
}

void CGXStylesMap::LookupStandardIds() {
    m_wStyleStandard = GetBaseStyleIdFromResource(GX_IDS_STYLE_STANDARD);
    m_wStyleColHeader = GetBaseStyleIdFromResource(GX_IDS_STYLE_COLHEADER);
    m_wStyleRowHeader = GetBaseStyleIdFromResource(GX_IDS_STYLE_ROWHEADER);
}

void CGXStylesMap::CreateStandardStyles() {
    std::unique_ptr<CGXStyle> pStyle = NewStyle();

    pStyle->SetDefault();
    pStyle->SetFont(CGXFont().SetDefault().SetSize(8), ModifyMode::Override);
    m_wStyleStandard = RegisterStyle(GX_IDS_STYLE_STANDARD, *pStyle, true);
    pStyle->Free();

    pStyle->SetFont(CGXFont().SetBold(true))
        .SetInterior(GXSYSCOLOR(COLOR_BTNFACE))
        .SetHorizontalAlignment(1)
        .SetVerticalAlignment(4)
        .SetControlId(GX_IDS_CTRL_HEADER);
    m_wStyleColHeader = RegisterStyle(GX_IDS_STYLE_COLHEADER, *pStyle, true);
    pStyle->Free();

    pStyle->SetControlId(GX_IDS_CTRL_HEADER).SetInterior(GXSYSCOLOR(COLOR_BTNFACE));
    m_wStyleRowHeader = RegisterStyle(GX_IDS_STYLE_ROWHEADER, *pStyle, true);
}

void CGXStylesMap::Assign(const CGXStylesMap& other) {
    if (&other == this) return;
    Empty();
    m_pStyleClass = other.m_pStyleClass;
    for (const auto& [wID, e] : other.m_entries) {
        StyleEntry entry;
        entry.wID = e.wID;
        entry.nResourceID = e.nResourceID;
        entry.strName = e.strName;
        entry.pStyle.reset(e.pStyle->Clone());
        entry.bSystemStyle = e.bSystemStyle;
        m_entries.emplace(wID, std::move(entry));
    }
    m_names = other.m_names;
    m_resourceIds = other.m_resourceIds;
    m_wNextId = other.m_wNextId;
    m_controlNames = other.m_controlNames;
    for (const auto& [nID, pv] : other.m_userAttributes) {
        const auto* p = static_cast<const UserAttributeEntry*>(pv);
        auto pEntry = std::make_unique<UserAttributeEntry>();
        pEntry->nID = p->nID;
        pEntry->strName = p->strName;
        pEntry->pStyle.reset(p->pStyle->Clone());
        m_userAttributes.SetAt(nID, pEntry.release());
    }
    m_strSection = other.m_strSection;
    LookupStandardIds();
}
