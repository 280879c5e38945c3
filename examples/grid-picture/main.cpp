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

// An image pixel (0x00RRGGBB) against a colour (0x00BBGGRR).
bool IsColor(const PngImage& image, CPoint pt, COLORREF color) {
    const unsigned rgb = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    return (image.At(pt.x, pt.y) & 0xFFFFFF) == rgb;
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

    // A title row whose equal texts merge into one cell across the three columns.
    grid.SetMergeCellsMode(gxnMergeEvalOnDisplay, false);
    CGXFont bold;
    bold.SetBold(true);
    Put(grid, CGXRange(1, 1, 1, 3),
        CGXStyle().SetValue("Readings").SetMergeCell(1).SetHorizontalAlignment(1).SetFont(bold).SetInterior(kTitleColor));
    // Values, one of them right-aligned in red.
    grid.SetValueRange(CGXRange(2, 1, 2, 1), "Axis");
    grid.SetValueRange(CGXRange(2, 2, 2, 2), "Position");
    Put(grid, CGXRange(2, 3, 2, 3), CGXStyle().SetValue("12.5").SetHorizontalAlignment(2).SetTextColor(RGB(200, 0, 0)));
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
    // What the picture shows: the title's colour where the lines between its columns would be,
    // and the covered block's colour where its inner lines would cross.
    const CRect title = grid.CalcRangeRect(CGXRange(1, 1, 1, 3));
    const CRect block = grid.CalcRangeRect(CGXRange(3, 1, 4, 2));
    const CRect a3 = grid.CalcCellRect(3, 1);
    Check(IsColor(image, CPoint(grid.CalcCellRect(1, 1).right - 1, title.top + 3), kTitleColor),
          "the title is one cell across its columns");
    Check(IsColor(image, CPoint(a3.right - 1, a3.bottom - 1), kCoveredColor), "the covered block has no inner lines");
    Check(IsColor(image, CPoint(block.right - 4, block.bottom - 4), kCoveredColor), "the covered block is filled");

    Check(WritePng(dc.GetSafeHdc(), path), "the PNG is written");
    PngImage written;
    Check(ReadPng(path, written) && written.width == kWidth && written.height == kHeight, "the PNG reads back");

    std::printf("%s: %lu rows, %lu columns, C2 = \"%s\", covered A3:B4 = \"%s\", %s\n", path,
                static_cast<unsigned long>(grid.GetRowCount()), static_cast<unsigned long>(grid.GetColCount()),
                grid.GetValueRowCol(2, 3).GetString(), grid.GetValueRowCol(3, 1).GetString(),
                g_failures == 0 ? "all checks hold" : "CHECKS FAILED");
    return g_failures == 0 ? 0 : 1;
}
