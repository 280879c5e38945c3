#include "grid/style/font.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "grid/style/face_map.h"
#include "platform/win/sys_colors.h"

IMPLEMENT_SERIAL(CGXFont, CObject, VERSIONABLE_SCHEMA | 0)

namespace {
constexpr WORD kFontSchema = 1;
constexpr int kMaxFace = LF_FACESIZE - 1;

// Fields of the text form: decimal, 0 for what is not a number.
int FieldNumber(const CString& s) { return static_cast<int>(std::strtol(s, nullptr, 10)); }
}  // namespace

int GXMulDiv(int a, int b, int c) noexcept {
    if (c == 0) return -1;
    long long p = static_cast<long long>(a) * b;
    long long q = c;
    if (q < 0) {
        p = -p;
        q = -q;
    }
    long long r = p >= 0 ? (p + q / 2) / q : -((-p + q / 2) / q);
    // Beyond the range of int (and its lowest value, which has no negation) is an overflow.
    return (r > INT_MAX || r <= INT_MIN) ? -1 : static_cast<int>(r);
}

CGXFont::CGXFont() noexcept : m_lf{}, m_nInclude(0) {}

CGXFont::CGXFont(const char* pszDescription) : CGXFont() { SetDescription(pszDescription); }

CGXFont::CGXFont(const LOGFONT& lf) : m_lf(lf), m_nInclude(incAll) {
    m_lf.lfFaceName[kMaxFace] = '\0';
    m_lf.lfCharSet = GXGetFaceCharSet(m_lf.lfFaceName);
}

int CGXFont::GetSize() const noexcept { return -GXMulDiv(m_lf.lfHeight, 72, GetScreenDpi()); }

CGXFont& CGXFont::SetSize(int nPoints) noexcept {
    m_lf.lfHeight = -GXMulDiv(nPoints, GetScreenDpi(), 72);
    return Include(incSize);
}

CGXFont& CGXFont::SetFaceName(const char* pszFaceName) {
    const char* p = pszFaceName == nullptr ? "" : pszFaceName;
    size_t n = strnlen(p, kMaxFace);
    std::memcpy(m_lf.lfFaceName, p, n);
    std::memset(m_lf.lfFaceName + n, 0, sizeof m_lf.lfFaceName - n);
    m_lf.lfCharSet = GXGetFaceCharSet(m_lf.lfFaceName);
    return Include(incFaceName);
}

void CGXFont::Release() noexcept {
    m_lf = LOGFONT{};
    m_nInclude = 0;
}

CGXFont& CGXFont::SetDefault() {
    // No double-byte character support here, so the stock GUI font never replaces the description.
    m_lf = LOGFONT{};
    m_lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    SetFaceName("Arial");
    m_lf.lfHeight = -11;
    m_lf.lfWeight = 400;
    m_lf.lfItalic = 0;
    m_lf.lfUnderline = 0;
    m_nInclude = incAll;
    return *this;
}

void CGXFont::ChangeFont(const CGXFont& other, ModifyMode mode) {
    if (mode == ModifyMode::Exclude) {
        m_nInclude &= ~other.m_nInclude;
        return;
    }
    if (mode == ModifyMode::Copy) {
        if (&other == this) return;
        Release();
        mode = ModifyMode::Override;
    }
    // Under Override every attribute of the other font is taken, under ApplyNew only the missing.
    unsigned take = other.m_nInclude & (mode == ModifyMode::Override ? incAll : ~m_nInclude);
    if (take == 0) return;
    if (take & incWeight) m_lf.lfWeight = other.m_lf.lfWeight;
    if (take & incItalic) m_lf.lfItalic = other.m_lf.lfItalic;
    if (take & incUnderline) m_lf.lfUnderline = other.m_lf.lfUnderline;
    if (take & incStrikeOut) m_lf.lfStrikeOut = other.m_lf.lfStrikeOut;
    if (take & incSize) m_lf.lfHeight = other.m_lf.lfHeight;
    if (take & incFaceName) {
        std::memcpy(m_lf.lfFaceName, other.m_lf.lfFaceName, sizeof m_lf.lfFaceName);
        m_lf.lfCharSet = other.m_lf.lfCharSet;  // the face map's answer for that same face
    }
    m_nInclude |= take;
}

bool CGXFont::IsSubSet(const CGXFont& other) const noexcept {
    unsigned need = other.m_nInclude;
    if ((m_nInclude & need) != need) return false;
    if ((need & incWeight) && GetWeight() != other.GetWeight()) return false;
    if ((need & incItalic) && GetItalic() != other.GetItalic()) return false;
    if ((need & incUnderline) && GetUnderline() != other.GetUnderline()) return false;
    if ((need & incStrikeOut) && GetStrikeOut() != other.GetStrikeOut()) return false;
    if ((need & incSize) && GetSize() != other.GetSize()) return false;
    if ((need & incFaceName) && std::strcmp(m_lf.lfFaceName, other.m_lf.lfFaceName) != 0) return false;
    return true;
}

CString CGXFont::GetDescription() const {
    CString s;
    if (GetIncludeFaceName()) s += m_lf.lfFaceName;
    s += ',';
    if (GetIncludeSize()) s.AppendFormat("%d", GetSize());
    s += ',';
    if (GetIncludeWeight()) s.AppendFormat("%d", static_cast<int>(GetWeight()));
    s += ',';
    if (GetIncludeItalic()) s.AppendFormat("%d", GetItalic());
    s += ',';
    if (GetIncludeUnderline()) s.AppendFormat("%d", GetUnderline());
    s += ',';
    if (GetIncludeStrikeOut()) s.AppendFormat("%d", GetStrikeOut());
    return s;
}

CGXFont& CGXFont::SetDescription(const char* pszDescription) {
    Release();
    CString text(pszDescription);
    int nComma = text.Find(',');
    if (nComma < 0) {
        if (!text.IsEmpty()) SetFaceName(text);
        return *this;
    }
    if (nComma > 0) SetFaceName(text.Left(nComma));
    // The fields after the face, in order; the last one runs to the end of the text.
    int nPos = nComma + 1;
    for (int nField = 0; nField < 5 && nPos <= text.GetLength(); ++nField) {
        int nEnd = nField < 4 ? text.Find(',', nPos) : -1;
        CString field = nEnd < 0 ? text.Mid(nPos) : text.Mid(nPos, nEnd - nPos);
        if (!field.IsEmpty()) {
            int v = FieldNumber(field);
            switch (nField) {
                case 0: SetSize(v); break;
                case 1: SetWeight(v); break;
                case 2: SetItalic(v != 0); break;
                case 3: SetUnderline(v != 0); break;
                case 4: SetStrikeOut(v != 0); break;
            }
        }
        if (nEnd < 0) break;
        nPos = nEnd + 1;
    }
    return *this;
}

void CGXFont::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kFontSchema << m_lf.lfHeight << m_lf.lfWeight << m_lf.lfItalic << m_lf.lfUnderline
           << m_lf.lfPitchAndFamily << CString(m_lf.lfFaceName) << static_cast<DWORD>(m_nInclude);
        return;
    }
    WORD wSchema;
    ar >> wSchema;
    if (wSchema != kFontSchema) AfxThrowArchiveException(CArchiveException::badSchema);
    Release();
    CString face;
    DWORD dwInclude;
    ar >> m_lf.lfHeight >> m_lf.lfWeight >> m_lf.lfItalic >> m_lf.lfUnderline >> m_lf.lfPitchAndFamily >> face >>
        dwInclude;
    SetFaceName(face);
    m_nInclude = dwInclude & incAll;
}
