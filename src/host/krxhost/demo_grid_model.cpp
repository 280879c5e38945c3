// The demo grid's table: its layout and stored styles, and the cells computed from their row and
// column.
#include "host/krxhost/demo_grid_model.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "grid/controls/check_box.h"
#include "grid/controls/push_button.h"
#include "grid/controls/static_control.h"

namespace {

// Column widths in pixels, A to N: number, name, six readings, minimum, maximum, mean, status,
// a check box and a push button.
constexpr int kColWidths[DemoGrid::kCols] = {56, 112, 58, 58, 58, 58, 58, 58, 58, 58, 58, 64, 64, 72};

// The group titles of the frozen row; equal neighbouring titles merge into one cell.
struct TitleGroup {
    ROWCOL nFirst, nLast;
    const char* pszTitle;
    COLORREF interior;
};
constexpr TitleGroup kTitles[] = {
    {1, 2, "Sample", RGB(31, 73, 125)},
    {3, 8, "Readings (mV)", RGB(49, 112, 94)},
    {9, 12, "Summary", RGB(128, 64, 96)},
    {13, 14, "Review", RGB(96, 96, 32)},
};

const char* const kColTitles[DemoGrid::kCols] = {"No.",  "Name", "Ch 1", "Ch 2", "Ch 3",    "Ch 4",  "Ch 5",
                                                 "Ch 6", "Min",  "Max",  "Mean", "Status", "Checked", "Action"};

constexpr COLORREF kBand = RGB(238, 243, 250);  // every other computed row

CGXFont Bold(int nPoints = 0) {
    CGXFont font;
    font.SetBold(true);
    if (nPoints > 0) font.SetSize(nPoints);
    return font;
}

// The showcase row: one cell for each thing a style can change.
void StoreShowcase(CGXGridCore& grid, ROWCOL nRow) {
    auto store = [&](ROWCOL nCol, const CGXStyle& style) { grid.StoreStyleRowCol(nRow, nCol, &style, ModifyMode::Copy); };
    store(1, CGXStyle().SetValue("top left").SetHorizontalAlignment(DT_LEFT).SetVerticalAlignment(DT_TOP));
    store(2, CGXStyle()
                 .SetValue("Wrapped text breaks at the spaces between its words")
                 .SetWrapText(true)
                 .SetHorizontalAlignment(DT_LEFT)
                 .SetVerticalAlignment(DT_TOP)
                 .SetInterior(RGB(255, 249, 196)));
    store(3, CGXStyle().SetValue("centre").SetHorizontalAlignment(DT_CENTER).SetVerticalAlignment(DT_VCENTER));
    store(4, CGXStyle().SetValue("bottom right").SetWrapText(true).SetHorizontalAlignment(DT_RIGHT).SetVerticalAlignment(DT_BOTTOM));
    store(5, CGXStyle().SetValue("Bold").SetFont(Bold()).SetVerticalAlignment(DT_VCENTER));
    store(6, CGXStyle().SetValue("Italic").SetFont(CGXFont().SetItalic(true)).SetVerticalAlignment(DT_VCENTER));
    store(7, CGXStyle().SetValue("Big").SetFont(CGXFont().SetSize(16)).SetVerticalAlignment(DT_VCENTER));
    store(8, CGXStyle().SetValue("Serif").SetFont(CGXFont().SetFaceName("Times New Roman").SetSize(11)).SetVerticalAlignment(DT_VCENTER));
    store(9, CGXStyle()
                 .SetValue("red")
                 .SetInterior(RGB(192, 32, 32))
                 .SetTextColor(RGB(255, 255, 255))
                 .SetHorizontalAlignment(DT_CENTER)
                 .SetVerticalAlignment(DT_VCENTER));
    store(10, CGXStyle()
                  .SetValue("green")
                  .SetInterior(RGB(200, 236, 200))
                  .SetHorizontalAlignment(DT_CENTER)
                  .SetVerticalAlignment(DT_VCENTER));
    const StylePen blue = StylePen().SetColor(RGB(0, 64, 224)).SetWidth(2);
    store(11, CGXStyle()
                  .SetValue("border")
                  .SetBorders(gxBorderAll, blue)
                  .SetHorizontalAlignment(DT_CENTER)
                  .SetVerticalAlignment(DT_VCENTER));
    store(12, CGXStyle()
                  .SetValue("under")
                  .SetFont(CGXFont().SetUnderline(true))
                  .SetTextColor(RGB(0, 0, 192))
                  .SetHorizontalAlignment(DT_CENTER)
                  .SetVerticalAlignment(DT_VCENTER));
}

}  // namespace

void DemoGrid::Initialize() {
    CGXGridWnd::Initialize();
    // The first control registered is the default one: it draws every cell, whatever its style
    // names, until the other controls arrive.
    RegisterControl(GX_IDS_CTRL_STATIC, new CGXStatic(this), true);
    RegisterControl(GX_IDS_CTRL_CHECKBOX3D, new CGXCheckBox(this, true));
    RegisterControl(GX_IDS_CTRL_PUSHBTN, new CGXPushbutton(this));

    CGXData* pData = GetData();
    pData->SetRowCount(m_nRows);
    pData->SetColCount(kCols);
    SetMergeCellsMode(gxnMergeEvalOnDisplay, false);
    SetFrozenRows(1, 0, GX_INVALIDATE, gxNoRecord);

    // The row headers are wide enough for the last row's number.
    int nDigits = 1;
    for (ROWCOL n = m_nRows; n >= 10; n /= 10) ++nDigits;
    SetColWidth(0, 0, (nDigits + 1) * GetBaseCharWidth(), nullptr, GX_INVALIDATE, gxNoRecord);
    for (ROWCOL c = 1; c <= kCols; ++c) SetColWidth(c, c, kColWidths[c - 1], nullptr, GX_INVALIDATE, gxNoRecord);
    const int nLine = GetBaseCharHeight();
    SetRowHeight(1, 1, nLine + 10, nullptr, GX_INVALIDATE, gxNoRecord);
    if (m_nRows >= 3) SetRowHeight(3, 3, 3 * nLine + 8, nullptr, GX_INVALIDATE, gxNoRecord);

    // Numbers stand right, statuses in the middle: column styles, so no row pays for them.
    for (ROWCOL c = 1; c <= kCols; ++c) {
        CGXStyle column;
        column.SetHorizontalAlignment(c >= kStatusCol ? DT_CENTER : c == 2 ? DT_LEFT : DT_RIGHT);
        StoreStyleRowCol(0, c, &column, ModifyMode::Copy, gxRangeStyle);
    }
    StoreStyledRows();
    // The bars were set for the empty table the window's initialisation saw.
    UpdateScrollbars(true, false);
}

void DemoGrid::StoreStyledRows() {
    // The frozen row: group titles, merged across their columns because neighbours are equal.
    for (const TitleGroup& group : kTitles) {
        CGXStyle title;
        title.SetValue(group.pszTitle)
            .SetMergeCell(1)
            .SetInterior(group.interior)
            .SetTextColor(RGB(255, 255, 255))
            .SetFont(Bold(10))
            .SetHorizontalAlignment(DT_CENTER)
            .SetVerticalAlignment(DT_VCENTER);
        for (ROWCOL c = group.nFirst; c <= group.nLast; ++c) StoreStyleRowCol(1, c, &title, ModifyMode::Copy);
    }
    if (m_nRows >= 2) {
        const StylePen rule = StylePen().SetColor(RGB(64, 64, 64));
        for (ROWCOL c = 1; c <= kCols; ++c) {
            CGXStyle title;
            title.SetValue(kColTitles[c - 1])
                .SetFont(Bold())
                .SetInterior(RGB(226, 226, 226))
                .SetBorders(gxBorderBottom, rule)
                .SetHorizontalAlignment(DT_CENTER);
            StoreStyleRowCol(2, c, &title, ModifyMode::Copy);
        }
    }
    if (m_nRows >= 3) StoreShowcase(*this, 3);
}

double DemoGrid::Reading(ROWCOL nRow, ROWCOL nCol) noexcept {
    // A mixing function spreads neighbouring cells over the whole range.
    uint64_t x = (uint64_t{nRow} << 32 | nCol) + 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    return static_cast<double>(x % 10000) / 100.0;
}

void DemoGrid::ComputeCell(ROWCOL nRow, ROWCOL nCol, CGXStyle& style) const {
    char text[32];
    const ROWCOL nSample = nRow - kFirstComputedRow + 1;
    double lo = 100.0, hi = 0.0, sum = 0.0;
    if (nCol > kLastReadingCol) {
        for (ROWCOL c = kFirstReadingCol; c <= kLastReadingCol; ++c) {
            const double v = Reading(nRow, c);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            sum += v;
        }
    }
    const double mean = sum / static_cast<double>(kLastReadingCol - kFirstReadingCol + 1);
    switch (nCol) {
    case 1:
        std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(nSample));
        style.SetValue(text);
        break;
    case 2:
        style.SetValue("Sample " + GetColumnLetters(nSample));
        break;
    case 9:
    case 10:
    case 11:
        std::snprintf(text, sizeof text, "%.2f", nCol == 9 ? lo : nCol == 10 ? hi : mean);
        style.SetValue(text);
        break;
    case kCheckCol:
        style.SetControlId(GX_IDS_CTRL_CHECKBOX3D).SetValue("0");
        break;
    case kButtonCol:
        style.SetControlId(GX_IDS_CTRL_PUSHBTN).SetChoicesList("Report");
        break;
    case kStatusCol:
        style.SetValue(mean >= 60.0 ? "high" : mean < 40.0 ? "low" : "ok");
        style.SetTextColor(mean >= 60.0 ? RGB(192, 0, 0) : mean < 40.0 ? RGB(0, 0, 192) : RGB(0, 128, 0));
        break;
    default:
        std::snprintf(text, sizeof text, "%.2f", Reading(nRow, nCol));
        style.SetValue(text);
        break;
    }
    if (nSample % 2 == 0) style.SetInterior(kBand);
}

bool DemoGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, ModifyMode mode, int nType) {
    if (nType != gxCellStyle || nRow < kFirstComputedRow || nRow > GetRowCount() || nCol < 1 || nCol > kCols)
        return CGXGridWnd::GetStyleRowCol(nRow, nCol, style, mode, nType);
    // What the user stored in a computed cell (a check box ticked) lies over what is computed.
    CGXStyle computed;
    ComputeCell(nRow, nCol, computed);
    CGXGridWnd::GetStyleRowCol(nRow, nCol, computed, ModifyMode::Override, nType);
    if (mode == ModifyMode::Copy) style = computed;
    else style.ChangeStyle(computed, mode);
    return true;
}

void DemoGrid::OnCellButtonClicked(ROWCOL nRow, ROWCOL nCol) {
    CGXGridWnd::OnCellButtonClicked(nRow, nCol);
    if (nCol == kButtonCol) std::fprintf(stderr, "demo-grid: the button of row %lu was pressed\n", static_cast<unsigned long>(nRow));
}
