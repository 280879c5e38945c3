// Text output and measuring: TextOut, ExtTextOut, text extents, metrics and character widths.
#include <cstring>

#include "platform/win/gdi_internal.h"

using namespace gdi;

namespace {

// Draws a run with the text alignment: (x, y) is the reference point in logical units. opaque:
// the text's box is filled with the background colour first. clip: device rectangle to clip to.
void Output(DC& dc, int x, int y, const char* s, int n, const int* dx, bool opaque, const RECT* clip) {
    const FontInstance& f = FontOf(dc);
    int width = 0;
    for (int i = 0; i < n; ++i) width += dx != nullptr ? dx[i] : f.advance[static_cast<unsigned char>(s[i])];
    const UINT align = dc.st.textAlign;
    const bool updateCp = align & TA_UPDATECP;
    if (updateCp) {
        x = dc.st.pos.x;
        y = dc.st.pos.y;
    }
    int left = x;
    switch (align & TA_CENTER) {
        case TA_RIGHT: left = x - width; break;
        case TA_CENTER: left = x - width / 2; break;
        default: break;
    }
    int baseline = y + f.tm.tmAscent;
    if ((align & TA_BASELINE) == TA_BASELINE)
        baseline = y;
    else if (align & TA_BOTTOM)
        baseline = y - f.tm.tmDescent;
    if (updateCp) {
        if ((align & TA_CENTER) == TA_LEFT) dc.st.pos.x = x + width;
        else if ((align & TA_CENTER) == TA_RIGHT) dc.st.pos.x = x - width;
    }
    const int devLeft = dc.ToDevX(left), devBase = dc.ToDevY(baseline);
    cairo_t* cr = Prepare(dc);
    // A clip the text lies well inside changes no pixel: skip it, as saving and restoring the
    // drawing state for every cell of a grid costs more than drawing its text. The margin covers
    // glyphs that reach a little beyond their advance or the font's ascent and descent.
    if (clip != nullptr) {
        const int m = f.tm.tmHeight / 4 + 1;
        if (devLeft - m >= clip->left && devLeft + width + m <= clip->right &&
            devBase - f.tm.tmAscent - m >= clip->top && devBase + f.tm.tmDescent + m <= clip->bottom)
            clip = nullptr;
    }
    if (clip != nullptr) {
        cairo_save(cr);
        cairo_rectangle(cr, clip->left, clip->top, clip->right - clip->left, clip->bottom - clip->top);
        cairo_clip(cr);
    }
    if (opaque)
        FillDevRectColor(dc, {devLeft, devBase - f.tm.tmAscent, devLeft + width, devBase + f.tm.tmDescent},
                         Pixel(ResolveColorRef(dc.st.bk)));
    DrawGlyphs(dc, f, devLeft, devBase, s, n, dx);
    if (clip != nullptr) {
        cairo_restore(cr);
        SourceChanged(dc);
    }
}

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || (lpString == nullptr && c != 0) || c < 0) return FALSE;
    Output(*dc, x, y, lpString, c, nullptr, dc->st.bkMode == OPAQUE, nullptr);
    return TRUE;
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c, const int* lpDx) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || (lpString == nullptr && c != 0) || c > 0x7FFFFFFF) return FALSE;
    RECT clip{};
    if (lprect != nullptr) {
        clip = Normalized(dc->ToDev(lprect->left, lprect->top, lprect->right, lprect->bottom));
        if (options & ETO_OPAQUE) FillDevRectColor(*dc, clip, Pixel(ResolveColorRef(dc->st.bk)));
    }
    const bool clipped = lprect != nullptr && (options & ETO_CLIPPED);
    Output(*dc, x, y, lpString, static_cast<int>(c), lpDx, dc->st.bkMode == OPAQUE, clipped ? &clip : nullptr);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || psizl == nullptr || c < 0 || (lpString == nullptr && c != 0)) return FALSE;
    const FontInstance& f = FontOf(*dc);
    *psizl = {f.Width(lpString, c), f.tm.tmHeight};
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || lptm == nullptr) return FALSE;
    *lptm = FontOf(*dc).tm;
    return TRUE;
}

int GetTextFaceA(HDC hdc, int c, LPSTR lpName) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr) return 0;
    const FontInstance& f = FontOf(*dc);
    const int len = static_cast<int>(std::strlen(f.face));
    if (lpName == nullptr) return len + 1;
    if (c <= 0) return 0;
    const int n = std::min(len, c - 1);
    std::memcpy(lpName, f.face, static_cast<size_t>(n));
    lpName[n] = '\0';
    return n;
}

BOOL GetCharWidth32A(HDC hdc, UINT iFirst, UINT iLast, int* lpBuffer) {
    DC* dc = LookupDC(hdc);
    if (dc == nullptr || lpBuffer == nullptr || iFirst > iLast || iLast > 255) return FALSE;
    const FontInstance& f = FontOf(*dc);
    for (UINT i = iFirst; i <= iLast; ++i) lpBuffer[i - iFirst] = f.advance[i];
    return TRUE;
}
