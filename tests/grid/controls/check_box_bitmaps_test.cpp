// The check box's strips: colours that follow the system colours, the print strip while
// printing, strips a host does not have, a cell narrower than the box, and where the box goes.
#include <memory>

#include "controls_fixture.h"
#include "grid/controls/style_drawing.h"
#include "platform/win/module_resources.h"

namespace {

using namespace control_test;

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kShadow = 0x808080;  // the 3-D box's outer top and left edge
const CRect kCell{10, 10, 110, 40};
const CPoint kBoxAt{13, 13};  // three pixels in

// A strip of the host's under an identifier no host uses, for as long as the object lives.
struct OwnStrip {
    CModuleRegistration module{"CheckBoxTestStrips"};
    explicit OwnStrip(UINT nID) {
        const std::vector<BYTE> strip = host_resources::CheckBoxStrip(true);
        AddModuleResource(module, RT_BITMAP, MAKEINTRESOURCEA(nID), strip.data(), static_cast<DWORD>(strip.size()));
    }
};

TEST_F(ControlsFixture, BoxFollowsTheSystemColoursAndPrintsTheFlatStripBlackOnWhite) {
    Store(2, 1, CGXStyle().SetValue("1"));
    const int nIndices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF colours[] = {RGB(255, 255, 0), RGB(0, 0, 255)};
    ASSERT_TRUE(SetSysColors(2, nIndices, colours));
    pBox->OnSysColorChange();
    DrawCell(pBox, 2, 1, kCell);
    EXPECT_EQ(Pixel(kBoxAt.x + 9, kBoxAt.y + 9), RGB(255, 255, 0));  // inside
    EXPECT_EQ(Pixel(kBoxAt.x + 5, kBoxAt.y + 7), RGB(0, 0, 255));    // mark
    EXPECT_EQ(Pixel(kBoxAt.x, kBoxAt.y), kShadow);

    grid.GetProperties()->SetPrinting(true);
    DrawCell(pBox, 2, 1, kCell);
    grid.GetProperties()->SetPrinting(false);
    EXPECT_EQ(ImageAt(dc, kBoxAt), kChecked);
    EXPECT_EQ(Pixel(kBoxAt.x, kBoxAt.y), GetSysColor(COLOR_WINDOWFRAME) & 0xFFFFFF);  // a flat frame
}

TEST_F(ControlsFixture, MissingPrintStripIsSkippedAndPrintingShowsTheScreenBox) {
    OwnStrip own(4243);
    const auto pOwn = std::make_unique<CGXCheckBox>(&grid, true, 4243, 4244);  // 4244 exists nowhere
    EXPECT_TRUE(pOwn->LoadBitmaps());
    Store(2, 1, CGXStyle().SetValue("1"));
    grid.GetProperties()->SetPrinting(true);
    DrawCell(pOwn.get(), 2, 1, kCell);
    grid.GetProperties()->SetPrinting(false);
    EXPECT_EQ(ImageAt(dc, kBoxAt), kChecked);
    EXPECT_EQ(Pixel(kBoxAt.x, kBoxAt.y), kShadow);
}

TEST_F(ControlsFixture, MissingScreenStripDrawsNoBoxButTheCaptionAndIsLookedForAgain) {
    const auto pOwn = std::make_unique<CGXCheckBox>(&grid, true, 4245);
    Store(2, 1, CGXStyle().SetValue("1").SetChoicesList("Enable"));
    DrawCell(pOwn.get(), 2, 1, kCell);
    EXPECT_EQ(Pixel(kBoxAt.x, kBoxAt.y), kMagenta);
    bool bCaption = false;
    for (int x = kCell.left + 19; x < kCell.right; ++x)
        for (int y = kCell.top; y < kCell.bottom; ++y) bCaption = bCaption || Pixel(x, y) != kMagenta;
    EXPECT_TRUE(bCaption);

    OwnStrip own(4245);
    DrawCell(pOwn.get(), 2, 1, kCell);
    EXPECT_EQ(ImageAt(dc, kBoxAt), kChecked);
}

TEST_F(ControlsFixture, NarrowCellShowsTheLeftPartOfTheBoxUnscaled) {
    Store(2, 1, CGXStyle().SetValue("0"));
    DrawCell(pBox, 2, 1, CRect(10, 10, 18, 40));
    const int y = 10 + 3 + 10;  // a row of the box below the mark
    EXPECT_EQ(Pixel(10, y), kShadow);
    EXPECT_EQ(Pixel(11, y), 0u);                  // the dark inner edge
    EXPECT_EQ(Pixel(17, y), RGB(255, 255, 255));  // the inside, at its own size
    EXPECT_EQ(Pixel(18, y), kMagenta);            // nothing beyond the cell
}

// ---- where the box goes --------------------------------------------------------------------------

struct PlacementCase {
    const char* name;
    CRect rect;
    UINT nAlign;
    CRect box;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

const PlacementCase kPlacements[] = {
    {"default_three_pixels_in", {0, 0, 100, 30}, 0, {3, 3, 16, 16}},
    {"right", {0, 0, 100, 30}, DT_RIGHT, {87, 3, 100, 16}},
    {"bottom", {0, 0, 100, 30}, DT_BOTTOM, {3, 17, 16, 30}},
    {"centred_in_the_middle", {20, 40, 120, 58}, DT_CENTER | DT_VCENTER, {63, 42, 76, 55}},
    {"narrow_clipped", {0, 0, 10, 10}, 0, {0, 0, 10, 10}},
    {"barely_wider_centred_stays_left", {0, 0, 14, 14}, DT_CENTER, {0, 1, 13, 14}},
    {"narrow_right_stays_left", {0, 0, 10, 30}, DT_RIGHT, {0, 3, 10, 16}},
};

struct CheckBoxPlacementTest : ControlsFixture, ::testing::WithParamInterface<PlacementCase> {};

TEST_P(CheckBoxPlacementTest, BoxLiesWhereTheAlignmentPutsIt) {
    EXPECT_EQ(pBox->ComputeBoxRect(&dc, GetParam().rect, "", GetParam().nAlign), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Alignments, CheckBoxPlacementTest, ::testing::ValuesIn(kPlacements), CaseName<PlacementCase>);

TEST_F(ControlsFixture, CaptionTakesRoomAfterTheBox) {
    const int nText = dc.GetTextExtent(CString("Enable")).cx;
    EXPECT_EQ(pBox->ComputeBoxRect(&dc, CRect(0, 0, 200, 40), "Enable", DT_RIGHT).left, 200 - (13 * 3 / 2 + nText));
    // A cell sized for it holds the box, the widest line and every line of the caption.
    CGXStyle style;
    grid.ComposeStyleRowCol(2, 1, &style);
    style.SetChoicesList("Enable\nDisable\nReset");
    TEXTMETRIC tm{};
    CGXStyleFont font(grid, &dc, style);
    dc.GetTextMetrics(&tm);
    const CSize size = pBox->CalcSize(&dc, 2, 1, style, grid.GetStandardStyle(), false);
    EXPECT_GE(size.cx, 19 + dc.GetTextExtent(CString("Disable")).cx);
    EXPECT_EQ(size.cy, std::max<int>(17, 3 * (tm.tmHeight + tm.tmExternalLeading + 1)));
}

}  // namespace
