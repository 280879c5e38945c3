// The demo grid's table without a window: the cells it computes, how a computed cell combines with
// a style it is merged into, and that its rows cost the data store nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "host/krxhost/demo_grid_model.h"
#include "host/resources/host_resources.h"

namespace {

// Values are shown with two decimals, rounded: half a hundredth off, and a little for the binary.
constexpr double kShown = 0.006;

struct DemoGridModel : ::testing::Test {
    DemoGrid grid{1000000};
    void SetUp() override {
        host_resources::RegisterForProcess();
        grid.Initialize();
    }
    double Number(ROWCOL r, ROWCOL c) { return std::atof(grid.GetValueRowCol(r, c).GetString()); }
};

}  // namespace

TEST_F(DemoGridModel, ComputedRowsAgreeWithTheirReadings) {
    for (ROWCOL r : {ROWCOL{4}, ROWCOL{5}, ROWCOL{777777}, ROWCOL{1000000}}) {
        double lo = 100, hi = 0, sum = 0;
        for (ROWCOL c = DemoGrid::kFirstReadingCol; c <= DemoGrid::kLastReadingCol; ++c) {
            const double v = DemoGrid::Reading(r, c);
            ASSERT_GE(v, 0.0);
            ASSERT_LT(v, 100.0);
            EXPECT_NEAR(Number(r, c), v, kShown) << r << "," << c;
            lo = std::min(lo, v), hi = std::max(hi, v), sum += v;
        }
        EXPECT_NEAR(Number(r, 9), lo, kShown);
        EXPECT_NEAR(Number(r, 10), hi, kShown);
        const double mean = sum / 6;
        EXPECT_NEAR(Number(r, 11), mean, kShown);
        CGXStyle status;
        grid.ComposeStyleRowCol(r, 12, &status);
        EXPECT_STREQ(status.GetValue().GetString(), mean >= 60 ? "high" : mean < 40 ? "low" : "ok");
        EXPECT_TRUE(status.GetIncludeTextColor());
    }
    // Neighbouring cells differ: the readings are not one value.
    EXPECT_NE(DemoGrid::Reading(4, 3), DemoGrid::Reading(4, 4));
    EXPECT_NE(DemoGrid::Reading(4, 3), DemoGrid::Reading(5, 3));
    EXPECT_STREQ(grid.GetValueRowCol(1000000, 1).GetString(), "999997");
    EXPECT_STREQ(grid.GetValueRowCol(4, 2).GetString(), "Sample A");
    EXPECT_STREQ(grid.GetValueRowCol(31, 2).GetString(), "Sample AB");
    // Stored rows keep what they store; nothing lies beyond the last row and column.
    EXPECT_STREQ(grid.GetValueRowCol(2, 12).GetString(), "Status");
    EXPECT_STREQ(grid.GetValueRowCol(1, 3).GetString(), "Readings (mV)");
    EXPECT_TRUE(grid.GetValueRowCol(1000001, 1).IsEmpty());
    EXPECT_TRUE(grid.GetValueRowCol(4, DemoGrid::kCols + 1).IsEmpty());
    EXPECT_STREQ(grid.GetValueRowCol(0, 12).GetString(), "L");
}

TEST_F(DemoGridModel, AComputedCellCombinesLikeAStoredOne) {
    CGXStyle style;
    style.SetValue("kept").SetInterior(RGB(1, 2, 3));
    ASSERT_TRUE(grid.GetStyleRowCol(10, 1, style, ModifyMode::ApplyNew));
    EXPECT_STREQ(style.GetValue().GetString(), "kept");
    ASSERT_TRUE(grid.GetStyleRowCol(10, 1, style, ModifyMode::Override));
    EXPECT_STREQ(style.GetValue().GetString(), "7");
    EXPECT_EQ(style.GetInterior().GetColor(), RGB(1, 2, 3)) << "row 10 is an odd sample: no band";
    ASSERT_TRUE(grid.GetStyleRowCol(10, 1, style, ModifyMode::Copy));
    EXPECT_FALSE(style.GetIncludeInterior());
    // Row and column styles are looked up as stored: the computed cells are cells only.
    CGXStyle column;
    ASSERT_TRUE(grid.GetStyleRowCol(0, 3, column, ModifyMode::Copy, gxRangeStyle));
    EXPECT_EQ(column.GetHorizontalAlignment(), DWORD{DT_RIGHT});
    EXPECT_FALSE(column.GetIncludeValue());
}

TEST_F(DemoGridModel, AMillionRowsStoreOnlyTheStyledOnes) {
    CGXStyle style;
    for (ROWCOL r = 1; r <= 1000000; r += 997) grid.ComposeStyleRowCol(r, 5, &style);
    EXPECT_LE(grid.GetData()->GetCells().GetSize(), 4) << "rows 1 to 3 store cells, no other";
    EXPECT_EQ(grid.GetRowCount(), 1000000u);
}
