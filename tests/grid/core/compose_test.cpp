// The composed style of a cell: which of the cell's, row's, column's, table's, base styles',
// header styles' and standard style's attributes wins, the header texts, and the value-only
// composition.
#include <gtest/gtest.h>

#include "core_fixture.h"

using core_test::CoreFixture;

namespace {

struct ComposeTest : CoreFixture {
    WORD wBase = 0;
    WORD wBaseOfBase = 0;

    void SetUp() override {
        CoreFixture::SetUp();
        SetSize(10, 10);
        grid.GetParam()->SetHeaderRows(1);  // rows 0 and 1 are headers
        grid.GetParam()->SetHeaderCols(1);
        // A base style whose own base style also says something.
        CGXStyle s;
        s.SetTextColor(RGB(0, 0, 3)).SetMaxLength(3);
        wBaseOfBase = grid.GetStylesMap()->RegisterStyle("Base of base", s, false);
        s.Free();
        s.SetTextColor(RGB(0, 0, 2)).SetBaseStyle(wBaseOfBase);
        wBase = grid.GetStylesMap()->RegisterStyle("Base", s, false);
    }
    void Store(ROWCOL r, ROWCOL c, int nType, const CGXStyle& s) {
        ASSERT_TRUE(grid.StoreStyleRowCol(r, c, &s, ModifyMode::Override, nType));
    }
    CGXStyle Compose(ROWCOL r, ROWCOL c, bool bStandard = true) {
        CGXStyle s;
        grid.ComposeStyleRowCol(r, c, &s, bStandard);
        return s;
    }
};

}  // namespace

TEST_F(ComposeTest, EachLevelWinsOverTheLevelsBelowIt) {
    // Every level sets the horizontal alignment to its own number; a cell shows the number of the
    // nearest level that reaches it.
    const DWORD kCell = 10, kRow = 11, kCol = 12, kTable = 13;
    Store(5, 5, gxCellStyle, CGXStyle().SetHorizontalAlignment(kCell));
    Store(5, 0, gxRangeStyle, CGXStyle().SetHorizontalAlignment(kRow));
    Store(6, 0, gxRangeStyle, CGXStyle().SetHorizontalAlignment(kRow));
    Store(0, 5, gxRangeStyle, CGXStyle().SetHorizontalAlignment(kCol));
    Store(0, 7, gxRangeStyle, CGXStyle().SetHorizontalAlignment(kCol));
    Store(0, 0, gxRangeStyle, CGXStyle().SetHorizontalAlignment(kTable).SetBaseStyle(wBase));
    const struct {
        ROWCOL r, c;
        DWORD nAlign;
    } cases[] = {
        {5, 5, kCell},   // cell over row, column, table
        {6, 5, kRow},    // row over column
        {7, 7, kCol},    // column over table
        {8, 8, kTable},  // table over the standard style's 0
        {9, 9, kTable},
        {1, 5, 1},       // header row 1: no column or table style, the column header's centring
        {5, 1, 0},       // header column 1: no row or table style, the standard style's left
        {0, 7, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Compose(c.r, c.c).GetHorizontalAlignment(), c.nAlign) << c.r << "," << c.c;
}

TEST_F(ComposeTest, BaseStyleChainNearestFirstAndOverHeaders) {
    // A base style the map does not know is as good as none.
    Store(4, 4, gxCellStyle, CGXStyle().SetBaseStyle(999).SetMaxLength(9));
    EXPECT_EQ(Compose(4, 4).GetTextColor(), Compose(4, 3).GetTextColor());
    EXPECT_EQ(Compose(4, 4).GetMaxLength(), 9);
    ASSERT_TRUE(grid.StoreStyleRowCol(4, 4, nullptr, ModifyMode::Copy));
    // The table names the base style; its text colour wins over its own base style's, and the
    // base style of the base style fills in what neither says.
    Store(0, 0, gxRangeStyle, CGXStyle().SetBaseStyle(wBase));
    CGXStyle s = Compose(4, 4);
    EXPECT_EQ(s.GetTextColor(), RGB(0, 0, 2));
    EXPECT_EQ(s.GetMaxLength(), 3);
    // A header cell naming a base style gets the base style's colour over the header's interior
    // and font; the standard style completes it.
    Store(0, 3, gxCellStyle, CGXStyle().SetBaseStyle(wBase).SetInterior(RGB(1, 2, 3)));
    s = Compose(0, 3);
    EXPECT_EQ(s.GetTextColor(), RGB(0, 0, 2));
    EXPECT_EQ(s.GetInterior().GetColor(), RGB(1, 2, 3));
    ASSERT_NE(s.GetFont(), nullptr);
    EXPECT_TRUE(s.GetFont()->GetBold());
}

TEST_F(ComposeTest, HeaderCellsTakeTheHeaderStyles) {
    // The corner has both: the column header's centred bold font and the row header's control.
    CGXStyle corner = Compose(0, 0);
    EXPECT_EQ(corner.GetHorizontalAlignment(), 1u);
    EXPECT_EQ(corner.GetVerticalAlignment(), 4u);
    ASSERT_NE(corner.GetFont(), nullptr);
    EXPECT_TRUE(corner.GetFont()->GetBold());
    EXPECT_EQ(corner.GetControlId(), GX_IDS_CTRL_HEADER);
    // A row header is not bold; a data cell has the standard style's control.
    ASSERT_NE(Compose(3, 0).GetFont(), nullptr);
    EXPECT_FALSE(Compose(3, 0).GetFont()->GetBold());
    EXPECT_EQ(Compose(3, 3).GetControlId(), GX_IDS_CTRL_EDIT);
    // Without the standard style only what the levels said is there.
    CGXStyle bare = Compose(3, 3, false);
    EXPECT_TRUE(bare.IsEmpty());
}

TEST_F(ComposeTest, HeaderTextsAndStoredValues) {
    EXPECT_EQ(CString(grid.GetValueRowCol(0, 1)), "A");
    EXPECT_EQ(CString(grid.GetValueRowCol(0, 27)), "AA");
    EXPECT_EQ(CString(grid.GetValueRowCol(7, 0)), "7");
    EXPECT_EQ(CString(grid.GetValueRowCol(0, 0)), "");
    Store(0, 2, gxCellStyle, CGXStyle().SetValue("Enable"));
    EXPECT_EQ(CString(grid.GetValueRowCol(0, 2)), "Enable");
    grid.GetParam()->SetNumberedColHeaders(false);
    grid.GetParam()->SetNumberedRowHeaders(false);
    EXPECT_EQ(CString(grid.GetValueRowCol(0, 1)), "");
    EXPECT_EQ(CString(grid.GetValueRowCol(7, 0)), "");
}

TEST_F(ComposeTest, ValueOnlyCompositionStopsAtTheCellsValue) {
    // A value of the cell itself ends the composition; one of the row is found through it.
    Store(4, 0, gxRangeStyle, CGXStyle().SetValue("row"));
    EXPECT_EQ(CString(grid.GetValueRowCol(4, 4)), "row");
    Store(4, 4, gxCellStyle, CGXStyle().SetValue("cell"));
    EXPECT_EQ(CString(grid.GetValueRowCol(4, 4)), "cell");
    // The switch does not leak into a full composition afterwards.
    EXPECT_EQ(Compose(4, 4).GetControlId(), GX_IDS_CTRL_EDIT);
}

TEST(ColumnLetters, BijectiveBaseTwentySix) {
    const struct {
        ROWCOL nCol;
        const char* psz;
    } cases[] = {{1, "A"},      {26, "Z"},      {27, "AA"},      {52, "AZ"},      {702, "ZZ"},
                 {703, "AAA"},  {729, "ABA"},   {18278, "ZZZ"},  {18279, "AAAA"}, {0xFFFFFFFE, "MWLQKWT"}};
    for (const auto& c : cases) EXPECT_EQ(CString(CGXGridCore::GetColumnLetters(c.nCol)), c.psz) << c.nCol;
}
