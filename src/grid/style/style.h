#pragma once
// CGXStyle: the set of optional attributes that describes how a cell looks and behaves. Each
// attribute has an include flag beside its value; every combining operation works attribute by
// attribute on those flags. Borders, font and user attributes are separate objects that exist only
// once a setter needs them, so that a style with a few plain attributes costs no allocation.
//
// Map: include flags; the attribute families (plain values, switches, interior and text colour,
// borders, font, strings, base style, user attributes); combining; profile and archive forms.
// Implemented in style.cpp (attributes and combining) and style_forms.cpp (profile and archive).
#include <array>
#include <memory>

#include "grid/style/coll_map.h"
#include "grid/style/font.h"
#include "grid/style/modify_mode.h"
#include "grid/style/pen_brush.h"
#include "platform/framework/archive.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CGXStylesMap;

// The standard style's control: every cell is drawn by it unless its style says otherwise.
constexpr DWORD GX_IDS_CTRL_EDIT = 52512;

// Border sides, as the drawing places them.
enum : int { gxBorderLeft = 0, gxBorderRight = 1, gxBorderTop = 2, gxBorderBottom = 3, gxBorderAll = -1 };

class CGXStyle : public CObject {
    DECLARE_SERIAL(CGXStyle)
public:
    // The include flags. Their values are stored in archives: never renumber them.
    enum : DWORD {
        exHorizontalAlignment = 0x00000001,
        exVerticalAlignment = 0x00000002,
        exReadOnly = 0x00000004,
        exControlId = 0x00000008,
        exInterior = 0x00000010,
        exTextColor = 0x00000020,
        exWrapText = 0x00000040,
        exAllowEnter = 0x00000080,
        exBorders = 0x00000100,
        exFont = 0x00000200,
        exValue = 0x00000400,
        exChoicesList = 0x00000800,
        exVerticalScrollbar = 0x00001000,
        exMaxLength = 0x00002000,
        exBaseStyle = 0x00004000,
        exEnabled = 0x00008000,
        exTriState = 0x00010000,
        exDraw3dFrame = 0x00020000,
        exUserAttributes = 0x00040000,
        exAutoSize = 0x00080000,
        exAppData = 0x00100000,
        exFloatCell = 0x00200000,
        exFloodCell = 0x00400000,
        exMergeCell = 0x00800000,
        exAll = 0x00FFFFFF,
    };

    CGXStyle() noexcept;
    CGXStyle(const CGXStyle& other);
    CGXStyle& operator=(const CGXStyle& other) { Assign(other); return *this; }
    ~CGXStyle() override;

    // --- the virtual operations of a style
    virtual CGXStyle* Clone() const;
    virtual CGXStyle& SetValue(const char* pszValue);
    virtual void Assign(const CGXStyle& source);
    virtual void SetDefault();
    virtual bool IsSubSet(const CGXStyle& other) const;
    virtual void Serialize(CArchive& ar, const CGXStylesMap* pStylesMap);
    virtual void WriteProfile(const char* pszSection, const CGXStylesMap* pStylesMap) const;
    virtual bool ReadProfile(const char* pszSection, const CGXStylesMap* pStylesMap);
    virtual void LoadBaseStyle(const CGXStylesMap& stylesMap);
    virtual void ChangeStyle(const CGXStyle& source, ModifyMode mode);
    virtual void Free();

    void Serialize(CArchive& ar) override { Serialize(ar, nullptr); }

    DWORD GetIncludeFlags() const noexcept { return m_nInclude; }
    bool IsEmpty() const noexcept { return m_nInclude == 0; }

    // --- plain values
#define GX_STYLE_VALUE(Name, Type, member)                                                        \
    bool GetInclude##Name() const noexcept { return (m_nInclude & ex##Name) != 0; }              \
    Type Get##Name() const noexcept { return member; }                                           \
    CGXStyle& Set##Name(Type v) noexcept { member = v; m_nInclude |= ex##Name; return *this; }   \
    CGXStyle& SetInclude##Name(bool b) noexcept { return SetIncl(ex##Name, b); }
    GX_STYLE_VALUE(HorizontalAlignment, DWORD, m_nHorizontalAlignment)
    GX_STYLE_VALUE(VerticalAlignment, DWORD, m_nVerticalAlignment)
    GX_STYLE_VALUE(MaxLength, WORD, m_nMaxLength)
    GX_STYLE_VALUE(ControlId, DWORD, m_nControlId)
    GX_STYLE_VALUE(AppData, DWORD, m_dwAppData)
    GX_STYLE_VALUE(BaseStyle, WORD, m_wBaseStyle)
#undef GX_STYLE_VALUE

    // --- packed switches: booleans keep the lowest bit, Draw3dFrame 2 bits, MergeCell 3 bits
#define GX_STYLE_SWITCH(Name, Type, field, mask)                                                        \
    bool GetInclude##Name() const noexcept { return (m_nInclude & ex##Name) != 0; }                    \
    Type Get##Name() const noexcept { return static_cast<Type>(m_switches.field); }                    \
    CGXStyle& Set##Name(unsigned v) noexcept { m_switches.field = v & (mask); m_nInclude |= ex##Name; return *this; } \
    CGXStyle& SetInclude##Name(bool b) noexcept { return SetIncl(ex##Name, b); }
    GX_STYLE_SWITCH(ReadOnly, bool, bReadOnly, 1u)
    GX_STYLE_SWITCH(VerticalScrollbar, bool, bVerticalScrollbar, 1u)
    GX_STYLE_SWITCH(WrapText, bool, bWrapText, 1u)
    GX_STYLE_SWITCH(AllowEnter, bool, bAllowEnter, 1u)
    GX_STYLE_SWITCH(Enabled, bool, bEnabled, 1u)
    GX_STYLE_SWITCH(TriState, bool, bTriState, 1u)
    GX_STYLE_SWITCH(AutoSize, bool, bAutoSize, 1u)
    GX_STYLE_SWITCH(FloodCell, bool, bFloodCell, 1u)
    GX_STYLE_SWITCH(FloatCell, bool, bFloatCell, 1u)
    GX_STYLE_SWITCH(Draw3dFrame, unsigned, nDraw3dFrame, 3u)
    GX_STYLE_SWITCH(MergeCell, unsigned, nMergeCell, 7u)
#undef GX_STYLE_SWITCH

    // --- interior and text colour
    bool GetIncludeInterior() const noexcept { return (m_nInclude & exInterior) != 0; }
    const StyleBrush& GetInterior() const noexcept { return m_brushInterior; }
    CGXStyle& SetInterior(const StyleBrush& brush) noexcept { m_brushInterior = brush; return Incl(exInterior); }
    // A solid brush of that colour; hatch, pattern and background stay.
    CGXStyle& SetInterior(COLORREF color) noexcept;
    CGXStyle& SetIncludeInterior(bool b) noexcept { return SetIncl(exInterior, b); }

    bool GetIncludeTextColor() const noexcept { return (m_nInclude & exTextColor) != 0; }
    COLORREF GetTextColorNA() const noexcept { return m_clrText; }
    COLORREF GetTextColor() const noexcept;  // a system-colour reference resolved
    CGXStyle& SetTextColor(COLORREF c) noexcept { m_clrText = c; return Incl(exTextColor); }
    CGXStyle& SetIncludeTextColor(bool b) noexcept { return SetIncl(exTextColor, b); }

    // --- borders: sides 0 left, 1 right, 2 top, 3 bottom edge; gxBorderAll for all four
    bool GetIncludeBorders() const noexcept { return (m_nInclude & exBorders) != 0; }
    bool GetIncludeBorders(int nSide) const noexcept;
    // The pen of a side; a side that is absent reads as a new pen that is not included.
    const StylePen& GetBorders(int nSide) const noexcept;
    CGXStyle& SetBorders(int nSide, const StylePen& pen);
    // All four from an array of four pens; null removes the array.
    CGXStyle& SetBorders(const StylePen* pPens);
    CGXStyle& SetIncludeBorders(int nSide, bool b);
    CGXStyle& SetIncludeBorders(bool b) { return SetIncludeBorders(gxBorderAll, b); }
    bool HasBorderArray() const noexcept { return Borders() != nullptr; }

    // --- font
    bool GetIncludeFont() const noexcept { return (m_nInclude & exFont) != 0; }
    const CGXFont* GetFont() const noexcept { return Font(); }
    CGXStyle& SetFont(const CGXFont& font, ModifyMode mode = ModifyMode::Override);
    CGXStyle& SetIncludeFont(bool b) noexcept { return SetIncl(exFont, b); }

    // --- strings
    bool GetIncludeValue() const noexcept { return (m_nInclude & exValue) != 0; }
    const CString& GetValue() const noexcept { return m_strValue; }
    CGXStyle& SetValue(const CString& s) { return SetValue(s.GetString()); }
    // Clearing the flag also empties the text.
    CGXStyle& SetIncludeValue(bool b) noexcept;

    bool GetIncludeChoicesList() const noexcept { return (m_nInclude & exChoicesList) != 0; }
    const CString& GetChoicesList() const noexcept { return m_strChoicesList; }
    CGXStyle& SetChoicesList(const char* psz) { m_strChoicesList = psz; return Incl(exChoicesList); }
    CGXStyle& SetIncludeChoicesList(bool b) noexcept { return SetIncl(exChoicesList, b); }

    // --- user attributes: id to text
    bool GetIncludeUserAttributes() const noexcept { return (m_nInclude & exUserAttributes) != 0; }
    CGXStyle& SetUserAttribute(DWORD nID, const char* pszValue);
    CGXStyle& RemoveUserAttribute(DWORD nID);
    bool GetUserAttribute(DWORD nID, CString& rValue) const;
    // Empty when absent.
    CString GetUserAttribute(DWORD nID) const;
    // The whole map; an empty or absent map removes this style's.
    CGXStyle& SetUserAttributes(const CGXCollMapDWordToString* pMap);
    const CGXCollMapDWordToString* GetUserAttributes() const noexcept { return UserAttributes(); }
    CGXStyle& SetIncludeUserAttributes(bool b) noexcept { return SetIncl(exUserAttributes, b); }

private:
    CGXStyle& Incl(DWORD nFlag) noexcept { m_nInclude |= nFlag; return *this; }
    CGXStyle& SetIncl(DWORD nFlag, bool b) noexcept {
        m_nInclude = b ? (m_nInclude | nFlag) : (m_nInclude & ~nFlag);
        return *this;
    }
    // Borders, font and user attributes: few styles have any, so the three share one block, made
    // with the first of them and freed with the last; a style of plain attributes stays small.
    struct Parts {
        std::unique_ptr<std::array<StylePen, 4>> pBorders;
        std::unique_ptr<CGXFont> pFont;
        std::unique_ptr<CGXCollMapDWordToString> pUserAttributes;
    };
    std::array<StylePen, 4>* Borders() const noexcept { return m_pParts != nullptr ? m_pParts->pBorders.get() : nullptr; }
    CGXFont* Font() const noexcept { return m_pParts != nullptr ? m_pParts->pFont.get() : nullptr; }
    CGXCollMapDWordToString* UserAttributes() const noexcept {
        return m_pParts != nullptr ? m_pParts->pUserAttributes.get() : nullptr;
    }
    // Gives the part (null: none) to the style; the block goes with its last part.
    template <auto Member, typename TPart>
    void SetPart(std::unique_ptr<TPart> p) {
        if (p != nullptr) {
            if (m_pParts == nullptr) m_pParts = std::make_unique<Parts>();
            (*m_pParts).*Member = std::move(p);
        } else if (m_pParts != nullptr) {
            ((*m_pParts).*Member).reset();
            if (!m_pParts->pBorders && !m_pParts->pFont && !m_pParts->pUserAttributes) m_pParts.reset();
        }
    }
    void SetBorderArray(std::unique_ptr<std::array<StylePen, 4>> p) { SetPart<&Parts::pBorders>(std::move(p)); }
    void SetFontObject(std::unique_ptr<CGXFont> p) { SetPart<&Parts::pFont>(std::move(p)); }
    void SetUserAttributeMap(std::unique_ptr<CGXCollMapDWordToString> p) { SetPart<&Parts::pUserAttributes>(std::move(p)); }
    std::array<StylePen, 4>& BorderArray();
    void UpdateBordersFlag() noexcept;
    void CopyPlainFields(const CGXStyle& source, DWORD nTake) noexcept;
    void MergeBorders(const CGXStyle& source, bool bOverride);
    void MergeUserAttributes(const CGXStyle& source, bool bOverride);
    void ExcludeFrom(const CGXStyle& source);
    void SerializeLoad(CArchive& ar, const CGXStylesMap* pStylesMap);
    void SerializeStore(CArchive& ar, const CGXStylesMap* pStylesMap) const;

    struct Switches {
        unsigned nDraw3dFrame : 2;
        unsigned bReadOnly : 1;
        unsigned bVerticalScrollbar : 1;
        unsigned bWrapText : 1;
        unsigned bAllowEnter : 1;
        unsigned bEnabled : 1;
        unsigned bTriState : 1;
        unsigned bAutoSize : 1;
        unsigned bFloodCell : 1;
        unsigned bFloatCell : 1;
        unsigned nMergeCell : 3;
    };

    DWORD m_nInclude;
    DWORD m_nHorizontalAlignment;
    DWORD m_nVerticalAlignment;
    WORD m_nMaxLength;
    WORD m_wBaseStyle;
    DWORD m_nControlId;
    StyleBrush m_brushInterior;
    COLORREF m_clrText;
    Switches m_switches;
    DWORD m_dwAppData;
    std::unique_ptr<Parts> m_pParts;
    CString m_strValue;
    CString m_strChoicesList;
};
