// DrawText: formatted text in a rectangle (alignment, single line, word breaking, prefix
// characters, tab expansion, clipping, measuring with DT_CALCRECT).
#include <cstring>
#include <string>
#include <vector>

#include "platform/win/gdi_internal.h"

using namespace gdi;

namespace {

struct Line {
    size_t begin, end;  // in the processed text, trailing spaces of a broken line excluded
};

struct Layout {
    const FontInstance& font;
    bool expandTabs;
    int tabWidth;

    // Width of text[b, e) drawn from the line start.
    int Width(const std::string& text, size_t b, size_t e) const {
        int w = 0;
        for (size_t i = b; i < e; ++i) {
            const auto ch = static_cast<unsigned char>(text[i]);
            if (ch == '\t' && expandTabs && tabWidth > 0)
                w = (w / tabWidth + 1) * tabWidth;
            else
                w += font.advance[ch];
        }
        return w;
    }
};

// Removes the prefix marks: "&&" is a literal '&', "&x" draws x underlined.
void StripPrefixes(const char* s, int n, bool prefixes, std::string& out, std::vector<size_t>& underlined) {
    out.clear();
    for (int i = 0; i < n; ++i) {
        if (prefixes && s[i] == '&') {
            if (i + 1 >= n) break;
            ++i;
            if (s[i] != '&') underlined.push_back(out.size());
        }
        out.push_back(s[i]);
    }
}

// Breaks one paragraph text[b, e) into lines of at most maxWidth; a word longer than a line is
// kept whole on a line of its own.
void BreakParagraph(const Layout& lay, const std::string& text, size_t b, size_t e, int maxWidth, bool wordBreak,
                    std::vector<Line>& lines) {
    if (!wordBreak) {
        lines.push_back({b, e});
        return;
    }
    size_t start = b;
    while (true) {
        size_t lineEnd = start;  // end of the last word that fits
        size_t i = start;
        bool any = false;
        while (i < e) {
            size_t wordEnd = i;
            while (wordEnd < e && text[wordEnd] == ' ') ++wordEnd;
            while (wordEnd < e && text[wordEnd] != ' ') ++wordEnd;
            if (any && lay.Width(text, start, wordEnd) > maxWidth) break;
            lineEnd = wordEnd;
            any = true;
            i = wordEnd;
        }
        lines.push_back({start, lineEnd});
        size_t next = lineEnd;
        while (next < e && text[next] == ' ') ++next;
        if (next >= e) return;
        start = next;
    }
}

}  // namespace

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || lprc == nullptr || (lpchText == nullptr && cchText != 0)) return 0;
    const int n = lpchText == nullptr ? 0 : cchText < 0 ? static_cast<int>(std::strlen(lpchText)) : cchText;
    const FontInstance& f = FontOf(*dc);
    const int lineHeight = f.tm.tmHeight + ((format & DT_EXTERNALLEADING) ? f.tm.tmExternalLeading : 0);
    // Working buffers kept between calls: the grid draws a text per cell on every paint.
    static thread_local std::vector<size_t> underlined;
    static thread_local std::string text;
    static thread_local std::vector<Line> lines;
    underlined.clear();
    lines.clear();
    StripPrefixes(lpchText, n, !(format & DT_NOPREFIX), text, underlined);
    const Layout lay{f, (format & DT_EXPANDTABS) != 0, 8 * f.tm.tmAveCharWidth};
    const RECT rc = *lprc;
    const int width = rc.right - rc.left;

    if (format & DT_SINGLELINE) {
        if (!text.empty()) lines.push_back({0, text.size()});
    } else {
        size_t b = 0;
        while (b < text.size()) {
            size_t e = b;
            while (e < text.size() && text[e] != '\r' && text[e] != '\n') ++e;
            BreakParagraph(lay, text, b, e, width, (format & DT_WORDBREAK) != 0, lines);
            if (e < text.size() && text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n') ++e;
            b = e + 1;
        }
    }

    int top = rc.top;
    const int total = static_cast<int>(lines.size()) * lineHeight;
    if ((format & DT_SINGLELINE) && !lines.empty()) {
        if (format & DT_BOTTOM)
            top = rc.bottom - lineHeight;
        else if (format & DT_VCENTER)
            top = rc.top + (rc.bottom - rc.top - lineHeight) / 2;
    }
    const int result = (format & DT_SINGLELINE) && (format & (DT_BOTTOM | DT_VCENTER)) ? top + total - rc.top : total;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines) widest = std::max(widest, lay.Width(text, l.begin, l.end));
        if (lines.size() <= 1 || !(format & DT_WORDBREAK) || widest > width)
            lprc->right = rc.left + widest;
        lprc->bottom = rc.top + total;
        return total;
    }

    cairo_t* cr = Prepare(*dc);
    const bool clip = !(format & DT_NOCLIP);
    if (clip) {
        const RECT d = Normalized(dc->ToDev(rc.left, rc.top, rc.right, rc.bottom));
        cairo_save(cr);
        cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top);
        cairo_clip(cr);
    }
    const uint32_t bk = Pixel(ResolveColorRef(dc->st.bk));
    const uint32_t fg = Pixel(ResolveColorRef(dc->st.text));
    for (const Line& l : lines) {
        const int w = lay.Width(text, l.begin, l.end);
        int x = rc.left;
        if (format & DT_CENTER)
            x = rc.left + (width - w) / 2;
        else if (format & DT_RIGHT)
            x = rc.right - w;
        const int dx = dc->ToDevX(x), dy = dc->ToDevY(top);
        if (dc->st.bkMode == OPAQUE) FillDevRectColor(*dc, {dx, dy, dx + w, dy + f.tm.tmHeight}, bk);
        // Runs between tabs are drawn at their tab stops.
        size_t runStart = l.begin;
        for (size_t i = l.begin; i <= l.end; ++i) {
            if (i < l.end && !(lay.expandTabs && text[i] == '\t')) continue;
            const int runX = dx + lay.Width(text, l.begin, runStart);
            DrawGlyphs(*dc, f, runX, dy + f.tm.tmAscent, text.data() + runStart, static_cast<int>(i - runStart), nullptr);
            runStart = i + 1;
        }
        for (size_t u : underlined) {
            if (u < l.begin || u >= l.end) continue;
            const int ux = dx + lay.Width(text, l.begin, u);
            const int uw = f.advance[static_cast<unsigned char>(text[u])];
            const int uy = dy + f.tm.tmAscent + f.underlinePos;
            FillDevRectColor(*dc, {ux, uy, ux + uw, uy + f.underlineThickness}, fg);
        }
        top += lineHeight;
    }
    if (clip) {
        cairo_restore(cr);
        SourceChanged(*dc);
    }
    return result;
}
