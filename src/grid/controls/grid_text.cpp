// BreakTextLines and DrawGridText: the grid's own word breaking and aligned line drawing.
#include "grid/controls/grid_text.h"

#include <algorithm>
#include <cstring>

#include "grid/controls/control.h"

namespace {

bool IsBreak(char c) noexcept { return c == '\r' || c == '\n'; }

// Bytes of the character at p (two for a lead byte followed by its trail byte).
int CharBytes(const char* p, const char* pEnd) noexcept {
    return GXIsLeadByte(static_cast<BYTE>(*p)) && p + 1 < pEnd ? 2 : 1;
}

int LineHeight(CDC* pDC) {
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    return std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
}

}  // namespace

GXTextLines BreakTextLines(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat) {
    GXTextLines lines;
    if (pszText == nullptr) return lines;
    if (nLength < 0) nLength = static_cast<int>(std::strlen(pszText));
    const char* const pBegin = pszText;
    const char* const pEnd = pszText + nLength;

    const int h = LineHeight(pDC);
    const int nAvail = rect.Width() + 1;
    int nMaxLines = 1;
    if ((nFormat & DT_WORDBREAK) != 0 && rect.Height() - h / 3 > h)
        nMaxLines = std::clamp(rect.Height() / h, 1, GX_MAX_TEXT_LINES);
    auto extent = [&](const char* pFrom, const char* pTo) {
        return pDC->GetTextExtent(pFrom, static_cast<int>(pTo - pFrom)).cx;
    };

    const char* p = pBegin;
    while (static_cast<int>(lines.size()) < nMaxLines) {
        const bool bFurtherLines = static_cast<int>(lines.size()) + 1 < nMaxLines;
        const char* const pLine = p;
        const char* pLineEnd = p;  // end of the words taken so far
        int nWords = 0;
        bool bHardBreak = false;
        while (p < pEnd) {
            if (IsBreak(*p)) {
                // A carriage return (with a following line feed) or a line feed ends the line.
                p += (*p == '\r' && p + 1 < pEnd && p[1] == '\n') ? 2 : 1;
                bHardBreak = true;
                break;
            }
            // The next word with the spaces before it.
            const char* pWord = p;
            while (pWord < pEnd && *pWord == ' ') ++pWord;
            const char* pWordEnd = pWord;
            while (pWordEnd < pEnd && *pWordEnd != ' ' && !IsBreak(*pWordEnd)) pWordEnd += CharBytes(pWordEnd, pEnd);
            pWordEnd = std::min(pWordEnd, pEnd);
            if (extent(pLine, pWordEnd) <= nAvail) {
                pLineEnd = p = pWordEnd;
                ++nWords;
                continue;
            }
            if (nWords >= 1 && bFurtherLines) break;  // the word starts the next line
            // Cut between characters, keeping as many as fit and at least one.
            const char* pCut = pLineEnd;
            const char* q = pLineEnd;
            while (q < pWordEnd) {
                const char* pNext = q + CharBytes(q, pEnd);
                if (pCut > pLine && extent(pLine, pNext) > nAvail) break;
                pCut = q = pNext;
            }
            pLineEnd = p = pCut;
            ++nWords;
            break;
        }
        lines.push_back({static_cast<int>(pLine - pBegin), static_cast<int>(pLineEnd - pLine)});
        // Spaces after the line's last word are absorbed.
        while (!bHardBreak && p < pEnd && *p == ' ') ++p;
        if (p >= pEnd) {
            // A text that ends right after a break has an empty last line.
            if (bHardBreak && static_cast<int>(lines.size()) < nMaxLines)
                lines.push_back({static_cast<int>(p - pBegin), 0});
            break;
        }
    }
    return lines;
}

void DrawGridText(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat, const CRect* pBoundRect) {
    if (pszText == nullptr) return;
    if (nLength < 0) nLength = static_cast<int>(std::strlen(pszText));
    const CRect bound = pBoundRect != nullptr ? *pBoundRect : rect;
    const GXTextLines lines = BreakTextLines(pDC, pszText, nLength, rect, nFormat);
    if (lines.empty()) return;

    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    const int h = LineHeight(pDC);

    // Vertical alignment, when the lines leave room.
    int y = rect.top;
    const int nTotal = static_cast<int>(lines.size()) * (h + 1);
    if (nTotal < rect.Height()) {
        const int nDiff = rect.Height() - nTotal;
        if (nFormat & DT_BOTTOM) y += nDiff;
        else if (nFormat & DT_VCENTER) y += (nDiff + tm.tmExternalLeading) / 2;
    }

    for (const GXTextLine& line : lines) {
        const char* pLine = pszText + line.nStart;
        const int nWidth = pDC->GetTextExtent(pLine, line.nLength).cx;
        int x = rect.left;
        if (nFormat & DT_RIGHT) x = std::max<int>(rect.left, rect.right - nWidth);
        else if (nFormat & DT_CENTER) x = std::max<int>(rect.left, rect.left + (rect.Width() - nWidth) / 2);
        // One character wider than the rectangle ends at the bounding rectangle's right edge, or
        // starts at its left edge when it is wider than that too.
        const bool bOneChar = line.nLength == 1 || (line.nLength == 2 && GXIsLeadByte(static_cast<BYTE>(*pLine)));
        if (bOneChar && nWidth > rect.Width()) {
            x = nWidth > bound.Width() ? bound.left : std::max<int>(rect.left, bound.right - nWidth);
        }
        if (line.nLength > 0) pDC->ExtTextOut(x, y, ETO_CLIPPED, &bound, pLine, static_cast<UINT>(line.nLength), nullptr);
        y += h;
    }
}
