#pragma once
// CGXFont: the font attribute of a cell style. A logical font description and a set of include
// flags, so that a style can say "bold" and leave face and size to the styles it is composed with.
// Sizes are points; the description holds the pixel height for the screen's resolution.
#include "grid/style/modify_mode.h"
#include "platform/framework/archive.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"
#include "platform/win/gdi.h"

class CGXFont : public CObject {
    DECLARE_SERIAL(CGXFont)
public:
    enum : unsigned {
        incWeight = 0x01,
        incItalic = 0x02,
        incUnderline = 0x04,
        incStrikeOut = 0x08,
        incSize = 0x10,
        incFaceName = 0x20,
        incAll = 0x3F,
    };

    CGXFont() noexcept;
    explicit CGXFont(const char* pszDescription);
    explicit CGXFont(const LOGFONT& lf);  // every attribute included
    CGXFont(const CGXFont& other) = default;
    CGXFont& operator=(const CGXFont& other) = default;

    // --- attributes
    bool GetIncludeWeight() const noexcept { return m_nInclude & incWeight; }
    LONG GetWeight() const noexcept { return m_lf.lfWeight; }
    CGXFont& SetWeight(LONG nWeight) noexcept { m_lf.lfWeight = nWeight; return Include(incWeight); }
    CGXFont& SetIncludeWeight(bool b) noexcept { return SetIncl(incWeight, b); }
    bool GetBold() const noexcept { return m_lf.lfWeight >= 700; }
    CGXFont& SetBold(bool b) noexcept { return SetWeight(b ? 700 : 400); }

    bool GetIncludeItalic() const noexcept { return m_nInclude & incItalic; }
    int GetItalic() const noexcept { return m_lf.lfItalic > 0 ? 1 : 0; }
    CGXFont& SetItalic(bool b) noexcept { m_lf.lfItalic = b ? 1 : 0; return Include(incItalic); }
    CGXFont& SetIncludeItalic(bool b) noexcept { return SetIncl(incItalic, b); }

    bool GetIncludeUnderline() const noexcept { return m_nInclude & incUnderline; }
    int GetUnderline() const noexcept { return m_lf.lfUnderline > 0 ? 1 : 0; }
    CGXFont& SetUnderline(bool b) noexcept { m_lf.lfUnderline = b ? 1 : 0; return Include(incUnderline); }
    CGXFont& SetIncludeUnderline(bool b) noexcept { return SetIncl(incUnderline, b); }

    bool GetIncludeStrikeOut() const noexcept { return m_nInclude & incStrikeOut; }
    int GetStrikeOut() const noexcept { return m_lf.lfStrikeOut > 0 ? 1 : 0; }
    CGXFont& SetStrikeOut(bool b) noexcept { m_lf.lfStrikeOut = b ? 1 : 0; return Include(incStrikeOut); }
    CGXFont& SetIncludeStrikeOut(bool b) noexcept { return SetIncl(incStrikeOut, b); }

    // Points, converted with the screen's vertical resolution.
    bool GetIncludeSize() const noexcept { return m_nInclude & incSize; }
    int GetSize() const noexcept;
    CGXFont& SetSize(int nPoints) noexcept;
    CGXFont& SetIncludeSize(bool b) noexcept { return SetIncl(incSize, b); }

    // At most 31 characters; the character set follows from the face map.
    bool GetIncludeFaceName() const noexcept { return m_nInclude & incFaceName; }
    const char* GetFaceName() const noexcept { return m_lf.lfFaceName; }
    CGXFont& SetFaceName(const char* pszFaceName);
    CGXFont& SetIncludeFaceName(bool b) noexcept { return SetIncl(incFaceName, b); }

    unsigned GetIncludeFlags() const noexcept { return m_nInclude; }
    bool IsEmpty() const noexcept { return m_nInclude == 0; }
    const LOGFONT& GetLogFontRef() const noexcept { return m_lf; }
    LOGFONT GetLogFont() const noexcept { return m_lf; }

    // --- operations
    // Empties the font: description zeroed, no attribute.
    void Release() noexcept;
    // Arial, 8 points on a 96-dpi screen (height -11), weight 400, not italic, not underlined,
    // Swiss variable pitch; every attribute included.
    CGXFont& SetDefault();
    void ChangeFont(const CGXFont& other, ModifyMode mode);
    bool IsSubSet(const CGXFont& other) const noexcept;

    // "face,size,weight,italic,underline,strikeout", a field empty when its attribute is absent.
    CString GetDescription() const;
    // Empties the font and reads a description.
    CGXFont& SetDescription(const char* pszDescription);

    // Schema 1: height, weight, italic, underline, pitch and family, face, include flags.
    void Serialize(CArchive& ar) override;

private:
    CGXFont& Include(unsigned nFlag) noexcept { m_nInclude |= nFlag; return *this; }
    CGXFont& SetIncl(unsigned nFlag, bool b) noexcept {
        m_nInclude = b ? (m_nInclude | nFlag) : (m_nInclude & ~nFlag);
        return *this;
    }

    LOGFONT m_lf;
    unsigned m_nInclude;
};

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int GXMulDiv(int a, int b, int c) noexcept;
