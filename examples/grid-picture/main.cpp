// grid_picture: builds a small grid without a window (a title row merged across its columns, a
// covered block, coloured and bold cells), draws it into an off-screen image, writes that as a PNG
// and checks what it shows. Exits 0 when every check holds.
//
//   grid_picture [OUT.png]        (default grid-picture.png)
#include <cstdio>

#include "grid/controls/static_control.h"
#include "grid/core/grid_core.h"
#include "host/resources/host_resources.h"
#include "platform/framework/dc.h"
#include "platform/win/png_writer.h"

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 100;
constexpr COLORREF kTitleColor = RGB(255, 255, 200);
constexpr COLORREF kCoveredColor = RGB(200, 220, 255);

int g_failures = 0;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "grid_picture: check failed: %s\n", what);
        ++g_failures;
    }
}

// Whether the 3 by 3 pixels around pt (0x00RRGGBB) all have the colour (0x00BBGGRR): no line
// crosses them, whichever side of a cell's edge the grid draws its lines on.
bool IsArea(const PngImage& image, CPoint pt, COLORREF color) {
    const unsigned rgb = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int y = pt.y - 1; y <= pt.y + 1; ++y)
        for (int x = pt.x - 1; x <= pt.x + 1; ++x)
            if ((image.At(x, y) & 0xFFFFFF) != rgb) return false;
    return true;
}

// Stores a style into every cell of a range, over what the cells had.
void Put(CGXGridCore& grid, const CGXRange& range, const CGXStyle& style) {
    grid.SetStyleRange(range, &style, static_cast<int>(ModifyMode::Override));
}

}  // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "grid-picture.png";

    // This program is the engine's host: it supplies the standard resources (style and control
    // names, check box bitmaps, the grid window class) before any grid is made.
    host_resources::RegisterForProcess();

    CGXGridCore grid;
    grid.Initialize();
    grid.SetGridRect(CRect(0, 0, kWidth, kHeight));
    grid.RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(&grid), true);
    grid.SetRowCount(5);
    grid.SetColCount(3);

    // A title row whose equal texts merge into one cell across the three columns (merge bit 1:
    // along the row).
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, false);
    CGXFont bold;
    bold.SetBold(true);
    Put(grid, CGXRange(1, 1, 1, 3),
        CGXStyle().SetValue("Readings").SetMergeCell(1).SetHorizontalAlignment(DT_CENTER).SetFont(bold).SetInterior(kTitleColor));
    // Values, one of them right-aligned in red.
    grid.SetValueRange(CGXRange(2, 1, 2, 1), "Axis");
    grid.SetValueRange(CGXRange(2, 2, 2, 2), "Position");
    Put(grid, CGXRange(2, 3, 2, 3), CGXStyle().SetValue("12.5").SetHorizontalAlignment(DT_RIGHT).SetTextColor(RGB(200, 0, 0)));
    // A block of two rows and two columns covered by its top-left cell.
    grid.SetCoveredCellsRowCol(3, 1, 4, 2);
    Put(grid, CGXRange(3, 1, 3, 1), CGXStyle().SetValue("Covered").SetInterior(kCoveredColor));

    CDC dc;
    if (!dc.CreateImage(kWidth, kHeight)) {
        std::fprintf(stderr, "grid_picture: no image of %d by %d pixels\n", kWidth, kHeight);
        return 1;
    }
    grid.DrawGrid(&dc);
    const PngImage image = CapturePixels(dc.GetSafeHdc());

    // What the grid holds.
    Check(grid.GetValueRowCol(2, 3) == "12.5", "C2 reads back");
    const CGXRange* covered = grid.GetCoveredCellsRowCol(4, 2);
    Check(covered != nullptr && covered->top == 3 && covered->left == 1 && covered->bottom == 4 && covered->right == 2,
          "B4 is covered by A3:B4");
    // What the picture shows: no line between the title's columns, and none where the inner lines
    // of the covered block would cross. The headers, which nothing covers, say where those are.
    const int nTitleY = grid.CalcCellRect(1, 0).top + 3;
    const int nColB = grid.CalcCellRect(0, 2).left;
    const int nColC = grid.CalcCellRect(0, 3).left;
    const int nRow4 = grid.CalcCellRect(4, 0).top;
    Check(IsArea(image, CPoint(nColC, nTitleY), kTitleColor), "the title is one cell across its columns");
    Check(IsArea(image, CPoint(nColB, nRow4), kCoveredColor), "the covered block is one cell");

    Check(WritePng(dc.GetSafeHdc(), path), "the PNG is written");
    PngImage written;
    Check(ReadPng(path, written) && written.width == kWidth && written.height == kHeight, "the PNG reads back");

    std::printf("%s: %lu rows, %lu columns, C2 = \"%s\", covered A3:B4 = \"%s\", %s\n", path,
                static_cast<unsigned long>(grid.GetRowCount()), static_cast<unsigned long>(grid.GetColCount()),
                grid.GetValueRowCol(2, 3).GetString(), grid.GetValueRowCol(3, 1).GetString(),
                g_failures == 0 ? "all checks hold" : "CHECKS FAILED");
    return g_failures == 0 ? 0 : 1;
}
