#pragma once
// CGXStylesMap: the named base styles of a grid (the standard style, the two header styles and
// whatever the application registers), the names of registered cell controls and the registered
// user attributes, with the map's profile and archive forms. Ids are handed out in registration
// order from 0 and never reused; a style registered again under a known name or resource id keeps
// its id. The map keeps its own clones of the styles it is given.
#include <map>
#include <memory>

#include "grid/style/coll_map.h"
#include "grid/style/style.h"
#include "platform/framework/archive.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

// String resources that name the standard styles; the host supplies them.
constexpr UINT GX_IDS_STYLE_STANDARD = 52768;
constexpr UINT GX_IDS_STYLE_ROWHEADER = 52769;
constexpr UINT GX_IDS_STYLE_COLHEADER = 52770;
// The control that draws header cells.
constexpr DWORD GX_IDS_CTRL_HEADER = 52520;

class CGXStylesMap : public CObject {
    DECLARE_SERIAL(CGXStylesMap)
public:
    // Objects of pStyleClass (a CGXStyle class; CGXStyle when null) hold the registered styles.
    explicit CGXStylesMap(const CRuntimeClass* pStyleClass = nullptr);
    ~CGXStylesMap() override;
    CGXStylesMap(const CGXStylesMap&) = delete;
    CGXStylesMap& operator=(const CGXStylesMap& other) {
        Assign(other);
        return *this;
    }

    // Registers the standard, column header and row header styles; the names come from the
    // string resources 52768, 52770 and 52769 (CResourceException when one is missing).
    void CreateStandardStyles();

    // The name from the string resource nResourceID (CResourceException when missing; nothing is
    // registered then).
    WORD RegisterStyle(UINT nResourceID, const CGXStyle& style, bool bSystemStyle);
    WORD RegisterStyle(const char* pszName, const CGXStyle& style, bool bSystemStyle);
    // Records the name of a control, from the string resource of the control's id.
    void RegisterControl(DWORD nControlId);
    // Registers a user attribute, named by the string resource of its id, with the style that
    // describes its value.
    void AddUserAttribute(DWORD nID, const CGXStyle* pStyle = nullptr);

    bool LookupStyle(WORD wStyleId, const CGXStyle*& rpStyle) const;
    bool LookupStyle(WORD wStyleId, CGXStyle*& rpStyle);
    // 0 (the standard style in a grid's map) for what is not registered.
    WORD GetBaseStyleId(const char* pszName) const;
    WORD GetBaseStyleIdFromResource(UINT nResourceID) const;
    // The same, telling whether the name or resource id is registered.
    bool LookupStyleId(const char* pszName, WORD& rID) const { return m_names.Lookup(pszName, rID); }
    bool LookupResourceId(UINT nResourceID, WORD& rID) const;
    // False, an empty name and resource id 0 for an id that is not registered.
    bool LookupName(WORD wStyleId, CString& rName, UINT& rResourceID) const;
    bool IsSystemStyle(WORD wStyleId) const;

    // Every registered style in the order of the name map: f(name, id, resource id, style).
    template <typename F>
    void ForEachStyle(F f) const {
        for (const auto& [name, id] : m_names) {
            auto it = m_entries.find(id);
            if (it != m_entries.end()) f(name, id, it->second.nResourceID, *it->second.pStyle);
        }
    }
    // Every registered user attribute in the order of its id: f(id, name, style).
    template <typename F>
    void ForEachUserAttribute(F f) const {
        for (const auto& [nID, pv] : m_userAttributes) {
            const auto* p = static_cast<const UserAttributeEntry*>(pv);
            f(nID, p->strName, *p->pStyle);
        }
    }
    const CGXCollMapDWordToString& GetControlNames() const noexcept { return m_controlNames; }
    // Objects kept for controls under their 16-bit id; the map owns them, deletes one replaced by
    // another and deletes all with itself. Assign empties them and copies none (an object of a
    // control belongs to the map that made it).
    void SetControlObject(WORD nControlId, CObject* pObject);
    CObject* GetControlObject(WORD nControlId) const noexcept;
    int GetControlObjectCount() const noexcept { return static_cast<int>(m_controlObjects.size()); }
    int GetCount() const noexcept { return static_cast<int>(m_entries.size()); }

    void Assign(const CGXStylesMap& other);

    const CString& GetSection() const noexcept { return m_strSection; }
    void SetSection(const char* pszSection) { m_strSection = pszSection; }

    // Schema 2: section, control names, names, entries with their styles, next id, user attributes.
    void Serialize(CArchive& ar) override;
    virtual void WriteProfile() const;
    virtual void ReadProfile();

    WORD m_wStyleStandard = 0;
    WORD m_wStyleColHeader = 0;
    WORD m_wStyleRowHeader = 0;

private:
    struct StyleEntry {
        WORD wID = 0;
        UINT nResourceID = 0;
        CString strName;
        std::unique_ptr<CGXStyle> pStyle;
        bool bSystemStyle = false;
    };
    struct UserAttributeEntry {
        DWORD nID = 0;
        CString strName;
        std::unique_ptr<CGXStyle> pStyle;
    };

    std::unique_ptr<CGXStyle> NewStyle() const;
    void StoreEntry(WORD wID, UINT nResourceID, const CString& name, const CGXStyle& style, bool bSystemStyle);
    void Empty() noexcept;
    void LookupStandardIds();
    CString StyleSection(const CString& name, UINT nResourceID, bool bRegistry) const;

    const CRuntimeClass* m_pStyleClass;
    CGXCollMapStringToWord m_names{10};
    std::map<WORD, StyleEntry> m_entries;
    std::map<UINT, WORD> m_resourceIds;
    WORD m_wNextId = 0;
    CGXCollMapDWordToString m_controlNames{10};
    std::map<WORD, std::unique_ptr<CObject>> m_controlObjects;
    CGXCollMapDWordToPtr m_userAttributes{10};
    CString m_strSection;
};
