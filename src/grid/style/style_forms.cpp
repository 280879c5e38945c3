// CGXStyle: the profile form (one section of keys) and the archive form (a binary record).
#include <cstdlib>

#include "grid/style/color.h"
#include "grid/style/style.h"
#include "grid/style/styles_map.h"
#include "platform/framework/win_app.h"

namespace {
constexpr WORD kStyleSchema = 3;

// Profile keys of the four border sides, by border index. The names are those the stored
// profiles use, whatever edge each index is drawn at.
const char* const kSideKeys[4] = {"Top", "Left", "Bottom", "Right"};

long ReadNumber(const CString& s) { return std::strtol(s, nullptr, 10); }
DWORD ReadUnsigned(const CString& s) { return static_cast<DWORD>(std::strtoll(s, nullptr, 10)); }

CString Number(DWORD v) { return FormatString("%lu", static_cast<unsigned long>(v)); }

// A carriage return is dropped, a line feed becomes "\n", a backslash "\\".
CString EscapeChoices(const CString& s) {
    CString out;
    for (int i = 0; i < s.GetLength(); ++i) {
        char c = s[i];
        if (c == '\r') continue;
        if (c == '\n') out += "\\n";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

CString UnescapeChoices(const CString& s) {
    CString out;
    for (int i = 0; i < s.GetLength(); ++i) {
        char c = s[i];
        if (c == '\\' && s[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (c == '\\' && s[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

CString ColorText(COLORREF c) {
    return FormatString("%d %d %d", GetRValue(c), GetGValue(c), GetBValue(c));
}

// The profile of the application, or null when there is no application to hold one.
CWinApp* Profile() { return AfxGetApp(); }
}  // namespace

// --- profile

void CGXStyle::WriteProfile(const char* pszSection, const CGXStylesMap* pStylesMap) const {
    CWinApp* pApp = Profile();
    if (pszSection == nullptr || *pszSection == '\0' || pApp == nullptr) return;
    CProfileBatch batch(pApp);
    // A key of an attribute that is not included is deleted, so that the section mirrors the style.
    auto put = [&](const char* key, bool bIncluded, const CString& value) {
        pApp->WriteProfileString(pszSection, key, bIncluded ? value.GetString() : nullptr);
    };
    put("HorizontalAlignment", GetIncludeHorizontalAlignment(), Number(GetHorizontalAlignment()));
    put("VerticalAlignment", GetIncludeVerticalAlignment(), Number(GetVerticalAlignment()));
    put("ReadOnly", GetIncludeReadOnly(), Number(GetReadOnly()));
    put("FloatCell", GetIncludeFloatCell(), Number(GetFloatCell()));
    put("FloodCell", GetIncludeFloodCell(), Number(GetFloodCell()));
    put("MergeCell", GetIncludeMergeCell(), Number(GetMergeCell()));
    put("Draw3dFrame", GetIncludeDraw3dFrame(), Number(GetDraw3dFrame()));
    put("ControlId", GetIncludeControlId(), Number(GetControlId()));
    put("MaxLength", GetIncludeMaxLength(), Number(GetMaxLength()));
    put("VerticalScrollbar", GetIncludeVerticalScrollbar(), Number(GetVerticalScrollbar()));

    CString baseName;
    UINT nResourceID = 0;
    bool bKnownBase = GetIncludeBaseStyle() && pStylesMap != nullptr &&
                      pStylesMap->LookupName(m_wBaseStyle, baseName, nResourceID);
    put("BaseStyle", bKnownBase, nResourceID != 0 ? FormatString("#%lu", static_cast<unsigned long>(nResourceID)) : baseName);

    put("TextColor", GetIncludeTextColor(), ColorText(GetTextColorNA()));
    put("WrapText", GetIncludeWrapText(), Number(GetWrapText()));
    put("AutoSize", GetIncludeAutoSize(), Number(GetAutoSize()));
    put("AllowEnter", GetIncludeAllowEnter(), Number(GetAllowEnter()));
    put("Enabled", GetIncludeEnabled(), Number(GetEnabled()));
    put("TriState", GetIncludeTriState(), Number(GetTriState()));
    put("Value", GetIncludeValue(), m_strValue);
    put("Interior", GetIncludeInterior(), GetInterior().GetDescription());
    put("ChoicesList", GetIncludeChoicesList(), EscapeChoices(GetChoicesList()));
    bool bFont = GetIncludeFont() && Font() != nullptr;
    put("Font", bFont, bFont ? Font()->GetDescription() : CString());
    bool bBorders = GetIncludeBorders() && Borders() != nullptr;
    put("Borders", bBorders, "1");
    if (bBorders)
        for (int i = 0; i < 4; ++i) put(kSideKeys[i], (*Borders())[i].GetInclude(), (*Borders())[i].GetDescription());
    if (GetIncludeUserAttributes() && UserAttributes() != nullptr)
        for (const auto& [nID, text] : *UserAttributes())
            put(FormatString("UA%lu", static_cast<unsigned long>(nID)), true, text);
}

bool CGXStyle::ReadProfile(const char* pszSection, const CGXStylesMap* pStylesMap) {
    if (pszSection == nullptr || *pszSection == '\0') return false;
    Free();
    CWinApp* pApp = Profile();
    if (pApp == nullptr) return true;
    CString s;
    // A key that is missing or empty leaves its attribute absent.
    auto get = [&](const char* key) {
        s = pApp->GetProfileString(pszSection, key, "");
        return !s.IsEmpty();
    };
    if (get("VerticalAlignment")) SetVerticalAlignment(static_cast<DWORD>(ReadNumber(s)));
    if (get("HorizontalAlignment")) SetHorizontalAlignment(static_cast<DWORD>(ReadNumber(s)));
    if (get("ReadOnly")) SetReadOnly(static_cast<unsigned>(ReadNumber(s)));
    if (get("FloatCell")) SetFloatCell(static_cast<unsigned>(ReadNumber(s)));
    if (get("FloodCell")) SetFloodCell(static_cast<unsigned>(ReadNumber(s)));
    if (get("MergeCell")) SetMergeCell(static_cast<unsigned>(ReadNumber(s)));
    if (get("Draw3dFrame")) SetDraw3dFrame(static_cast<unsigned>(ReadNumber(s)));
    if (get("MaxLength")) SetMaxLength(static_cast<WORD>(ReadNumber(s)));
    if (get("VerticalScrollbar")) SetVerticalScrollbar(static_cast<unsigned>(ReadNumber(s)));
    if (get("ControlId")) SetControlId(ReadUnsigned(s));
    if (get("TextColor")) {
        long rgb[4];
        if (GXScanNumbers(s, rgb, 4) == 3)
            SetTextColor(RGB(static_cast<BYTE>(rgb[0]), static_cast<BYTE>(rgb[1]), static_cast<BYTE>(rgb[2])));
    }
    if (get("WrapText")) SetWrapText(static_cast<unsigned>(ReadNumber(s)));
    if (get("AutoSize")) SetAutoSize(static_cast<unsigned>(ReadNumber(s)));
    if (get("AllowEnter")) SetAllowEnter(static_cast<unsigned>(ReadNumber(s)));
    if (get("Enabled")) SetEnabled(static_cast<unsigned>(ReadNumber(s)));
    if (get("TriState")) SetTriState(static_cast<unsigned>(ReadNumber(s)));
    if (get("Value")) SetValue(s);
    if (get("BaseStyle") && pStylesMap != nullptr) {
        WORD wID = s[0] == '#' ? pStylesMap->GetBaseStyleIdFromResource(static_cast<UINT>(ReadUnsigned(s.Mid(1))))
                               : pStylesMap->GetBaseStyleId(s);
        SetBaseStyle(wID);
    }
    if (get("ChoicesList")) SetChoicesList(UnescapeChoices(s));
    if (get("Font")) SetFont(CGXFont(s), ModifyMode::Override);
    if (get("Interior")) {
        StyleBrush brush = GetInterior();
        long v[9];
        if (GXScanNumbers(s, v, 9) >= 5) {
            brush.SetDescription(s);
            SetInterior(brush);
        }
    }
    if (get("Borders") && s == "1") {
        for (int i = 0; i < 4; ++i) {
            if (!get(kSideKeys[i])) continue;
            StylePen pen;
            pen.SetDescription(s);
            if (pen.GetInclude()) SetBorders(i, pen);
        }
    }
    if (pStylesMap != nullptr) {
        pStylesMap->ForEachUserAttribute([&](DWORD nID, const CString&, const CGXStyle&) {
            SetUserAttribute(nID, pApp->GetProfileString(pszSection, FormatString("UA%lu", static_cast<unsigned long>(nID)), ""));
        });
    }
    return true;
}

// --- archive

void CGXStyle::Serialize(CArchive& ar, const CGXStylesMap* pStylesMap) {
    // Base style names are resolved through the map given, else the archive's context object.
    if (pStylesMap == nullptr && ar.m_pDocument != nullptr) pStylesMap = dynamic_cast<const CGXStylesMap*>(ar.m_pDocument);
    if (ar.IsStoring()) SerializeStore(ar, pStylesMap);
    else SerializeLoad(ar, pStylesMap);
}

void CGXStyle::SerializeStore(CArchive& ar, const CGXStylesMap* pStylesMap) const {
    // What the flags announce must be there to write: keep them true to what the style owns.
    DWORD nInclude = m_nInclude;
    bool bBorders = GetIncludeBorders() && Borders() != nullptr;
    if (!bBorders) nInclude &= ~exBorders;
    if (Font() == nullptr) nInclude &= ~exFont;

    ar << kStyleSchema << nInclude;
    if (nInclude & exHorizontalAlignment) ar << GetHorizontalAlignment();
    if (nInclude & exVerticalAlignment) ar << GetVerticalAlignment();
    if (nInclude & exReadOnly) ar << static_cast<BYTE>(GetReadOnly());
    if (nInclude & exControlId) ar << m_nControlId;
    if (nInclude & exInterior) {
        const StyleBrush& brush = GetInterior();
        ar << brush.lbStyle << brush.lbColor << brush.lbHatch << brush.lbPattern << brush.lbBkColor;
    }
    if (nInclude & exTextColor) ar << GetTextColorNA();
    if (nInclude & exWrapText) ar << static_cast<BYTE>(GetWrapText());
    if (nInclude & exAllowEnter) ar << static_cast<BYTE>(GetAllowEnter());
    if (nInclude & exFont) ar.WriteObject(Font());
    if (nInclude & exValue) ar << m_strValue;
    if (nInclude & exChoicesList) ar << GetChoicesList();
    if (nInclude & exVerticalScrollbar) ar << static_cast<BYTE>(GetVerticalScrollbar());
    if (nInclude & exMaxLength) ar << GetMaxLength();
    if (nInclude & exEnabled) ar << static_cast<BYTE>(GetEnabled());
    if (nInclude & exTriState) ar << static_cast<BYTE>(GetTriState());
    if (nInclude & exDraw3dFrame) ar << static_cast<BYTE>(GetDraw3dFrame());
    if (nInclude & exAutoSize) ar << static_cast<BYTE>(GetAutoSize());
    ar << static_cast<WORD>(bBorders ? 1 : 0);
    if (bBorders) {
        for (const StylePen& pen : *Borders()) {
            ar << static_cast<WORD>(pen.GetInclude() ? 1 : 0);
            if (pen.GetInclude()) ar << pen.GetDescription();
        }
    }
    if (nInclude & exBaseStyle) {
        CString name;
        UINT nResourceID = 0;
        if (pStylesMap != nullptr) pStylesMap->LookupName(m_wBaseStyle, name, nResourceID);
        ar << static_cast<DWORD>(nResourceID);
        if (nResourceID == 0) ar << name;
    }
    const CGXCollMapDWordToString* pUA =
        GetIncludeUserAttributes() && UserAttributes() != nullptr && !UserAttributes()->IsEmpty() ? UserAttributes() : nullptr;
    ar.WriteObject(pUA);
    if (nInclude & exFloatCell) ar << static_cast<BYTE>(GetFloatCell());
    if (nInclude & exFloodCell) ar << static_cast<BYTE>(GetFloodCell());
    if (nInclude & exMergeCell) ar << static_cast<BYTE>(GetMergeCell());
    if (nInclude & exAppData) ar << GetAppData();
}

void CGXStyle::SerializeLoad(CArchive& ar, const CGXStylesMap* pStylesMap) {
    WORD wSchema;
    ar >> wSchema;
    if (wSchema > kStyleSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD nInclude;
    ar >> nInclude;
    nInclude &= exAll;  // no attribute lives above the highest flag
    BYTE b;
    // The stored flags first; borders, font and user attributes count once their data is read.
    m_nInclude = nInclude & ~(exBorders | exFont | exUserAttributes);
    m_strValue.Empty();
    if (nInclude & exHorizontalAlignment) { DWORD n; ar >> n; SetHorizontalAlignment(n); }
    if (nInclude & exVerticalAlignment) { DWORD n; ar >> n; SetVerticalAlignment(n); }
    if (nInclude & exReadOnly) { ar >> b; SetReadOnly(b); }
    if (nInclude & exControlId) { ar >> m_nControlId; Incl(exControlId); }
    if (nInclude & exInterior) {
        StyleBrush brush;
        ar >> brush.lbStyle >> brush.lbColor >> brush.lbHatch >> brush.lbPattern >> brush.lbBkColor;
        if (brush.lbStyle == GX_BS_PATTERN) brush.SetPattern(brush.lbPattern);  // hollow when out of the table
        SetInterior(brush);
    }
    if (nInclude & exTextColor) { COLORREF c; ar >> c; SetTextColor(c); }
    if (nInclude & exWrapText) { ar >> b; SetWrapText(b); }
    if (nInclude & exAllowEnter) { ar >> b; SetAllowEnter(b); }
    if (nInclude & exFont) {
        bool bNew = false;
        CObject* pOb = ar.ReadObject(RUNTIME_CLASS(CGXFont), &bNew);
        // A style owns its font: a reference to a font that another object holds is damaged data.
        if (pOb != nullptr && !bNew) AfxThrowArchiveException(CArchiveException::badIndex);
        SetFontObject(std::unique_ptr<CGXFont>(static_cast<CGXFont*>(pOb)));
        if (Font() != nullptr) Incl(exFont);
    }
    if (nInclude & exValue) {
        CString text;
        ar >> text;
        StoreValue(text.view());
        Incl(exValue);
    }
    if (nInclude & exChoicesList) { ar >> MakeRest().strChoicesList; Incl(exChoicesList); }
    if (nInclude & exVerticalScrollbar) { ar >> b; SetVerticalScrollbar(b); }
    if (nInclude & exMaxLength) { WORD n; ar >> n; SetMaxLength(n); }
    if (nInclude & exEnabled) { ar >> b; SetEnabled(b); }
    if (nInclude & exTriState) { ar >> b; SetTriState(b); }
    if (nInclude & exDraw3dFrame) { ar >> b; SetDraw3dFrame(b); }
    if (nInclude & exAutoSize) { ar >> b; SetAutoSize(b); }
    WORD wBorders;
    ar >> wBorders;
    SetBorderArray(nullptr);
    if (wBorders != 0) {
        for (int i = 0; i < 4; ++i) {
            WORD wSide;
            ar >> wSide;
            if (wSide == 0) continue;
            CString text;
            ar >> text;
            StylePen pen;
            pen.SetDescription(text);
            if (pen.GetInclude()) SetBorders(i, pen);
        }
    }
    if (nInclude & exBaseStyle) {
        DWORD nResourceID;
        ar >> nResourceID;
        CString name;
        if (nResourceID == 0) ar >> name;
        // A name or resource id the map does not know leaves the id as it was.
        WORD wID;
        if (pStylesMap != nullptr && (nResourceID != 0 ? pStylesMap->LookupResourceId(nResourceID, wID)
                                                       : pStylesMap->LookupStyleId(name, wID)))
            m_wBaseStyle = wID;
    }
    bool bNew = false;
    CObject* pOb = ar.ReadObject(RUNTIME_CLASS(CGXCollMapDWordToString), &bNew);
    if (pOb != nullptr && !bNew) AfxThrowArchiveException(CArchiveException::badIndex);
    SetUserAttributeMap(std::unique_ptr<CGXCollMapDWordToString>(static_cast<CGXCollMapDWordToString*>(pOb)));
    if (UserAttributes() != nullptr && !UserAttributes()->IsEmpty()) Incl(exUserAttributes);
    else SetUserAttributeMap(nullptr);
    // Older records end here; what they lack keeps the value the style held, included as flagged.
    if (wSchema >= 2) {
        if (nInclude & exFloatCell) { ar >> b; SetFloatCell(b); }
        if (nInclude & exFloodCell) { ar >> b; SetFloodCell(b); }
        if (nInclude & exMergeCell) { ar >> b; SetMergeCell(b); }
    }
    if (wSchema >= 3 && (nInclude & exAppData)) { DWORD n; ar >> n; SetAppData(n); }
}
