// The check box's strips: the host's two bitmaps, colours that follow the system colours, the
// print strip while printing, strips a host does not have, and where the box goes in a cell.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "check_box_fixture.h"
#include "grid/controls/style_drawing.h"
#include "platform/framework/dialog.h"
#include "platform/win/dib.h"
#include "platform/win/module_resources.h"
#include "platform/win/sys_colors.h"

namespace {

using namespace control_test;

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kDarkGrey = 0x808080;

struct CheckBoxBitmapTest : CheckBoxFixture {
    CDC dc;
    const CRect cell{10, 10, 110, 40};

    void SetUp() override {
        CheckBoxFixture::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(dc.CreateImage(120, 50));
        dc.FillSolidRect(CRect(0, 0, 120, 50), kMagenta);
    }
    void TearDown() override {
        ResetSysColors();
        if (CGXProperties* p = grid.GetProperties()) p->SetPrinting(false);
    }
    COLORREF Pixel(int x, int y) const { return dc.GetPixel(x, y) & 0xFFFFFF; }
    // The box of the cell rectangle above: three pixels in.
    CPoint BoxAt() const { return cell.TopLeft() + CPoint(3, 3); }
};

TEST_F(CheckBoxBitmapTest, HostSuppliesBothStripsAsFiveImagesInTheColoursThatAreMapped) {
    for (const UINT nID : {GX_IDB_CHECKBOX_3D, GX_IDB_CHECKBOX_FLAT}) {
        const HMODULE hModule = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), RT_BITMAP);
        ASSERT_NE(hModule, nullptr) << nID;
        const HRSRC hRes = FindResourceA(hModule, MAKEINTRESOURCEA(nID), RT_BITMAP);
        DibView view;
        const char* error = nullptr;
        ASSERT_TRUE(DibFromPacked(LockResource(LoadResource(hModule, hRes)), SizeofResource(hModule, hRes), view, &error))
            << error;
        EXPECT_EQ(view.width, 65);
        EXPECT_EQ(view.height, 13);
        EXPECT_GT(view.numColors, 0);  // a colour table, whose entries the control maps
    }
}

TEST_F(CheckBoxBitmapTest, BoxFollowsTheSystemColoursAndPrintsBlackOnWhite) {
    Store(2, 1, CGXStyle().SetValue("1"));
    const int nIndices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF colours[] = {RGB(255, 255, 0), RGB(0, 0, 255)};
    ASSERT_TRUE(SetSysColors(2, nIndices, colours));
    pBox->OnSysColorChange();
    DrawCell(pBox, dc, 2, 1, cell);
    const CPoint box = BoxAt();
    EXPECT_EQ(Pixel(box.x + 9, box.y + 9), RGB(255, 255, 0));  // inside: the window's colour
    EXPECT_EQ(Pixel(box.x + 5, box.y + 7), RGB(0, 0, 255));    // mark: the window text's
    EXPECT_EQ(Pixel(box.x, box.y), kDarkGrey);                  // the 3-D box's shadow stays

    // Printing takes the flat strip, black on white, whatever the screen's colours are.
    grid.GetProperties()->SetPrinting(true);
    DrawCell(pBox, dc, 2, 1, cell);
    EXPECT_EQ(Pixel(box.x + 9, box.y + 9), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(box.x + 5, box.y + 7), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(box.x, box.y), GetSysColor(COLOR_WINDOWFRAME) & 0xFFFFFF);  // a one-pixel frame
    EXPECT_EQ(ImageAt(dc, box), kChecked);
}

// A strip of its own under an identifier no host uses.
struct OwnStrip {
    CModuleRegistration module{"CheckBoxTestStrips"};
    void Add(UINT nID) {
        const std::vector<BYTE> strip = host_resources::CheckBoxStrip(true);
        ASSERT_TRUE(AddModuleResource(module, RT_BITMAP, MAKEINTRESOURCEA(nID), strip.data(),
                                      static_cast<DWORD>(strip.size())));
    }
};

TEST_F(CheckBoxBitmapTest, MissingPrintStripIsSkippedAndPrintingShowsTheScreenBox) {
    OwnStrip own;
    own.Add(4243);
    const auto pOwn = std::make_unique<CGXCheckBox>(&grid, true, 4243, 4244);  // 4244 exists nowhere
    EXPECT_TRUE(pOwn->LoadBitmaps());
    Store(2, 1, CGXStyle().SetValue("1"));
    grid.GetProperties()->SetPrinting(true);
    DrawCell(pOwn.get(), dc, 2, 1, cell);
    EXPECT_EQ(ImageAt(dc, BoxAt()), kChecked);
    EXPECT_EQ(Pixel(BoxAt().x, BoxAt().y), kDarkGrey);  // the screen's 3-D strip
}

TEST_F(CheckBoxBitmapTest, MissingScreenStripDrawsNoBoxButTheCaptionAndIsLookedForAgain) {
    const auto pOwn = std::make_unique<CGXCheckBox>(&grid, true, 4245);
    EXPECT_FALSE(pOwn->LoadBitmaps());
    Store(2, 1, CGXStyle().SetValue("1").SetChoicesList("Enable"));
    DrawCell(pOwn.get(), dc, 2, 1, cell);
    EXPECT_EQ(Pixel(BoxAt().x, BoxAt().y), kMagenta);
    bool bCaption = false;
    for (int x = cell.left + 19; x < cell.right && !bCaption; ++x)
        for (int y = cell.top; y < cell.bottom && !bCaption; ++y) bCaption = Pixel(x, y) != kMagenta;
    EXPECT_TRUE(bCaption);

    OwnStrip own;
    own.Add(4245);
    DrawCell(pOwn.get(), dc, 2, 1, cell);
    EXPECT_EQ(ImageAt(dc, BoxAt()), kChecked);
}

TEST_F(CheckBoxBitmapTest, NarrowCellShowsTheLeftPartOfTheBoxUnscaled) {
    Store(2, 1, CGXStyle().SetValue("0"));
    const CRect narrow(10, 10, 18, 40);
    DrawCell(pBox, dc, 2, 1, narrow);
    const int y = 10 + 3 + 10;  // a row of the box below the mark
    EXPECT_EQ(Pixel(10, y), kDarkGrey);         // outer shadow
    EXPECT_EQ(Pixel(11, y), 0u);                // inner frame
    EXPECT_EQ(Pixel(17, y), RGB(255, 255, 255));  // inside, at its natural size
    EXPECT_EQ(Pixel(18, y), kMagenta);          // nothing beyond the cell
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
    {"centred", {0, 0, 100, 30}, DT_CENTER, {43, 3, 56, 16}},
    {"right", {0, 0, 100, 30}, DT_RIGHT, {87, 3, 100, 16}},
    {"middle", {0, 0, 100, 30}, DT_VCENTER, {3, 8, 16, 21}},
    {"bottom", {0, 0, 100, 30}, DT_BOTTOM, {3, 17, 16, 30}},
    {"offset_cell", {20, 40, 120, 58}, DT_CENTER | DT_VCENTER, {63, 42, 76, 55}},
    {"narrow_clipped", {0, 0, 10, 10}, 0, {0, 0, 10, 10}},
    {"barely_wider_centred_stays_left", {0, 0, 14, 14}, DT_CENTER, {0, 1, 13, 14}},
    {"narrow_right_stays_left", {0, 0, 10, 30}, DT_RIGHT, {0, 3, 10, 16}},
};

struct CheckBoxPlacementTest : CheckBoxFixture, ::testing::WithParamInterface<PlacementCase> {};

TEST_P(CheckBoxPlacementTest, BoxLiesWhereTheAlignmentPutsIt) {
    CDC image;
    ASSERT_TRUE(image.CreateImage(10, 10));
    const PlacementCase& c = GetParam();
    EXPECT_EQ(pBox->ComputeBoxRect(&image, c.rect, "", c.nAlign), c.box);
}

INSTANTIATE_TEST_SUITE_P(Alignments, CheckBoxPlacementTest, ::testing::ValuesIn(kPlacements),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckBoxBitmapTest, CaptionMovesTheBoxLeftOfItsTextAndAsksForItsRoom) {
    CGXStyle style;
    grid.ComposeStyleRowCol(2, 1, &style);
    CGXStyleFont font(grid, &dc, style);
    const int nText = dc.GetTextExtent(CString("Enable")).cx;
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    const int nLine = tm.tmHeight + tm.tmExternalLeading;
    // Right-aligned, the box leaves room for half a box and the caption after it.
    const CRect box = pBox->ComputeBoxRect(&dc, CRect(0, 0, 200, 40), "Enable", DT_RIGHT);
    EXPECT_EQ(box.left, 200 - (13 * 3 / 2 + nText));

    // The size a cell asks for holds the box, the caption's widest line and all its lines.
    style.SetChoicesList("Enable\nDisable\nReset");
    const CSize size = pBox->CalcSize(&dc, 2, 1, style, grid.GetStandardStyle(), false);
    EXPECT_GE(size.cx, 19 + dc.GetTextExtent(CString("Disable")).cx);
    EXPECT_EQ(size.cy, std::max(17, 3 * (nLine + 1)));
    style.SetChoicesList("");
    EXPECT_EQ(pBox->CalcSize(&dc, 2, 1, style, grid.GetStandardStyle(), false).cy, std::max(17, nLine + 1));
}

}  // namespace
