#include "grid/style/pen_brush.h"

#include <cctype>
#include <cstdint>
#include <mutex>

#include "grid/style/color.h"

namespace {
// Each pattern: 8 rows, row 0 first.
constexpr BYTE kPatterns[GX_PATTERN_COUNT][8] = {
    {0x44, 0x11, 0x44, 0x11, 0x44, 0x11, 0x44, 0x11}, {0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa},
    {0xbb, 0xee, 0xbb, 0xee, 0xbb, 0xee, 0xbb, 0xee}, {0xee, 0xff, 0xbb, 0xff, 0xee, 0xff, 0xbb, 0xff},
    {0xff, 0xff, 0xee, 0xff, 0xff, 0xff, 0xbb, 0xff}, {0xfb, 0xff, 0xbf, 0xff, 0xfa, 0xff, 0xaf, 0xff},
    {0xff, 0xff, 0x00, 0x00, 0xff, 0xff, 0x00, 0x00}, {0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc},
    {0x55, 0xcc, 0x99, 0x44, 0x55, 0xcc, 0x99, 0x44}, {0x44, 0x99, 0xcc, 0x55, 0x44, 0x99, 0xcc, 0x55},
    {0x55, 0x55, 0x99, 0x99, 0x55, 0x55, 0x99, 0x99}, {0x55, 0x00, 0x99, 0x00, 0x55, 0x00, 0x99, 0x00},
    {0xff, 0x00, 0xff, 0xff, 0xff, 0x00, 0xff, 0xff}, {0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd},
    {0xee, 0xdd, 0xbb, 0x77, 0xee, 0xdd, 0xbb, 0x77}, {0x77, 0xbb, 0xdd, 0xee, 0x77, 0xbb, 0xdd, 0xee},
    {0xee, 0x00, 0xee, 0xee, 0xee, 0x00, 0xee, 0xee}, {0xee, 0x55, 0xbb, 0x55, 0xee, 0xbb, 0x55, 0xee},
    {0x88, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}, {0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff},
    {0xfe, 0xff, 0xfb, 0xff, 0xef, 0xff, 0xbf, 0xff}, {0xf7, 0xff, 0xfd, 0xff, 0x7f, 0xff, 0xdf, 0xff},
    {0x88, 0xff, 0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff}, {0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff},
    {0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe}, {0xfe, 0xfd, 0xfb, 0xf7, 0xef, 0xdf, 0xbf, 0x7f},
    {0xf7, 0xfb, 0xfd, 0xfe, 0x7f, 0xbf, 0xdf, 0xef}, {0x00, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe},
    {0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}, {0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3},
    {0xf3, 0xf9, 0xfc, 0x7e, 0x3f, 0x9f, 0xcf, 0xe7}, {0xe7, 0xcf, 0x9f, 0x3f, 0x7e, 0xfc, 0xf9, 0xf3},
    {0x00, 0x00, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11},
    {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}, {0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1},
    {0x51, 0x51, 0x51, 0x51, 0x51, 0x51, 0x51, 0x51}, {0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff},
    {0x00, 0xff, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff}, {0x00, 0x00, 0x00, 0xff, 0xff, 0x00, 0xff, 0xff},
    {0x00, 0x00, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff},
};

struct PatternTable {
    WORD rows[GX_PATTERN_COUNT][8];
    HBITMAP bitmaps[GX_PATTERN_COUNT] = {};
    PatternTable() {
        for (int i = 0; i < GX_PATTERN_COUNT; ++i)
            for (int r = 0; r < 8; ++r) rows[i][r] = kPatterns[i][r];
    }
};

PatternTable& Patterns() {
    static PatternTable table;
    return table;
}

bool IsPattern(long n) noexcept { return n >= 0 && n < GX_PATTERN_COUNT; }

COLORREF MakeColor(long r, long g, long b) noexcept {
    return RGB(static_cast<BYTE>(r), static_cast<BYTE>(g), static_cast<BYTE>(b));
}
}  // namespace

const WORD* GXGetPatternRows(int nPattern) noexcept {
    return IsPattern(nPattern) ? Patterns().rows[nPattern] : nullptr;
}

HBITMAP GXGetPatternBitmap(int nPattern) {
    if (!IsPattern(nPattern)) return nullptr;
    PatternTable& table = Patterns();
    if (table.bitmaps[nPattern] == nullptr)
        table.bitmaps[nPattern] = CreateBitmap(8, 8, 1, 1, table.rows[nPattern]);
    return table.bitmaps[nPattern];
}

int GXScanNumbers(const char* pszText, long* pValues, int nMax) noexcept {
    if (pszText == nullptr) return 0;
    const char* p = pszText;
    int n = 0;
    while (n < nMax) {
        while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) ++p;
        bool bNegative = false;
        const char* pStart = p;
        if (*p == '-' || *p == '+') bNegative = *p++ == '-';
        if (!std::isdigit(static_cast<unsigned char>(*p))) {
            p = pStart;
            break;
        }
        std::uint64_t v = 0;
        while (std::isdigit(static_cast<unsigned char>(*p))) v = v * 10 + static_cast<unsigned>(*p++ - '0');
        auto low = static_cast<std::uint32_t>(bNegative ? (0 - v) : v);
        pValues[n++] = static_cast<long>(static_cast<std::int32_t>(low));
    }
    return n;
}

COLORREF StylePen::GetColor() const noexcept { return GXGetColor(lopnColor); }

CString StylePen::GetDescription() const {
    return FormatString("%lu %ld %d %d %d %d", static_cast<unsigned long>(lopnStyle), static_cast<long>(lopnWidth),
                        GetRValue(lopnColor), GetGValue(lopnColor), GetBValue(lopnColor),
                        static_cast<int>(lopnColor >> 24));
}

void StylePen::SetDescription(const char* pszText) {
    long v[6];
    int n = GXScanNumbers(pszText, v, 6);
    if (n < 5) {
        lopnInclude = 0;
        return;
    }
    lopnStyle = static_cast<DWORD>(v[0]);
    lopnWidth = static_cast<LONG>(v[1]);
    lopnColor = MakeColor(v[2], v[3], v[4]);
    if (n == 6) lopnColor |= static_cast<COLORREF>(static_cast<BYTE>(v[5])) << 24;
    lopnInclude = 1;
}

StyleBrush& StyleBrush::SetPattern(LONG nPattern) noexcept {
    if (!IsPattern(nPattern)) {
        lbStyle = GX_BS_HOLLOW;
        return *this;
    }
    lbStyle = GX_BS_PATTERN;
    lbPattern = nPattern;
    lbHatch = static_cast<DWORD>(nPattern);
    return *this;
}

COLORREF StyleBrush::GetColor() const noexcept { return GXGetColor(lbColor); }
COLORREF StyleBrush::GetBkColor() const noexcept { return GXGetColor(lbBkColor); }

HBITMAP StyleBrush::GetPatternBitmap() const {
    return lbStyle == GX_BS_PATTERN ? GXGetPatternBitmap(lbPattern) : nullptr;
}

CString StyleBrush::GetDescription() const {
    long nSecond = lbStyle == GX_BS_PATTERN ? static_cast<long>(lbPattern) : static_cast<long>(lbHatch);
    return FormatString("%lu %ld %d %d %d %d %d %d %d", static_cast<unsigned long>(lbStyle), nSecond,
                        GetRValue(lbColor), GetGValue(lbColor), GetBValue(lbColor), GetRValue(lbBkColor),
                        GetGValue(lbBkColor), GetBValue(lbBkColor), static_cast<int>(lbColor >> 24));
}

void StyleBrush::SetDescription(const char* pszText) {
    long v[9] = {};
    int n = GXScanNumbers(pszText, v, 9);
    if (n < 5) return;
    lbStyle = static_cast<DWORD>(v[0]);
    BYTE nHigh = n >= 9 ? static_cast<BYTE>(v[8]) : 0;
    if (nHigh == 1) {
        lbColor = 0x01000000 + MakeColor(v[2], v[3], 0);  // a palette index: blue has no place in it
    } else if (nHigh == 2) {
        lbColor = 0x02000000 + MakeColor(v[2], v[3], v[4]);
    } else {
        lbColor = MakeColor(v[2], v[3], v[4]) | (static_cast<COLORREF>(nHigh) << 24);
    }
    if (lbStyle == GX_BS_PATTERN) {
        SetPattern(static_cast<LONG>(v[1]));
    } else {
        lbHatch = static_cast<DWORD>(v[1]);
    }
    if (n >= 8) lbBkColor = MakeColor(v[5], v[6], v[7]);
}
