// Brushes and inversion, drawn side by side and compared exactly with a checked-in picture:
// pattern brushes from monochrome bitmaps aligned to the brush origin, hatch brushes, PatBlt,
// InvertRect, the focus frame, three-dimensional edges and the system colour brushes.
#include "support/reference_picture.h"
#include "canvas.h"

namespace {

// An 8 × 8 monochrome bitmap whose only 0 bit is at (bx, by); rows are padded to 16 bits.
HBITMAP OneDot(int bx, int by) {
    WORD rows[8];
    for (int y = 0; y < 8; ++y) rows[y] = y == by ? static_cast<WORD>(0xFF & ~(0x80 >> bx)) : 0xFF;
    return CreateBitmap(8, 8, 1, 1, rows);
}

void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH b = CreateSolidBrush(colour);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

// Cells are 32 × 24, so that patterns aligned to the device origin fall alike in every cell.
TEST(Brushes, PatternsHatchesInversionAndEdgesDrawTheirPixels) {
    HBITMAP dot = OneDot(0, 0);
    HBRUSH origin = CreatePatternBrush(dot);
    Canvas c(4 * 32, 3 * 24);
    DrawCells(c, 32, 24, 4, {
        [](HDC dc) {  // monochrome bits take the text and background colours
            HBITMAP bm = OneDot(2, 5);
            HBRUSH br = CreatePatternBrush(bm);
            DeleteObject(bm);  // the brush keeps its own copy
            SetTextColor(dc, kRed);
            SetBkColor(dc, kBlue);
            RECT r{0, 0, 16, 16};
            FillRect(dc, &r, br);
            DeleteObject(br);
        },
        [&](HDC dc) {  // the pattern starts at the device origin, not at the rectangle
            RECT r{3, 3, 21, 21};
            FillRect(dc, &r, origin);
        },
        [&](HDC dc) {  // unless the brush origin moves it
            POINT org;
            GetViewportOrgEx(dc, &org);
            SetBrushOrgEx(dc, org.x + 5, org.y + 2, nullptr);
            RECT r{3, 3, 21, 21};
            FillRect(dc, &r, origin);
            SetBrushOrgEx(dc, 0, 0, nullptr);
        },
        [&](HDC dc) {  // a viewport origin moves the drawing but not the pattern
            OffsetViewportOrgEx(dc, 3, 3, nullptr);
            RECT all{-3, -3, 21, 21};
            FillRect(dc, &all, origin);
        },
        [](HDC dc) {  // hatches in the brush colour: over blue left alone, then on a white background
            Fill(dc, RECT{0, 0, 32, 24}, kBlue);
            const int styles[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
            for (int i = 0; i < 6; ++i) {
                HBRUSH br = CreateHatchBrush(styles[i], kRed);
                SetBkMode(dc, TRANSPARENT);
                const RECT tile{i % 3 * 8, i / 3 * 8, i % 3 * 8 + 8, i / 3 * 8 + 8};
                FillRect(dc, &tile, br);
                SetBkMode(dc, OPAQUE);
                SetBkColor(dc, kWhite);
                const RECT strip{i % 3 * 8, 16 + i / 3 * 4, i % 3 * 8 + 8, 20 + i / 3 * 4};
                FillRect(dc, &strip, br);
                DeleteObject(br);
            }
            EXPECT_EQ(CreateHatchBrush(6, kBlack), nullptr);
        },
        [](HDC dc) {  // pattern inversion once and twice, a pattern copy, and the destination inverted
            Fill(dc, RECT{0, 0, 32, 24}, RGB(40, 90, 200));
            HBRUSH br = CreateSolidBrush(RGB(0xFF, 0x0F, 0x00));
            HGDIOBJ old = SelectObject(dc, br);
            PatBlt(dc, 2, 2, 8, 8, PATINVERT);
            PatBlt(dc, 2, 2, 8, 8, PATINVERT);
            PatBlt(dc, 12, 2, 8, 8, PATINVERT);
            PatBlt(dc, 0, 12, 4, 4, PATCOPY);
            PatBlt(dc, 16, 12, 16, 12, DSTINVERT);
            EXPECT_FALSE(PatBlt(dc, 0, 0, 4, 4, SRCCOPY));  // needs a source
            SelectObject(dc, old);
            DeleteObject(br);
        },
        [](HDC dc) {  // inverted once, and twice (restored); right and bottom exclusive
            Fill(dc, RECT{0, 0, 32, 24}, RGB(1, 2, 3));
            RECT once{1, 1, 5, 4}, twice{10, 1, 14, 4};
            InvertRect(dc, &once);
            InvertRect(dc, &twice);
            InvertRect(dc, &twice);
        },
        [](HDC dc) {  // the dotted focus frame, and removed by a second call
            RECT once{2, 2, 12, 9}, twice{2, 12, 12, 19};
            DrawFocusRect(dc, &once);
            DrawFocusRect(dc, &twice);
            DrawFocusRect(dc, &twice);
        },
        [](HDC dc) {  // raised and sunken edges: the dark side owns the corners it shares
            Fill(dc, RECT{0, 0, 32, 24}, kBlue);
            RECT r{0, 0, 10, 10}, s{12, 10, 22, 20};
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
            DrawEdge(dc, &s, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
            EXPECT_EQ(std::make_pair(s.left, s.bottom), std::make_pair(LONG{14}, LONG{18}));
        },
        [](HDC dc) {  // an edge follows colour changes; with no top edge the middle reaches the top
            const int index = COLOR_3DDKSHADOW;
            const COLORREF green = RGB(0, 200, 0);
            SetSysColors(1, &index, &green);
            RECT r{0, 0, 10, 10};
            DrawEdge(dc, &r, EDGE_RAISED, BF_BOTTOM | BF_MIDDLE);
            ResetSysColors();
        },
        [](HDC dc) {  // a system colour brush follows the table and survives being deleted
            HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
            const int index = COLOR_BTNFACE;
            const COLORREF pink = RGB(250, 100, 200);
            SetSysColors(1, &index, &pink);
            RECT r{0, 0, 4, 4}, after{8, 0, 12, 4};
            FillRect(dc, &r, face);
            ResetSysColors();
            EXPECT_TRUE(DeleteObject(face));  // refused quietly: it stays usable
            FillRect(dc, &after, face);
        },
    });
    DeleteObject(origin);
    DeleteObject(dot);
    ExpectExactlyReference(c, "platform/win/reference/brushes.png");
}

}  // namespace
