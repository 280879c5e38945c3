#pragma once
// CGXProperties: the grid's display and print settings that are not cell styles. It holds the
// named colours of grid lines and marks, the display switches, the user properties (each a style
// whose value is the setting and whose other attributes say how it is edited), the print layout
// and the page header and footer stores, with the profile form in section "Grid" and an archive
// form of its own.
//
// While the grid prints, the line switches answer with their print values, and the header and
// black-and-white print switches answer as set; otherwise the headers count as printed and
// printing as in colour.
#include <memory>
#include <vector>

#include "grid/style/coll_map.h"
#include "grid/style/style.h"
#include "platform/framework/archive.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"
#include "platform/framework/string_array.h"

class CGXData;

// String resources that name the colours; the names are also the colours' profile keys.
constexpr UINT GX_IDS_COLOR_GRIDLINES = 52232;
constexpr UINT GX_IDS_COLOR_SECOND = 52233;
constexpr UINT GX_IDS_COLOR_THIRD = 52234;
constexpr UINT GX_IDS_COLOR_BACKGROUND = 52235;
constexpr UINT GX_IDS_COLOR_DRAGLINES = 52236;
// The user property that chooses the frame of the current cell, and the five frame style names.
constexpr UINT GX_IDS_UP_CURRENTCELLFRAME = 51005;
constexpr UINT GX_IDS_FRAME_SOLIDTHIN = 51006;
constexpr UINT GX_IDS_FRAME_SOLIDTHICK = 51007;
constexpr UINT GX_IDS_FRAME_NONE = 51008;
constexpr UINT GX_IDS_FRAME_INVERTTHICK = 51009;
constexpr UINT GX_IDS_FRAME_INVERTTHIN = 51017;
// The control that edits a choice from a drop-down list.
constexpr DWORD GX_IDS_CTRL_DROPDOWNLIST = 52529;

// Colours by position, as drawing addresses them.
enum GXPropertyColor : int {
    gxColorGridLines = 0,
    gxColorSecond = 1,
    gxColorThird = 2,
    gxColorDragLines = 3,
    gxColorBackground = 4,
};

class CGXProperties : public CObject {
    DECLARE_SERIAL(CGXProperties)
public:
    // The frame style names and the colour names come from string resources; a missing colour
    // name raises CResourceException.
    CGXProperties();
    ~CGXProperties() override;
    CGXProperties(const CGXProperties& other);
    CGXProperties& operator=(const CGXProperties& other) {
        Assign(other);
        return *this;
    }
    void Assign(const CGXProperties& other);

    // --- colours
    // The position of the colour called pszName: an existing name keeps its position and colour.
    int AddColorProperty(const char* pszName, COLORREF color);
    // The same with the name from a string resource (CResourceException when missing or empty).
    int AddColorProperty(UINT nResourceID, COLORREF color);
    // 0 for a position outside the list.
    COLORREF GetColor(int nIndex) const noexcept;
    void SetColor(int nIndex, COLORREF color) noexcept;
    // An empty name for a position outside the list.
    CString GetColorName(int nIndex) const;
    int GetColorCount() const noexcept { return static_cast<int>(m_colors.size()); }

    // --- user properties
    // Replaces the style of property nID, or makes the property, named by the string resource nID
    // (CResourceException when missing). The properties keep a copy of the style.
    void AddUserProperty(DWORD nID, const CGXStyle& style);
    // The property's style, null when there is none.
    const CGXStyle* GetUserProperty(DWORD nID) const;
    CGXStyle* GetUserProperty(DWORD nID);
    // The name of property nID, empty when there is none.
    CString GetUserPropertyName(DWORD nID) const;
    int GetUserPropertyCount() const noexcept { return m_userProperties.GetCount(); }
    // Every property in the order of its id: f(id, name, style).
    template <typename F>
    void ForEachUserProperty(F f) const {
        for (const auto& [nID, pv] : m_userProperties) {
            const auto* p = static_cast<const UserPropertyEntry*>(pv);
            f(nID, p->strName, *p->pStyle);
        }
    }
    // Property 51005, the frame of the current cell: a choice of the five frame style names.
    void AddDefaultUserProperties();
    const CStringArray& GetFrameStyleNames() const noexcept { return m_frameStyleNames; }

    // --- display switches
    bool GetDisplay3dHeader() const noexcept { return m_b3dHeader != 0; }
    void SetDisplay3dHeader(bool b) noexcept { m_b3dHeader = b; }
    // While printing, the print values.
    bool GetDisplayVertLines() const noexcept { return (m_bPrinting ? m_bPrintVertLines : m_bDisplayVertLines) != 0; }
    void SetDisplayVertLines(bool b) noexcept { m_bDisplayVertLines = b; }
    bool GetDisplayHorzLines() const noexcept { return (m_bPrinting ? m_bPrintHorzLines : m_bDisplayHorzLines) != 0; }
    void SetDisplayHorzLines(bool b) noexcept { m_bDisplayHorzLines = b; }
    bool GetMarkRowHeader() const noexcept { return m_bMarkRowHeader != 0; }
    void SetMarkRowHeader(bool b) noexcept { m_bMarkRowHeader = b; }
    bool GetMarkColHeader() const noexcept { return m_bMarkColHeader != 0; }
    void SetMarkColHeader(bool b) noexcept { m_bMarkColHeader = b; }
    // A further switch for the grid operations that read it.
    LONG GetFurtherSwitch() const noexcept { return m_nFurtherSwitch; }
    void SetFurtherSwitch(LONG n) noexcept { m_nFurtherSwitch = n; }
    LONG GetScale() const noexcept { return m_nScale; }
    void SetScale(LONG n) noexcept { m_nScale = n; }

    // --- print settings
    bool GetCenterHorizontal() const noexcept { return m_bCenterHorizontal != 0; }
    void SetCenterHorizontal(bool b) noexcept { m_bCenterHorizontal = b; }
    bool GetCenterVertical() const noexcept { return m_bCenterVertical != 0; }
    void SetCenterVertical(bool b) noexcept { m_bCenterVertical = b; }
    // True whenever the grid does not print.
    bool GetPrintColHeaders() const noexcept { return !m_bPrinting || m_bPrintColHeaders != 0; }
    void SetPrintColHeaders(bool b) noexcept { m_bPrintColHeaders = b; }
    bool GetPrintRowHeaders() const noexcept { return !m_bPrinting || m_bPrintRowHeaders != 0; }
    void SetPrintRowHeaders(bool b) noexcept { m_bPrintRowHeaders = b; }
    bool GetPrintHorzLines() const noexcept { return m_bPrintHorzLines != 0; }
    void SetPrintHorzLines(bool b) noexcept { m_bPrintHorzLines = b; }
    bool GetPrintVertLines() const noexcept { return m_bPrintVertLines != 0; }
    void SetPrintVertLines(bool b) noexcept { m_bPrintVertLines = b; }
    LONG GetPageOrder() const noexcept { return m_nPageOrder; }
    void SetPageOrder(LONG n) noexcept { m_nPageOrder = n; }
    // False whenever the grid does not print.
    bool GetBlackWhite() const noexcept { return m_bPrinting && m_bBlackWhite != 0; }
    void SetBlackWhite(bool b) noexcept { m_bBlackWhite = b; }
    bool GetPrintFrame() const noexcept { return m_bPrintFrame != 0; }
    void SetPrintFrame(bool b) noexcept { m_bPrintFrame = b; }
    // In the order of the "Margins" key.
    void GetMargins(LONG& rTop, LONG& rLeft, LONG& rBottom, LONG& rRight) const noexcept;
    void SetMargins(LONG nTop, LONG nLeft, LONG nBottom, LONG nRight) noexcept;
    void GetDistances(LONG& rTop, LONG& rBottom) const noexcept;
    void SetDistances(LONG nTop, LONG nBottom) noexcept;
    LONG GetFirstPage() const noexcept { return m_nFirstPage; }
    void SetFirstPage(LONG n) noexcept { m_nFirstPage = n; }

    // The grid sets this while it prints.
    bool IsPrinting() const noexcept { return m_bPrinting; }
    void SetPrinting(bool b) noexcept { m_bPrinting = b; }

    // --- page header and footer: 10 rows by 3 columns, the cells' values holding the tokens
    // "$F", "$A", "$P", "$N", "$D" and "$R".
    CGXData& GetDataFooter() noexcept { return *m_pDataFooter; }
    const CGXData& GetDataFooter() const noexcept { return *m_pDataFooter; }
    CGXData& GetDataHeader() noexcept { return *m_pDataHeader; }
    const CGXData& GetDataHeader() const noexcept { return *m_pDataHeader; }
    const CStringArray& GetTokens() const noexcept { return m_tokens; }

    // --- forms
    const CString& GetSection() const noexcept { return m_strSection; }
    void SetSection(const char* pszSection) { m_strSection = pszSection; }
    virtual void WriteProfile() const;
    virtual void ReadProfile();
    // Schema 1 (see properties_forms.cpp).
    void Serialize(CArchive& ar) override;

private:
    struct ColorEntry {
        CString strName;
        COLORREF color = 0;
    };
    struct UserPropertyEntry {
        DWORD nID = 0;
        CString strName;
        std::unique_ptr<CGXStyle> pStyle;
    };

    bool IsColorIndex(int nIndex) const noexcept;
    void SetDefaultPageStores();
    void DeleteUserProperties() noexcept;
    void SetUserPropertyEntry(std::unique_ptr<UserPropertyEntry> pEntry);
    void SerializeSettings(CArchive& ar);

    CStringArray m_frameStyleNames;
    std::vector<ColorEntry> m_colors;

    // Display switches.
    LONG m_b3dHeader = 1;
    LONG m_bDisplayVertLines = 1;
    LONG m_bDisplayHorzLines = 1;
    LONG m_bMarkRowHeader = 1;
    LONG m_bMarkColHeader = 1;
    LONG m_nFurtherSwitch = 0;
    LONG m_nScale = 100;

    CGXCollMapDWordToPtr m_userProperties{10};

    // Print settings.
    LONG m_bCenterHorizontal = 1;
    LONG m_bCenterVertical = 0;
    LONG m_bPrintColHeaders = 1;
    LONG m_bPrintHorzLines = 1;
    LONG m_bPrintRowHeaders = 1;
    LONG m_bPrintVertLines = 1;
    LONG m_nPageOrder = 0;
    LONG m_bBlackWhite = 1;
    LONG m_bPrintFrame = 1;
    LONG m_nMargins[4] = {144, 96, 144, 96};
    LONG m_nDistances[2] = {38, 38};
    LONG m_nFirstPage = -1;

    std::unique_ptr<CGXData> m_pDataFooter;
    std::unique_ptr<CGXData> m_pDataHeader;
    CStringArray m_tokens;

    CString m_strSection;
    bool m_bPrinting = false;
};
