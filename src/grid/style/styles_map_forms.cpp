// CGXStylesMap: the archive form and the profile form (an initialisation file or the registry).
#include <cstdlib>

#include "grid/style/styles_map.h"
#include "platform/framework/exceptions.h"
#include "platform/framework/resources.h"
#include "platform/framework/win_app.h"

namespace {
constexpr WORD kStylesMapSchema = 2;
// The smallest records: a name (2-byte id, empty name), an entry (2 + 4 + 1 + 1 and an empty
// style of 10 bytes), a user attribute (4 and an empty style).
constexpr ULONGLONG kMinName = 3, kMinEntry = 18, kMinUserAttribute = 14;

void CheckCount(const CArchive& ar, ULONGLONG nCount, ULONGLONG nMinEach) {
    if (nCount > ar.GetRemaining() / nMinEach) AfxThrowArchiveException(CArchiveException::endOfFile);
}
}  // namespace

// --- archive

void CGXStylesMap::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kStylesMapSchema << m_strSection;
        m_controlNames.Serialize(ar);
        ar << static_cast<WORD>(m_names.GetCount());
        for (const auto& [name, wID] : m_names) ar << wID << name;
        ar << static_cast<WORD>(m_entries.size());
        for (const auto& [wID, e] : m_entries) {
            ar << e.wID << static_cast<DWORD>(e.nResourceID) << e.strName << static_cast<BYTE>(e.bSystemStyle ? 1 : 0);
            e.pStyle->Serialize(ar, this);
        }
        ar << m_wNextId;
        ar << static_cast<WORD>(m_userAttributes.GetCount());
        for (const auto& [nID, pv] : m_userAttributes) {
            const auto* p = static_cast<const UserAttributeEntry*>(pv);
            ar << nID;
            p->pStyle->Serialize(ar, this);
        }
        return;
    }

    WORD wSchema;
    ar >> wSchema;
    if (wSchema > kStylesMapSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    Empty();
    ar >> m_strSection;
    m_controlNames.Serialize(ar);

    WORD nCount;
    ar >> nCount;
    CheckCount(ar, nCount, kMinName);
    for (WORD i = 0; i < nCount; ++i) {
        WORD wID;
        CString name;
        ar >> wID >> name;
        m_names.SetAt(name, wID);
    }

    ar >> nCount;
    CheckCount(ar, nCount, kMinEntry);
    for (WORD i = 0; i < nCount; ++i) {
        StyleEntry e;
        DWORD nResourceID;
        BYTE bSystem;
        ar >> e.wID >> nResourceID >> e.strName >> bSystem;
        e.nResourceID = nResourceID;
        e.bSystemStyle = bSystem != 0;
        e.pStyle = NewStyle();
        e.pStyle->Serialize(ar, this);
        if (e.nResourceID != 0) {
            // The name of a style from a string resource is the resource's text here and now;
            // without the resource the stored name stays.
            CString text;
            if (AfxLoadString(e.nResourceID, text)) {
                m_names.RemoveKey(e.strName);
                e.strName = text;
                m_names.SetAt(text, e.wID);
            }
            m_resourceIds[e.nResourceID] = e.wID;
        }
        m_entries[e.wID] = std::move(e);
    }

    ar >> m_wNextId;
    // Ids are never reused: a damaged next id must not hand out one that is taken.
    if (!m_entries.empty() && m_entries.rbegin()->first >= m_wNextId && m_entries.rbegin()->first < 0xFFFF)
        m_wNextId = static_cast<WORD>(m_entries.rbegin()->first + 1);

    if (wSchema >= 2) {
        ar >> nCount;
        CheckCount(ar, nCount, kMinUserAttribute);
        for (WORD i = 0; i < nCount; ++i) {
            auto pEntry = std::make_unique<UserAttributeEntry>();
            ar >> pEntry->nID;
            pEntry->pStyle = NewStyle();
            pEntry->pStyle->Serialize(ar, this);
            AfxLoadString(pEntry->nID, pEntry->strName);
            void* pOld = nullptr;
            if (m_userAttributes.Lookup(pEntry->nID, pOld)) delete static_cast<UserAttributeEntry*>(pOld);
            DWORD nID = pEntry->nID;
            m_userAttributes.SetAt(nID, pEntry.release());
        }
    }
    LookupStandardIds();
}

// --- profile

CString CGXStylesMap::StyleSection(const CString& name, UINT nResourceID, bool bRegistry) const {
    CString section = nResourceID != 0 ? FormatString("#%u", nResourceID) : name;
    return m_strSection + (bRegistry ? "\\" : ".") + section;
}

void CGXStylesMap::WriteProfile() const {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    CProfileBatch batch(pApp);
    bool bRegistry = pApp->UsesRegistry();

    // 1. Remove what the map wrote before.
    if (!bRegistry) {
        pApp->DeleteProfileSection(m_strSection);
    } else {
        CStringArray subkeys;
        pApp->GetProfileSubkeys(m_strSection, subkeys);
        for (const CString& name : subkeys) pApp->DeleteProfileSection(m_strSection + "\\" + name);
    }

    // 2. Every style, in the order of the name map.
    ForEachStyle([&](const CString& name, WORD, UINT nResourceID, const CGXStyle& style) {
        CString key = nResourceID != 0 ? FormatString("#%u", nResourceID) : name;
        if (!bRegistry) pApp->WriteProfileString(m_strSection, key, "1");
        style.WriteProfile(StyleSection(name, nResourceID, bRegistry), this);
    });
}

void CGXStylesMap::ReadProfile() {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    bool bRegistry = pApp->UsesRegistry();

    // 1. The names of the styles' sections.
    CStringArray names;
    if (bRegistry) pApp->GetProfileSubkeys(m_strSection, names);
    else pApp->GetProfileKeys(m_strSection, names);

    // 2. Each style, registered again under its name or resource id.
    for (const CString& name : names) {
        bool bResource = name[0] == '#';
        UINT nResourceID = bResource ? static_cast<UINT>(std::strtoul(name.Mid(1), nullptr, 10)) : 0;
        std::unique_ptr<CGXStyle> pStyle = NewStyle();
        pStyle->ReadProfile(StyleSection(name, nResourceID, bRegistry), this);
        if (!bResource) {
            RegisterStyle(name, *pStyle, false);
            continue;
        }
        try {
            RegisterStyle(nResourceID, *pStyle, false);
        } catch (const CResourceException&) {
            // A profile may name a resource this application does not have: that style is skipped.
        }
    }

    // 3. The standard style takes its defaults for whatever the profile did not give.
    if (names.GetSize() > 0) {
        LookupStandardIds();
        CGXStyle* pStandard = nullptr;
        if (LookupStyle(m_wStyleStandard, pStandard)) {
            std::unique_ptr<CGXStyle> pDefault = NewStyle();
            pDefault->SetDefault();
            pStandard->ChangeStyle(*pDefault, ModifyMode::ApplyNew);
        }
    }
}
