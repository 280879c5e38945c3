// Text: fonts from logical descriptions, metrics, extents, TextOut placement, DrawText layout,
// and reference images of rendered text.
#include <cstring>
#include <string>
#include <tuple>

#include "support/reference_picture.h"
#include "canvas.h"

namespace {

LOGFONT Describe(const char* face, LONG height, LONG width = 0, BYTE italic = 0, LONG weight = FW_NORMAL,
                 BYTE underline = 0) {
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

HFONT MakeFont(const char* face, LONG height, LONG weight = FW_NORMAL, BYTE italic = 0, BYTE underline = 0) {
    const LOGFONT lf = Describe(face, height, 0, italic, weight, underline);
    return CreateFontIndirect(&lf);
}

struct FontIn {
    FontIn(HDC dc, HFONT f) : dc_(dc), font_(f), old_(SelectObject(dc, f)) {}
    ~FontIn() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }
    TEXTMETRIC Metrics() const {
        TEXTMETRIC tm{};
        GetTextMetrics(dc_, &tm);
        return tm;
    }
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

int Width(HDC dc, const char* s) {
    SIZE sz{};
    GetTextExtentPoint32(dc, s, static_cast<int>(std::strlen(s)), &sz);
    return sz.cx;
}

std::string FaceOf(HDC dc) {
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    return face;
}

// The dialog face is a bitmap face of three cell heights (8, 10 and 12 points); any other size,
// and a stretched or slanted one, is drawn by the outline stand-in, as is "Arial".
TEST(Fonts, TheDialogFaceResolvesToItsStrikesWhereItHasTheSize) {
    Canvas c(10, 10);
    const struct {
        LOGFONT lf;
        const char* face;
        LONG height;
    } cases[] = {
        {Describe("MS Sans Serif", -11), "MS Sans Serif", 13}, {Describe("ms sans serif", 13), "MS Sans Serif", 13},
        {Describe("MS Sans Serif", -13), "MS Sans Serif", 16}, {Describe("MS Sans Serif", 16), "MS Sans Serif", 16},
        {Describe("MS Sans Serif", -16), "MS Sans Serif", 20}, {Describe("MS Sans Serif", 20), "MS Sans Serif", 20},
        {Describe("MS Sans Serif", -12), "Liberation Sans", 14}, {Describe("MS Sans Serif", 14), "Liberation Sans", 14},
        {Describe("MS Sans Serif", -20), "Liberation Sans", 24}, {Describe("MS Sans Serif", 0), "Liberation Sans", 0},
        {Describe("MS Sans Serif", -11, 7), "Liberation Sans", 13}, {Describe("MS Sans Serif", -11, 0, 1), "Liberation Sans", 13},
        {Describe("Arial", -11), "Liberation Sans", 13},
    };
    for (const auto& k : cases) {
        FontIn f(c, CreateFontIndirect(&k.lf));
        EXPECT_EQ(FaceOf(c), k.face) << k.lf.lfFaceName << " " << k.lf.lfHeight
                                     << " (scripts/setup.sh installs the bitmap dialog face)";
        if (k.height != 0) {
            EXPECT_EQ(f.Metrics().tmHeight, k.height) << k.lf.lfFaceName << " " << k.lf.lfHeight;
        }
        const bool strike = std::string(k.face) == "MS Sans Serif";
        EXPECT_EQ((f.Metrics().tmPitchAndFamily & TMPF_TRUETYPE) == 0, strike) << k.lf.lfHeight;
    }
}

// 8-point "MS Sans Serif" measures as the classic dialog font: the dialogs are laid out in it.
TEST(Fonts, TheEightPointDialogFaceMeasuresAsItsStrike) {
    Canvas c(10, 10);
    FontIn f(c, MakeFont("MS Sans Serif", -11));
    const TEXTMETRIC tm = f.Metrics();
    // Height, ascent, descent, internal and external leading, average width.
    EXPECT_EQ(std::make_tuple(tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading,
                              tm.tmAveCharWidth),
              std::make_tuple(13, 11, 2, 2, 0, 5));
    int widths[256];
    ASSERT_TRUE(GetCharWidth32A(c, 0, 255, widths));
    EXPECT_EQ(widths[static_cast<int>('x')], tm.tmAveCharWidth);
    for (int ch = 32; ch < 256; ++ch) EXPECT_LE(widths[ch], tm.tmMaxCharWidth) << ch;
    // The extent of a text is the sum of its characters' widths, in one line's height.
    const char* text = "Generate time interrupt every";
    int sum = 0;
    for (const char* p = text; *p != '\0'; ++p) sum += widths[static_cast<unsigned char>(*p)];
    SIZE sz{};
    GetTextExtentPoint32(c, text, static_cast<int>(std::strlen(text)), &sz);
    EXPECT_EQ(sz.cx, sum);
    EXPECT_EQ(sz.cy, 13);
    EXPECT_LE(sz.cx, 92 * 6 / 4);  // the Time dialog's static text control
    // The bold strike is the regular one thickened by a pixel: each character one wider.
    FontIn b(c, MakeFont("MS Sans Serif", -11, FW_BOLD));
    EXPECT_EQ(FaceOf(c), "MS Sans Serif");
    EXPECT_EQ(b.Metrics().tmHeight, 13);
    EXPECT_EQ(b.Metrics().tmWeight, FW_BOLD);
    EXPECT_EQ(Width(c, text), sum + static_cast<int>(std::strlen(text)));
}

// Strike glyphs are one-bit pictures: every pixel is the text colour or untouched, and the ink
// stays in the text's box; the underline runs under the whole text in the descent. Regular
// above, bold below, compared exactly.
TEST(Fonts, TheDialogFaceDrawsCrisplyInTheTextColour) {
    Canvas c(120, 40);
    SetBkMode(c, TRANSPARENT);
    SetTextColor(c, RGB(0, 0, 128));
    for (const LONG weight : {FW_NORMAL, FW_BOLD}) {
        FontIn f(c, MakeFont("MS Sans Serif", -11, weight, 0, 1));
        TextOut(c, 4, weight == FW_BOLD ? 22 : 4, "Generate time gjpq", 18);
    }
    ExpectExactlyReference(c, "platform/win/reference/dialog_face.png");
}

// The outline stand-in: a negative height is the character height, a positive one the cell
// height; bold is heavier and wider, the monospaced face has fixed pitch (the flag's clear bit).
TEST(Fonts, OutlineMetricsHeightsWeightAndPitch) {
    Canvas c(10, 10);
    TEXTMETRIC tm, cell, bold, mono;
    int widths[256], regular, heavy, wi;
    {
        FontIn f(c, MakeFont("Arial", -20));
        tm = f.Metrics();
        ASSERT_TRUE(GetCharWidth32A(c, 0, 255, widths));
        regular = Width(c, "Bold text");
        wi = Width(c, "Wi");
    }
    { FontIn f(c, MakeFont("Arial", 20)); cell = f.Metrics(); }
    { FontIn f(c, MakeFont("Arial", -20, FW_BOLD)); bold = f.Metrics(); heavy = Width(c, "Bold text"); }
    FontIn f(c, MakeFont("Courier New", -20));
    mono = f.Metrics();
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 20);
    EXPECT_GT(tm.tmAscent, 3 * tm.tmDescent);
    EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, FF_SWISS);
    EXPECT_EQ(tm.tmPitchAndFamily & (TMPF_FIXED_PITCH | TMPF_TRUETYPE), TMPF_FIXED_PITCH | TMPF_TRUETYPE);
    int widest = 0, sum = 0;
    for (int ch = 'a'; ch <= 'z'; ++ch) sum += widths[ch];
    for (int ch = 32; ch < 256; ++ch) widest = std::max(widest, widths[ch]);
    EXPECT_LE(widest, tm.tmMaxCharWidth);
    EXPECT_NEAR(tm.tmAveCharWidth, sum / 26.0, tm.tmAveCharWidth / 4.0);
    EXPECT_LT(widths[static_cast<int>('i')], widths[static_cast<int>('W')]);
    EXPECT_EQ(wi, widths[static_cast<int>('W')] + widths[static_cast<int>('i')]);
    EXPECT_EQ(cell.tmHeight, 20);
    EXPECT_EQ(bold.tmWeight, FW_BOLD);
    EXPECT_GT(heavy, regular);
    EXPECT_FALSE(mono.tmPitchAndFamily & TMPF_FIXED_PITCH);
    EXPECT_EQ(mono.tmPitchAndFamily & 0xF0, FF_MODERN);
    EXPECT_EQ(Width(c, "iiii"), Width(c, "WWWW"));
}

TEST(Fonts, ExtremeDescriptionsStayBounded) {
    Canvas c(40, 20);
    LOGFONT lf{};
    lf.lfHeight = -2147483647 - 1;
    lf.lfWidth = 2147483647;
    lf.lfWeight = 99999;
    std::memset(lf.lfFaceName, 'x', sizeof lf.lfFaceName);  // no terminator
    FontIn f(c, CreateFontIndirect(&lf));
    const TEXTMETRIC tm = f.Metrics();
    EXPECT_GT(tm.tmHeight, 0);
    EXPECT_LE(tm.tmHeight, 4000);
    EXPECT_LE(tm.tmAveCharWidth, 20 * 2000);
    EXPECT_TRUE(TextOut(c, 0, 0, "Ab", 2));
    RECT r{0, 0, 40, 20};
    EXPECT_GE(DrawText(c, "Ab cd", -1, &r, DT_WORDBREAK), 0);
}

TEST(TextOut, OpaqueModeFillsTheBoxAndAlignmentMovesIt) {
    Canvas c(120, 60);
    FontIn f(c, MakeFont("Arial", -12));
    const TEXTMETRIC tm = f.Metrics();
    const int w = Width(c, "abc");
    SetBkColor(c, kRed);
    TextOut(c, 10, 10, "abc", 3);
    EXPECT_EQ(c.Count(kRed, 0, 0, 120, 30) + c.Count(kBlack, 0, 0, 120, 30) > 0, true);
    EXPECT_EQ(c.InkBox().left, 10);
    EXPECT_EQ(c.InkBox().right, 10 + w);
    EXPECT_EQ(c.InkBox().bottom, 10 + tm.tmHeight);
    Canvas d(120, 60);
    FontIn g(d, MakeFont("Arial", -12));
    SetBkColor(d, kRed);
    SetTextAlign(d, TA_RIGHT | TA_BOTTOM);
    TextOut(d, 100, 50, "abc", 3);
    EXPECT_EQ(d.InkBox().right, 100);
    EXPECT_EQ(d.InkBox().left, 100 - w);
    EXPECT_EQ(d.InkBox().top, 50 - tm.tmHeight);
    SetTextAlign(d, TA_LEFT | TA_BASELINE | TA_UPDATECP);
    MoveToEx(d, 5, 20, nullptr);
    TextOut(d, 0, 0, "abc", 3);
    POINT p;
    GetCurrentPositionEx(d, &p);
    EXPECT_EQ(p.x, 5 + w);
    EXPECT_EQ(d.At(5, 20 - tm.tmAscent), kRed);
}

TEST(ExtTextOut, OpaqueRectangleAndClipping) {
    Canvas c(100, 30);
    FontIn f(c, MakeFont("Arial", -20));
    SetBkColor(c, kBlue);
    RECT r{10, 5, 30, 25};
    ExtTextOut(c, 10, 5, ETO_OPAQUE | ETO_CLIPPED, &r, "WWWWWW", 6, nullptr);
    const RECT ink = c.InkBox();
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 30);  // clipped
    EXPECT_EQ(ink.bottom, 25);
    EXPECT_EQ(c.At(10, 5), kBlue);
    const int dx[3] = {20, 20, 20};
    Canvas d(100, 30);
    FontIn g(d, MakeFont("Arial", -12));
    SetBkMode(d, TRANSPARENT);
    ExtTextOut(d, 0, 0, 0, nullptr, "iii", 3, dx);
    EXPECT_GT(d.InkBox().right, 40);
}

struct DrawTextCase {
    UINT format;
    int left, top;  // expected offset of the text box in a 100 × 40 rectangle at (0, 0)
};

TEST(DrawText, PlacesASingleLineForEachAlignment) {
    Canvas probe(10, 10);
    FontIn pf(probe, MakeFont("Arial", -12));
    const int w = Width(probe, "Text");
    const int h = pf.Metrics().tmHeight;
    const DrawTextCase cases[] = {
        {DT_LEFT | DT_TOP | DT_SINGLELINE, 0, 0},
        {DT_CENTER | DT_SINGLELINE, (100 - w) / 2, 0},
        {DT_RIGHT | DT_SINGLELINE, 100 - w, 0},
        {DT_LEFT | DT_VCENTER | DT_SINGLELINE, 0, (40 - h) / 2},
        {DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, 100 - w, 40 - h},
        {DT_CENTER | DT_VCENTER | DT_SINGLELINE, (100 - w) / 2, (40 - h) / 2},
        {DT_BOTTOM, 0, 0},  // bottom and vertical centre need a single line
    };
    for (const DrawTextCase& tc : cases) {
        Canvas c(100, 40);
        FontIn f(c, MakeFont("Arial", -12));
        SetBkColor(c, kRed);
        RECT r{0, 0, 100, 40};
        const int result = DrawText(c, "Text", -1, &r, tc.format);
        const RECT ink = c.InkBox();
        EXPECT_EQ(ink.left, tc.left) << tc.format;
        EXPECT_EQ(ink.top, tc.top) << tc.format;
        EXPECT_NEAR(ink.right - ink.left, w, 1) << tc.format;  // a glyph may reach past its advance
        EXPECT_EQ(result, tc.top + h) << tc.format;
    }
}

TEST(DrawText, WordBreakKeepsLinesInsideAndClips) {
    Canvas c(60, 100);
    FontIn f(c, MakeFont("Arial", -12));
    const int h = f.Metrics().tmHeight;
    SetBkColor(c, kRed);
    RECT r{0, 0, 60, 100};
    const char* text = "one two three four five six";
    const int height = DrawText(c, text, -1, &r, DT_WORDBREAK | DT_NOPREFIX);
    EXPECT_EQ(height % h, 0);
    EXPECT_GE(height / h, 3);
    EXPECT_LE(c.InkBox().right, 60);
    EXPECT_EQ(c.InkBox().bottom, height);
    // Each line is filled from the left: the first pixel column is red on every line.
    for (int line = 0; line < height / h; ++line) EXPECT_EQ(c.At(0, line * h + 1), kRed) << line;
    // A word longer than the line stays whole and is clipped at the rectangle.
    Canvas d(60, 40);  // wider than the rectangle, so that only the clip can stop the word
    FontIn g(d, MakeFont("Arial", -12));
    SetBkColor(d, kRed);
    RECT s{0, 0, 30, 40};
    EXPECT_EQ(DrawText(d, "Unbreakable word", -1, &s, DT_WORDBREAK), 2 * h);
    EXPECT_EQ(d.InkBox().right, 30);
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
    Canvas c(200, 100);
    FontIn f(c, MakeFont("Arial", -12));
    const int h = f.Metrics().tmHeight;
    RECT r{10, 10, 10, 10};
    EXPECT_EQ(DrawText(c, "Some text", -1, &r, DT_CALCRECT | DT_SINGLELINE), h);
    EXPECT_EQ(r.right - r.left, Width(c, "Some text"));
    EXPECT_EQ(r.bottom, 10 + h);
    RECT m{0, 0, 50, 0};
    const int height = DrawText(c, "alpha beta gamma delta", -1, &m, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(m.bottom, height);
    EXPECT_GT(height, h);
    EXPECT_LE(m.right, 50);
    RECT lines{0, 0, 0, 0};
    EXPECT_EQ(DrawText(c, "a\r\nlonger line\nb", -1, &lines, DT_CALCRECT), 3 * h);
    EXPECT_EQ(lines.right, Width(c, "longer line"));
    EXPECT_EQ(c.Count(kWhite), 200 * 100);
}

TEST(DrawText, PrefixCharactersAreRemovedAndUnderlined) {
    Canvas c(100, 20);
    FontIn f(c, MakeFont("Arial", -12));
    RECT r{0, 0, 100, 20};
    RECT m1 = r, m2 = r;
    DrawText(c, "&File", -1, &m1, DT_CALCRECT | DT_SINGLELINE);
    DrawText(c, "File", -1, &m2, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(m1.right, m2.right);
    RECT m3 = r;
    DrawText(c, "&File", -1, &m3, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(m3.right, m2.right);
    SetBkMode(c, TRANSPARENT);
    DrawText(c, "&File", -1, &r, DT_SINGLELINE);
    const TEXTMETRIC tm = f.Metrics();
    // The underline under "F" lies below the baseline, where plain "F" has no ink.
    EXPECT_GT(c.Count(kBlack, 0, tm.tmAscent, Width(c, "F"), tm.tmHeight), 0);
}

// Renders a sample of the texts the dialogs show; compared with a checked-in image.
void RenderSample(HDC dc, int variant) {
    RECT all{0, 0, 240, 64};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    if (variant == 0) {
        FontIn f(dc, MakeFont("MS Sans Serif", -11));
        TextOut(dc, 4, 4, "Interrupt Settings: Enable / Disable", 36);
        RECT r{4, 22, 236, 60};
        DrawText(dc, "Software Protections, Capture, Limit Switch and Time details", -1, &r,
                 DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    } else {
        FontIn f(dc, MakeFont("Arial", -13, FW_BOLD, 1, 1));
        SetTextColor(dc, RGB(0, 0, 128));
        TextOut(dc, 4, 4, "Bold italic underlined", 22);
        FontIn g(dc, MakeFont("Courier New", -12));
        SetTextColor(dc, kBlack);
        RECT r{4, 30, 236, 60};
        DrawText(dc, "EINT 0x0003; SRB ICR", -1, &r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    }
}

TEST(TextReference, RenderingMatchesTheCheckedInImages) {
    for (int variant = 0; variant < 2; ++variant) {
        Canvas c(240, 64);
        RenderSample(c, variant);
        ExpectMatchesReference(c, "platform/win/reference/text_" + std::to_string(variant) + ".png");
        EXPECT_GT(c.Count(GetSysColor(COLOR_BTNFACE)), 240 * 64 / 2);
    }
}

}  // namespace
