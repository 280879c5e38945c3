#pragma once
// CGXStyle: the set of optional attributes that describes how a cell looks and behaves. Each
// attribute has an include flag beside its value; every combining operation works attribute by
// attribute on those flags.
//
// Memory: the data store keeps one style per stored cell, and most of them hold a value and little
// else. The style object itself therefore holds only the flags, the switches, the base style, the
// control id and the value, a short value (up to 11 characters) in the object itself; every other
// attribute lives in one side block that the first setter needing it makes, and borders, font and
// user attributes are objects of their own beyond that. Until the side block exists its attributes
// read as a new style's.
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

    // --- plain values: read from where they live, written there (the side block made if need be)
#define GX_STYLE_VALUE(Name, Type, read, write)                                                \
    bool GetInclude##Name() const noexcept { return (m_nInclude & ex##Name) != 0; }           \
    Type Get##Name() const noexcept { return read; }                                          \
    CGXStyle& Set##Name(Type v) { write = v; m_nInclude |= ex##Name; return *this; }          \
    CGXStyle& SetInclude##Name(bool b) noexcept { return SetIncl(ex##Name, b); }
    GX_STYLE_VALUE(HorizontalAlignment, DWORD, Rest().nHorizontalAlignment, MakeRest().nHorizontalAlignment)
    GX_STYLE_VALUE(VerticalAlignment, DWORD, Rest().nVerticalAlignment, MakeRest().nVerticalAlignment)
    GX_STYLE_VALUE(MaxLength, WORD, Rest().nMaxLength, MakeRest().nMaxLength)
    GX_STYLE_VALUE(ControlId, DWORD, m_nControlId, m_nControlId)
    GX_STYLE_VALUE(AppData, DWORD, Rest().dwAppData, MakeRest().dwAppData)
    GX_STYLE_VALUE(BaseStyle, WORD, m_wBaseStyle, m_wBaseStyle)
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
    const StyleBrush& GetInterior() const noexcept { return Rest().brushInterior; }
    CGXStyle& SetInterior(const StyleBrush& brush) { MakeRest().brushInterior = brush; return Incl(exInterior); }
    // A solid brush of that colour; hatch, pattern and background stay.
    CGXStyle& SetInterior(COLORREF color);
    CGXStyle& SetIncludeInterior(bool b) noexcept { return SetIncl(exInterior, b); }

    bool GetIncludeTextColor() const noexcept { return (m_nInclude & exTextColor) != 0; }
    COLORREF GetTextColorNA() const noexcept { return Rest().clrText; }
    COLORREF GetTextColor() const noexcept;  // a system-colour reference resolved
    CGXStyle& SetTextColor(COLORREF c) { MakeRest().clrText = c; return Incl(exTextColor); }
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
    const CString& GetChoicesList() const noexcept { return Rest().strChoicesList; }
    CGXStyle& SetChoicesList(const char* psz) { MakeRest().strChoicesList = psz; return Incl(exChoicesList); }
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
    // The side block: every attribute but the value, the switches, the base style and the control
    // id. Made by the first setter that needs it and kept until the style goes, so that a
    // style composed again and again into the same object allocates it once; Free releases its
    // strings and objects but keeps it, and with it the plain attributes' last values.
    struct RestBlock {
        DWORD nHorizontalAlignment = 0;
        DWORD nVerticalAlignment = 0;
        WORD nMaxLength = 0;
        StyleBrush brushInterior;
        COLORREF clrText = 0;
        DWORD dwAppData = 0;
        CString strChoicesList;
        std::unique_ptr<std::array<StylePen, 4>> pBorders;
        std::unique_ptr<CGXFont> pFont;
        std::unique_ptr<CGXCollMapDWordToString> pUserAttributes;
        // The plain attributes, not the strings and objects.
        void CopyPlain(const RestBlock& o) noexcept {
            nHorizontalAlignment = o.nHorizontalAlignment;
            nVerticalAlignment = o.nVerticalAlignment;
            nMaxLength = o.nMaxLength;
            brushInterior = o.brushInterior;
            clrText = o.clrText;
            dwAppData = o.dwAppData;
        }
    };
    // The side block, or a new style's attributes while there is none.
    const RestBlock& Rest() const noexcept { return m_pRest != nullptr ? *m_pRest : NoRest(); }
    RestBlock& MakeRest();
    static const RestBlock& NoRest() noexcept;
    std::array<StylePen, 4>* Borders() const noexcept { return m_pRest != nullptr ? m_pRest->pBorders.get() : nullptr; }
    CGXFont* Font() const noexcept { return m_pRest != nullptr ? m_pRest->pFont.get() : nullptr; }
    CGXCollMapDWordToString* UserAttributes() const noexcept {
        return m_pRest != nullptr ? m_pRest->pUserAttributes.get() : nullptr;
    }
    // Gives the part (null: none) to the style.
    template <auto Member, typename TPart>
    void SetPart(std::unique_ptr<TPart> p) {
        if (p != nullptr) MakeRest().*Member = std::move(p);
        else if (m_pRest != nullptr) ((*m_pRest).*Member).reset();
    }
    void SetBorderArray(std::unique_ptr<std::array<StylePen, 4>> p) { SetPart<&RestBlock::pBorders>(std::move(p)); }
    void SetFontObject(std::unique_ptr<CGXFont> p) { SetPart<&RestBlock::pFont>(std::move(p)); }
    void SetUserAttributeMap(std::unique_ptr<CGXCollMapDWordToString> p) {
        SetPart<&RestBlock::pUserAttributes>(std::move(p));
    }
    // The value's text: in the style while it is short enough, else in a heap block.
    void StoreValue(std::string_view text);
    std::array<StylePen, 4>& BorderArray();
    void UpdateBordersFlag() noexcept;
    void CopyPlainFields(const CGXStyle& source, DWORD nTake);
    void MergeBorders(const CGXStyle& source, bool bOverride);
    void MergeUserAttributes(const CGXStyle& source, bool bOverride);
    void ExcludeFrom(const CGXStyle& source);
    void SerializeLoad(CArchive& ar, const CGXStylesMap* pStylesMap);
    void SerializeStore(CArchive& ar, const CGXStylesMap* pStylesMap) const;

    // 14 bits in one 16-bit word beside the base style.
    struct Switches {
        WORD nDraw3dFrame : 2;
        WORD bReadOnly : 1;
        WORD bVerticalScrollbar : 1;
        WORD bWrapText : 1;
        WORD bAllowEnter : 1;
        WORD bEnabled : 1;
        WORD bTriState : 1;
        WORD bAutoSize : 1;
        WORD bFloodCell : 1;
        WORD bFloatCell : 1;
        WORD nMergeCell : 3;
    };

    DWORD m_nInclude;
    Switches m_switches;
    WORD m_wBaseStyle;
    std::unique_ptr<RestBlock> m_pRest;
    CString::InlineText<12> m_shortValue;
    DWORD m_nControlId;
    CString m_strValue;  // shows m_shortValue while the value fits there: made after it, gone before
};

// A stored cell of a short value alone is one heap block of this size: keep it within the
// allocator's 64-byte class on 64-bit builds.
static_assert(sizeof(void*) != 8 || sizeof(CGXStyle) <= 56, "the style object stays small");
