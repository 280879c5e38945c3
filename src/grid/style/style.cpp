// CGXStyle: construction, attributes, and the combining operations (Assign, ChangeStyle,
// IsSubSet, LoadBaseStyle, SetDefault, Free).
#include "grid/style/style.h"

#include <vector>

#include "grid/style/color.h"
#include "grid/style/styles_map.h"

IMPLEMENT_SERIAL(CGXStyle, CObject, VERSIONABLE_SCHEMA | 0)

namespace {
// Attributes whose value lives in the style itself and is copied as a whole; borders, font and
// user attributes are combined piece by piece.
constexpr DWORD kCompound = CGXStyle::exBorders | CGXStyle::exFont | CGXStyle::exUserAttributes;

const StylePen& AbsentPen() {
    static const StylePen pen;
    return pen;
}

bool IsSide(int nSide) noexcept { return nSide >= 0 && nSide < 4; }
}  // namespace

CGXStyle::CGXStyle() noexcept
    : m_nInclude(0), m_switches{}, m_wBaseStyle(0), m_nControlId(0) {}

CGXStyle::CGXStyle(const CGXStyle& other)
    : CObject(other),
      m_nInclude(other.m_nInclude),
      m_switches(other.m_switches),
      m_wBaseStyle(other.m_wBaseStyle),
      m_nControlId(other.m_nControlId) {
    StoreValue(other.m_strValue.view());
    if (other.m_pRest != nullptr) {
        MakeRest().CopyPlain(*other.m_pRest);
        m_pRest->strChoicesList = other.m_pRest->strChoicesList;
    }
    if (other.GetIncludeBorders() && other.Borders() != nullptr)
        SetBorderArray(std::make_unique<std::array<StylePen, 4>>(*other.Borders()));
    else
        m_nInclude &= ~exBorders;
    if (other.GetIncludeFont() && other.Font() != nullptr)
        SetFontObject(std::make_unique<CGXFont>(*other.Font()));
    else
        m_nInclude &= ~exFont;
    if (other.UserAttributes() != nullptr && !other.UserAttributes()->IsEmpty())
        SetUserAttributeMap(std::make_unique<CGXCollMapDWordToString>(*other.UserAttributes()));
    else
        m_nInclude &= ~exUserAttributes;
}

CGXStyle::~CGXStyle() = default;

CGXStyle* CGXStyle::Clone() const { return new CGXStyle(*this); }

const CGXStyle::RestBlock& CGXStyle::NoRest() noexcept {
    static const RestBlock none;
    return none;
}

CGXStyle::RestBlock& CGXStyle::MakeRest() {
    if (m_pRest == nullptr) m_pRest = std::make_unique<RestBlock>();
    return *m_pRest;
}

// --- attributes

CGXStyle& CGXStyle::SetValue(const char* pszValue) {
    StoreValue(pszValue != nullptr ? std::string_view(pszValue) : std::string_view());
    return Incl(exValue);
}

void CGXStyle::StoreValue(std::string_view text) {
    if (text.size() <= static_cast<size_t>(m_shortValue.nMaxLength)) {
        // Copied before the heap block (which the text may lie in) is let go.
        m_shortValue.Set(text.data(), static_cast<int>(text.size()));
        m_strValue.ShowInline(m_shortValue);
    } else {
        m_strValue = text;
    }
}

CGXStyle& CGXStyle::SetIncludeValue(bool b) noexcept {
    if (!b) m_strValue.Empty();
    return SetIncl(exValue, b);
}

CGXStyle& CGXStyle::SetInterior(COLORREF color) {
    StyleBrush& brush = MakeRest().brushInterior;
    brush.lbStyle = GX_BS_SOLID;
    brush.lbColor = color;
    return Incl(exInterior);
}

COLORREF CGXStyle::GetTextColor() const noexcept { return GXGetColor(Rest().clrText); }

std::array<StylePen, 4>& CGXStyle::BorderArray() {
    if (Borders() == nullptr) {
        auto pBorders = std::make_unique<std::array<StylePen, 4>>();
        for (StylePen& pen : *pBorders) pen = StylePen{0, 0, 0, 0};
        SetBorderArray(std::move(pBorders));
    }
    return *Borders();
}

void CGXStyle::UpdateBordersFlag() noexcept {
    bool bAny = false;
    if (const auto* pBorders = Borders())
        for (const StylePen& pen : *pBorders) bAny = bAny || pen.GetInclude();
    SetIncl(exBorders, bAny);
}

bool CGXStyle::GetIncludeBorders(int nSide) const noexcept {
    return GetIncludeBorders() && Borders() != nullptr && IsSide(nSide) && (*Borders())[nSide].GetInclude();
}

const StylePen& CGXStyle::GetBorders(int nSide) const noexcept {
    return GetIncludeBorders(nSide) ? (*Borders())[nSide] : AbsentPen();
}

CGXStyle& CGXStyle::SetBorders(int nSide, const StylePen& pen) {
    if (nSide != gxBorderAll && !IsSide(nSide)) return *this;
    auto& borders = BorderArray();
    for (int i = 0; i < 4; ++i) {
        if (nSide == gxBorderAll || nSide == i) {
            borders[i] = pen;
            borders[i].lopnInclude = 1;
        }
    }
    return Incl(exBorders);
}

CGXStyle& CGXStyle::SetBorders(const StylePen* pPens) {
    if (pPens == nullptr) {
        SetBorderArray(nullptr);
        return SetIncl(exBorders, false);
    }
    auto& borders = BorderArray();
    for (int i = 0; i < 4; ++i) borders[i] = pPens[i];
    UpdateBordersFlag();
    return *this;
}

CGXStyle& CGXStyle::SetIncludeBorders(int nSide, bool b) {
    if (nSide == gxBorderAll) {
        if (Borders() == nullptr && !b) return SetIncl(exBorders, false);
        for (StylePen& pen : BorderArray()) pen.lopnInclude = b ? 1 : 0;
        return SetIncl(exBorders, b);
    }
    if (!IsSide(nSide) || (Borders() == nullptr && !b)) return *this;
    BorderArray()[nSide].lopnInclude = b ? 1 : 0;
    UpdateBordersFlag();
    return *this;
}

CGXStyle& CGXStyle::SetFont(const CGXFont& font, ModifyMode mode) {
    // Our own font is released below before it is read: take what it holds first.
    if (&font == Font()) return SetFont(CGXFont(font), mode);
    if (Font() == nullptr) SetFontObject(std::make_unique<CGXFont>());
    else if (!GetIncludeFont() && mode != ModifyMode::Exclude) Font()->Release();  // what was there is no longer part of the style
    Font()->ChangeFont(font, mode);
    return SetIncl(exFont, !Font()->IsEmpty());
}

CGXStyle& CGXStyle::SetUserAttribute(DWORD nID, const char* pszValue) {
    if (UserAttributes() == nullptr) SetUserAttributeMap(std::make_unique<CGXCollMapDWordToString>(10));
    UserAttributes()->SetAt(nID, pszValue);
    return Incl(exUserAttributes);
}

CGXStyle& CGXStyle::RemoveUserAttribute(DWORD nID) {
    if (UserAttributes() == nullptr) return *this;
    UserAttributes()->RemoveKey(nID);
    if (UserAttributes()->IsEmpty()) SetIncl(exUserAttributes, false);
    return *this;
}

bool CGXStyle::GetUserAttribute(DWORD nID, CString& rValue) const {
    return GetIncludeUserAttributes() && UserAttributes() != nullptr && UserAttributes()->Lookup(nID, rValue);
}

CString CGXStyle::GetUserAttribute(DWORD nID) const {
    CString s;
    GetUserAttribute(nID, s);
    return s;
}

CGXStyle& CGXStyle::SetUserAttributes(const CGXCollMapDWordToString* pMap) {
    if (pMap == nullptr || pMap->IsEmpty()) {
        SetUserAttributeMap(nullptr);
        return SetIncl(exUserAttributes, false);
    }
    if (pMap == UserAttributes()) return Incl(exUserAttributes);
    SetUserAttributeMap(std::make_unique<CGXCollMapDWordToString>(*pMap));
    return Incl(exUserAttributes);
}

// --- combining

void CGXStyle::Free() {
    // The side block stays, and with it the last values of the plain attributes.
    if (m_pRest != nullptr) {
        m_pRest->pBorders.reset();
        m_pRest->pFont.reset();
        m_pRest->pUserAttributes.reset();
        m_pRest->dwAppData = 0;
        m_pRest->strChoicesList.Empty();
    }
    m_strValue.Empty();
    m_nInclude = 0;
}

void CGXStyle::SetDefault() {
    Free();
    SetHorizontalAlignment(0);
    SetVerticalAlignment(0);
    SetReadOnly(false);
    SetControlId(GX_IDS_CTRL_EDIT);
    SetInterior(StyleBrush{GX_BS_SOLID, GXSYSCOLOR(COLOR_WINDOW), 0, -1, 0x00FFFFFF});
    SetBorders(nullptr);
    SetVerticalScrollbar(false);
    SetMaxLength(0);
    SetDraw3dFrame(0);
    SetTextColor(GXSYSCOLOR(COLOR_WINDOWTEXT));
    SetWrapText(true);
    SetAutoSize(false);
    SetAllowEnter(false);
    SetEnabled(true);
    SetTriState(false);
    SetFont(CGXFont().SetDefault());
    SetValue("");
    SetChoicesList("");
    SetAppData(0);
    SetFloatCell(true);
    SetFloodCell(true);
    SetMergeCell(0);
}

void CGXStyle::CopyPlainFields(const CGXStyle& s, DWORD nTake) {
    constexpr DWORD kInRest =
        exHorizontalAlignment | exVerticalAlignment | exInterior | exTextColor | exChoicesList | exMaxLength | exAppData;
    // A side attribute taken from a style without a side block is a new style's value: one only
    // needs writing when this style has a block of its own.
    if ((nTake & kInRest) != 0 && (s.m_pRest != nullptr || m_pRest != nullptr)) {
        const RestBlock& from = s.Rest();
        RestBlock& to = MakeRest();
        if (nTake & exHorizontalAlignment) to.nHorizontalAlignment = from.nHorizontalAlignment;
        if (nTake & exVerticalAlignment) to.nVerticalAlignment = from.nVerticalAlignment;
        if (nTake & exInterior) to.brushInterior = from.brushInterior;
        if (nTake & exTextColor) to.clrText = from.clrText;
        if (nTake & exChoicesList) to.strChoicesList = from.strChoicesList;
        if (nTake & exMaxLength) to.nMaxLength = from.nMaxLength;
        if (nTake & exAppData) to.dwAppData = from.dwAppData;
    }
    if (nTake & exReadOnly) m_switches.bReadOnly = s.m_switches.bReadOnly;
    if (nTake & exControlId) m_nControlId = s.m_nControlId;
    if (nTake & exWrapText) m_switches.bWrapText = s.m_switches.bWrapText;
    if (nTake & exAllowEnter) m_switches.bAllowEnter = s.m_switches.bAllowEnter;
    if (nTake & exValue) StoreValue(s.m_strValue.view());
    if (nTake & exVerticalScrollbar) m_switches.bVerticalScrollbar = s.m_switches.bVerticalScrollbar;
    if (nTake & exBaseStyle) m_wBaseStyle = s.m_wBaseStyle;
    if (nTake & exEnabled) m_switches.bEnabled = s.m_switches.bEnabled;
    if (nTake & exTriState) m_switches.bTriState = s.m_switches.bTriState;
    if (nTake & exDraw3dFrame) m_switches.nDraw3dFrame = s.m_switches.nDraw3dFrame;
    if (nTake & exAutoSize) m_switches.bAutoSize = s.m_switches.bAutoSize;
    if (nTake & exFloatCell) m_switches.bFloatCell = s.m_switches.bFloatCell;
    if (nTake & exFloodCell) m_switches.bFloodCell = s.m_switches.bFloodCell;
    if (nTake & exMergeCell) m_switches.nMergeCell = s.m_switches.nMergeCell;
    m_nInclude |= nTake;
}

void CGXStyle::Assign(const CGXStyle& s) {
    if (&s == this) return;
    if (s.IsEmpty()) {
        Free();
        return;
    }
    // Owned parts whose flag was cleared hold nothing of this style any more.
    const DWORD nOldInclude = m_nInclude;
    m_nInclude = s.m_nInclude;
    m_nControlId = s.m_nControlId;
    m_switches = s.m_switches;
    if (s.m_pRest != nullptr || m_pRest != nullptr) MakeRest().CopyPlain(s.Rest());
    if (s.GetIncludeValue()) StoreValue(s.m_strValue.view());
    else m_strValue.Empty();
    if (s.GetIncludeBaseStyle()) m_wBaseStyle = s.m_wBaseStyle;
    if (s.GetIncludeChoicesList() && m_pRest != nullptr) m_pRest->strChoicesList = s.Rest().strChoicesList;

    if (s.UserAttributes() != nullptr && !s.UserAttributes()->IsEmpty()) {
        if (UserAttributes() == nullptr) SetUserAttributeMap(std::make_unique<CGXCollMapDWordToString>(10));
        else if (!(nOldInclude & exUserAttributes)) UserAttributes()->RemoveAll();
        for (const auto& [nID, text] : *s.UserAttributes()) UserAttributes()->SetAt(nID, text);
    } else {
        SetUserAttributeMap(nullptr);
        m_nInclude &= ~exUserAttributes;
    }

    if (s.GetIncludeBorders() && s.Borders() != nullptr) BorderArray() = *s.Borders();
    else m_nInclude &= ~exBorders;

    if (s.GetIncludeFont() && s.Font() != nullptr) {
        if (Font() == nullptr) SetFontObject(std::make_unique<CGXFont>());
        else if (!(nOldInclude & exFont)) Font()->Release();
        Font()->ChangeFont(*s.Font(), ModifyMode::Override);
    } else {
        SetFontObject(nullptr);
        m_nInclude &= ~exFont;
    }
}

void CGXStyle::MergeBorders(const CGXStyle& s, bool bOverride) {
    if (!s.GetIncludeBorders() || s.Borders() == nullptr) return;
    // Sides left over from before the flag was cleared are not part of this style.
    if (!GetIncludeBorders() && Borders() != nullptr)
        for (StylePen& old : *Borders()) old.lopnInclude = 0;
    for (int i = 0; i < 4; ++i) {
        const StylePen& pen = (*s.Borders())[i];
        if (pen.GetInclude() && (bOverride || Borders() == nullptr || !(*Borders())[i].GetInclude()))
            BorderArray()[i] = pen;
    }
    UpdateBordersFlag();
}

void CGXStyle::MergeUserAttributes(const CGXStyle& s, bool bOverride) {
    if (!s.GetIncludeUserAttributes() || s.UserAttributes() == nullptr || s.UserAttributes()->IsEmpty()) return;
    if (UserAttributes() == nullptr) SetUserAttributeMap(std::make_unique<CGXCollMapDWordToString>(10));
    else if (!GetIncludeUserAttributes()) UserAttributes()->RemoveAll();
    CGXCollMapDWordToString& mine = *UserAttributes();
    for (const auto& [nID, text] : *s.UserAttributes()) {
        if (!bOverride && mine.Find(nID) != nullptr) continue;
        mine.SetAt(nID, text);
    }
    Incl(exUserAttributes);
}

void CGXStyle::ExcludeFrom(const CGXStyle& s) {
    DWORD nRemove = s.m_nInclude & ~kCompound;
    m_nInclude &= ~nRemove;
    if (nRemove & exValue) m_strValue.Empty();
    if (s.GetIncludeBorders() && s.Borders() != nullptr && GetIncludeBorders() && Borders() != nullptr) {
        for (int i = 0; i < 4; ++i)
            if ((*s.Borders())[i].GetInclude()) (*Borders())[i].lopnInclude = 0;
        UpdateBordersFlag();
    }
    if (s.GetIncludeFont() && s.Font() != nullptr && GetIncludeFont() && Font() != nullptr) {
        Font()->ChangeFont(*s.Font(), ModifyMode::Exclude);
        if (Font()->IsEmpty()) m_nInclude &= ~exFont;
    }
    if (s.GetIncludeUserAttributes() && s.UserAttributes() != nullptr && UserAttributes() != nullptr) {
        for (const auto& entry : *s.UserAttributes()) UserAttributes()->RemoveKey(entry.first);
        if (UserAttributes()->IsEmpty()) m_nInclude &= ~exUserAttributes;
    }
}

void CGXStyle::ChangeStyle(const CGXStyle& s, ModifyMode mode) {
    // 1. A copy, or anything but an exclusion into an empty style, is an assignment.
    if (mode == ModifyMode::Copy || (IsEmpty() && mode != ModifyMode::Exclude)) {
        Assign(s);
        return;
    }
    // 2. Nothing to combine.
    if (s.IsEmpty()) return;
    // 4. Exclusion: presence alone decides. Excluding a style from itself would erase user
    // attributes from the map being walked: exclude a copy instead.
    if (mode == ModifyMode::Exclude) {
        if (&s == this) ExcludeFrom(CGXStyle(s));
        else ExcludeFrom(s);
        return;
    }
    // 3. Override and ApplyNew: plain attributes as a whole, the others piece by piece.
    bool bOverride = mode == ModifyMode::Override;
    CopyPlainFields(s, s.m_nInclude & ~kCompound & (bOverride ? exAll : ~m_nInclude));
    MergeBorders(s, bOverride);
    if (s.GetIncludeFont() && s.Font() != nullptr) {
        if (Font() == nullptr) SetFontObject(std::make_unique<CGXFont>(*s.Font()));
        else if (!GetIncludeFont()) *Font() = *s.Font();
        else Font()->ChangeFont(*s.Font(), mode);
        Incl(exFont);
    }
    MergeUserAttributes(s, bOverride);
}

bool CGXStyle::IsSubSet(const CGXStyle& o) const {
    DWORD need = o.m_nInclude;
    if ((m_nInclude & need) != need) return false;
    const RestBlock& mine = Rest();
    const RestBlock& theirs = o.Rest();
    if ((need & exHorizontalAlignment) && mine.nHorizontalAlignment != theirs.nHorizontalAlignment) return false;
    if ((need & exVerticalAlignment) && mine.nVerticalAlignment != theirs.nVerticalAlignment) return false;
    if ((need & exReadOnly) && m_switches.bReadOnly != o.m_switches.bReadOnly) return false;
    if ((need & exControlId) && m_nControlId != o.m_nControlId) return false;
    if ((need & exInterior) && mine.brushInterior != theirs.brushInterior) return false;
    if ((need & exTextColor) && mine.clrText != theirs.clrText) return false;
    if ((need & exWrapText) && m_switches.bWrapText != o.m_switches.bWrapText) return false;
    if ((need & exAllowEnter) && m_switches.bAllowEnter != o.m_switches.bAllowEnter) return false;
    if ((need & exValue) && m_strValue != o.m_strValue) return false;
    if ((need & exChoicesList) && mine.strChoicesList != theirs.strChoicesList) return false;
    if ((need & exVerticalScrollbar) && m_switches.bVerticalScrollbar != o.m_switches.bVerticalScrollbar) return false;
    if ((need & exMaxLength) && mine.nMaxLength != theirs.nMaxLength) return false;
    if ((need & exBaseStyle) && m_wBaseStyle != o.m_wBaseStyle) return false;
    if ((need & exEnabled) && m_switches.bEnabled != o.m_switches.bEnabled) return false;
    if ((need & exTriState) && m_switches.bTriState != o.m_switches.bTriState) return false;
    if ((need & exDraw3dFrame) && m_switches.nDraw3dFrame != o.m_switches.nDraw3dFrame) return false;
    if ((need & exAutoSize) && m_switches.bAutoSize != o.m_switches.bAutoSize) return false;
    if ((need & exAppData) && mine.dwAppData != theirs.dwAppData) return false;
    if ((need & exFloatCell) && m_switches.bFloatCell != o.m_switches.bFloatCell) return false;
    if ((need & exFloodCell) && m_switches.bFloodCell != o.m_switches.bFloodCell) return false;
    if ((need & exMergeCell) && m_switches.nMergeCell != o.m_switches.nMergeCell) return false;
    if ((need & exBorders) && o.Borders() != nullptr) {
        for (int i = 0; i < 4; ++i)
            if (o.GetIncludeBorders(i) && !(GetIncludeBorders(i) && (*Borders())[i] == (*o.Borders())[i])) return false;
    }
    if ((need & exFont) && o.Font() != nullptr && (Font() == nullptr || !Font()->IsSubSet(*o.Font()))) return false;
    if ((need & exUserAttributes) && o.UserAttributes() != nullptr) {
        for (const auto& [nID, text] : *o.UserAttributes()) {
            const CString* pMine = UserAttributes() != nullptr ? UserAttributes()->Find(nID) : nullptr;
            if (pMine == nullptr || *pMine != text) return false;
        }
    }
    return true;
}

void CGXStyle::LoadBaseStyle(const CGXStylesMap& stylesMap) {
    // A chain that leads back to a style already visited ends the walk: the map does not make such
    // chains, but stored styles and profiles can.
    WORD visitedFew[16];
    int nVisited = 0;
    std::vector<bool> visitedMany;
    auto visit = [&](WORD id) {
        if (nVisited < 16) {
            for (int i = 0; i < nVisited; ++i)
                if (visitedFew[i] == id) return false;
            visitedFew[nVisited++] = id;
            return true;
        }
        if (visitedMany.empty()) {
            visitedMany.assign(65536, false);
            for (WORD w : visitedFew) visitedMany[w] = true;
        }
        if (visitedMany[id]) return false;
        visitedMany[id] = true;
        return true;
    };
    const CGXStyle* pCurrent = this;
    while (pCurrent->GetIncludeBaseStyle()) {
        WORD id = pCurrent->GetBaseStyle();
        const CGXStyle* pBase = nullptr;
        if (!visit(id) || !stylesMap.LookupStyle(id, pBase) || pBase == nullptr) break;
        ChangeStyle(*pBase, ModifyMode::ApplyNew);
        pCurrent = pBase;
    }
}
