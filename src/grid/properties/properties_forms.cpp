// CGXProperties: the profile form (section "Grid", in an initialisation file or the registry) and
// the archive form.
//
// Archive form, schema 1:
//   16 bits schema (1);
//   16 bits number of colours; per colour its name (string) and colour reference (32 bits);
//   32 bits each: 3-D headers, vertical lines, horizontal lines, mark row header, mark column
//     header, the further switch, the scale;
//   16 bits number of user properties; per property its id (32 bits) and its style's record;
//   32 bits each: page order, print vertical lines, print horizontal lines, black and white,
//     print row headers, print column headers, centre vertically, centre horizontally, print
//     frame, the four margins, the two distances, the first page number;
//   the footer store and the header store, each in the data store's own form.
// Reading matches colours by name (a name not known yet is appended), replaces the user
// properties it reads and names them from their string resources; a damaged archive leaves the
// properties as they were.
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "grid/data/data.h"
#include "grid/properties/properties.h"
#include "platform/framework/exceptions.h"
#include "platform/framework/resources.h"
#include "platform/framework/win_app.h"

namespace {
constexpr WORD kPropertiesSchema = 1;
// The smallest records: a colour (empty name and 4 bytes), a user property (4 bytes and an empty
// style of 10 bytes).
constexpr ULONGLONG kMinColor = 5, kMinUserProperty = 14;

void CheckCount(const CArchive& ar, ULONGLONG nCount, ULONGLONG nMinEach) {
    if (nCount > ar.GetRemaining() / nMinEach) AfxThrowArchiveException(CArchiveException::endOfFile);
}

// Decimal, spaces before the number skipped; what does not parse reads as 0. Values beyond 32
// bits keep their low 32 bits, as the settings are 32-bit words. The end of the number is
// returned through ppEnd.
LONG ParseLong(const char* psz, const char** ppEnd = nullptr) {
    while (*psz == ' ') ++psz;
    long long n = 0;
    const char* p = psz;
    bool bNegative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    const char* pDigits = p;
    for (; *p >= '0' && *p <= '9'; ++p) n = (n * 10 + (*p - '0')) & 0xFFFFFFFFLL;
    if (p == pDigits) p = psz;
    if (ppEnd != nullptr) *ppEnd = p;
    DWORD d = static_cast<DWORD>(n);
    return static_cast<LONG>(bNegative ? 0u - d : d);
}

// Up to nMax numbers separated by commas; a shorter list sets only the values it has.
void ParseList(const CString& text, LONG* pValues, int nMax) {
    const char* p = text.GetString();
    for (int i = 0; i < nMax; ++i) {
        const char* pNext = p;
        pValues[i] = ParseLong(p, &pNext);
        const char* pComma = std::strchr(pNext, ',');
        if (pComma == nullptr) return;
        p = pComma + 1;
    }
}

CString LongText(LONG n) { return FormatString("%ld", static_cast<long>(n)); }
}  // namespace

// --- profile

void CGXProperties::WriteProfile() const {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    CProfileBatch batch(pApp);
    const char* s = m_strSection;

    for (const ColorEntry& c : m_colors) {
        if (c.strName.IsEmpty()) continue;
        pApp->WriteProfileString(s, c.strName, FormatString("%lu", static_cast<unsigned long>(c.color)));
    }

    pApp->WriteProfileString(s, "MarkColumnHeader", LongText(m_bMarkColHeader));
    pApp->WriteProfileString(s, "MarkRowHeader", LongText(m_bMarkRowHeader));
    pApp->WriteProfileString(s, "3dHeader", LongText(m_b3dHeader));
    pApp->WriteProfileString(s, "HorizontalLines", LongText(m_bDisplayHorzLines));
    pApp->WriteProfileString(s, "VerticalLines", LongText(m_bDisplayVertLines));

    ForEachUserProperty([&](DWORD nID, const CString&, const CGXStyle& style) {
        if (style.GetIncludeValue()) pApp->WriteProfileString(s, FormatString("UP%u", nID), style.GetValue());
    });

    pApp->WriteProfileString(s, "Page Order", LongText(m_nPageOrder));
    pApp->WriteProfileString(s, "Print Vertical Lines", LongText(m_bPrintVertLines));
    pApp->WriteProfileString(s, "Print Horizontal Lines", LongText(m_bPrintHorzLines));
    pApp->WriteProfileString(s, "Print Only Black&White", LongText(m_bBlackWhite));
    pApp->WriteProfileString(s, "Print Row Headers", LongText(m_bPrintRowHeaders));
    pApp->WriteProfileString(s, "Print Column Headers", LongText(m_bPrintColHeaders));
    pApp->WriteProfileString(s, "Center Vertical", LongText(m_bCenterVertical));
    pApp->WriteProfileString(s, "Center Horizontal", LongText(m_bCenterHorizontal));
    pApp->WriteProfileString(s, "Print Frame", LongText(m_bPrintFrame));
    pApp->WriteProfileString(s, "Margins",
                             FormatString("%ld,%ld,%ld,%ld", static_cast<long>(m_nMargins[0]),
                                          static_cast<long>(m_nMargins[1]), static_cast<long>(m_nMargins[2]),
                                          static_cast<long>(m_nMargins[3])));
    pApp->WriteProfileString(s, "Start Page Numbering", LongText(m_nFirstPage));
    pApp->WriteProfileString(s, "Distances",
                             FormatString("%ld,%ld", static_cast<long>(m_nDistances[0]),
                                          static_cast<long>(m_nDistances[1])));
}

void CGXProperties::ReadProfile() {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    const char* s = m_strSection;
    // A missing or empty key keeps the value.
    auto read = [&](const char* pszKey, CString& rText) {
        rText = pApp->GetProfileString(s, pszKey, nullptr);
        return !rText.IsEmpty();
    };
    auto readLong = [&](const char* pszKey, LONG& rValue) {
        CString text;
        if (read(pszKey, text)) rValue = ParseLong(text);
    };
    CString text;

    for (ColorEntry& c : m_colors)
        if (!c.strName.IsEmpty() && read(c.strName, text)) c.color = static_cast<COLORREF>(ParseLong(text));

    readLong("MarkColumnHeader", m_bMarkColHeader);
    readLong("MarkRowHeader", m_bMarkRowHeader);
    readLong("3dHeader", m_b3dHeader);
    readLong("HorizontalLines", m_bDisplayHorzLines);
    readLong("VerticalLines", m_bDisplayVertLines);

    // Only the properties registered here; keys of other ids are not ours to take.
    for (const auto& [nID, pv] : m_userProperties)
        if (read(FormatString("UP%u", nID), text)) static_cast<UserPropertyEntry*>(pv)->pStyle->SetValue(text);

    readLong("Page Order", m_nPageOrder);
    readLong("Print Vertical Lines", m_bPrintVertLines);
    readLong("Print Horizontal Lines", m_bPrintHorzLines);
    readLong("Print Only Black&White", m_bBlackWhite);
    readLong("Print Row Headers", m_bPrintRowHeaders);
    readLong("Print Column Headers", m_bPrintColHeaders);
    readLong("Center Vertical", m_bCenterVertical);
    readLong("Center Horizontal", m_bCenterHorizontal);
    readLong("Print Frame", m_bPrintFrame);
    if (read("Margins", text)) ParseList(text, m_nMargins, 4);
    readLong("Start Page Numbering", m_nFirstPage);
    if (read("Distances", text)) ParseList(text, m_nDistances, 2);
}

// --- archive

void CGXProperties::Serialize(CArchive& ar) {
    LONG* const switches[] = {&m_b3dHeader,     &m_bDisplayVertLines, &m_bDisplayHorzLines, &m_bMarkRowHeader,
                              &m_bMarkColHeader, &m_nFurtherSwitch,    &m_nScale};
    LONG* const print[] = {&m_nPageOrder,       &m_bPrintVertLines, &m_bPrintHorzLines,   &m_bBlackWhite,
                           &m_bPrintRowHeaders, &m_bPrintColHeaders, &m_bCenterVertical,  &m_bCenterHorizontal,
                           &m_bPrintFrame,      &m_nMargins[0],      &m_nMargins[1],      &m_nMargins[2],
                           &m_nMargins[3],      &m_nDistances[0],    &m_nDistances[1],    &m_nFirstPage};

    if (ar.IsStoring()) {
        ar << kPropertiesSchema;
        ar << static_cast<WORD>(m_colors.size());
        for (const ColorEntry& c : m_colors) ar << c.strName << static_cast<DWORD>(c.color);
        for (LONG* p : switches) ar << *p;
        ar << static_cast<WORD>(m_userProperties.GetCount());
        ForEachUserProperty([&](DWORD nID, const CString&, const CGXStyle& style) {
            ar << nID;
            const_cast<CGXStyle&>(style).Serialize(ar, nullptr);
        });
        for (LONG* p : print) ar << *p;
        m_pDataFooter->Serialize(ar);
        m_pDataHeader->Serialize(ar);
        return;
    }

    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema != kPropertiesSchema) AfxThrowArchiveException(CArchiveException::badSchema);

    // Everything is read aside first and taken over only when the whole record was there.
    WORD nCount = 0;
    ar >> nCount;
    CheckCount(ar, nCount, kMinColor);
    std::vector<ColorEntry> colors(nCount);
    for (ColorEntry& c : colors) ar >> c.strName >> c.color;
    LONG switchValues[std::size(switches)];
    for (LONG& n : switchValues) ar >> n;

    ar >> nCount;
    CheckCount(ar, nCount, kMinUserProperty);
    std::vector<std::unique_ptr<UserPropertyEntry>> entries;
    for (WORD i = 0; i < nCount; ++i) {
        auto pEntry = std::make_unique<UserPropertyEntry>();
        ar >> pEntry->nID;
        pEntry->pStyle = std::make_unique<CGXStyle>();
        pEntry->pStyle->Serialize(ar, nullptr);
        if (!AfxLoadString(pEntry->nID, pEntry->strName)) pEntry->strName = GetUserPropertyName(pEntry->nID);
        entries.push_back(std::move(pEntry));
    }
    LONG printValues[std::size(print)];
    for (LONG& n : printValues) ar >> n;
    auto pFooter = std::make_unique<CGXData>();
    pFooter->Serialize(ar);
    auto pHeader = std::make_unique<CGXData>();
    pHeader->Serialize(ar);

    for (const ColorEntry& c : colors) SetColor(AddColorProperty(c.strName, c.color), c.color);
    for (size_t i = 0; i < std::size(switches); ++i) *switches[i] = switchValues[i];
    for (auto& pEntry : entries) SetUserPropertyEntry(std::move(pEntry));
    for (size_t i = 0; i < std::size(print); ++i) *print[i] = printValues[i];
    m_pDataFooter = std::move(pFooter);
    m_pDataHeader = std::move(pHeader);
}
