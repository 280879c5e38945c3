#include <gtest/gtest.h>

#include "host/mckernel/parameter.h"
#include "host/mckernel/period.h"

TEST(Period, ValuesPrintAsExactDecimalsWithoutTrailingZeros) {
    const long long tick = 250000;  // 0.25 ms
    EXPECT_EQ(CMC_FormatPeriod(8, tick, CMC_UnitMilliseconds), "2");
    EXPECT_EQ(CMC_FormatPeriod(1, tick, CMC_UnitMilliseconds), "0.25");
    EXPECT_EQ(CMC_FormatPeriod(1, tick, CMC_UnitSeconds), "0.00025");
    EXPECT_EQ(CMC_FormatPeriod(8, tick, CMC_UnitSeconds), "0.002");
    EXPECT_EQ(CMC_FormatPeriod(65535, tick, CMC_UnitSeconds), "16.38375");
    EXPECT_EQ(CMC_FormatPeriod(8, tick, CMC_UnitTicks), "8");
    // A tick of 0.1 ms: repeated decimal fractions in binary must not show up.
    EXPECT_EQ(CMC_FormatPeriod(3, 100000, CMC_UnitMilliseconds), "0.3");
    EXPECT_EQ(CMC_FormatPeriod(7, 1, CMC_UnitMilliseconds), "0.000007");
}

TEST(Period, ParameterChangesOnlyOnSuccess) {
    CMC_Setup setup;
    setup.SetPeriodDefinition({250000, 4, CMC_UnitMilliseconds});
    CMC_Parameter p(setup);
    CString error;
    EXPECT_FALSE(p.SetValueText("5 min", error));
    EXPECT_FALSE(error.IsEmpty());
    EXPECT_EQ(p.GetTicks(), 4);
    EXPECT_FALSE(p.SetTicks(0));
    EXPECT_FALSE(p.SetTicks(65536));
    EXPECT_FALSE(p.SelectUnit(3));
    EXPECT_EQ(p.GetSelectedUnit(), "ms");
    ASSERT_TRUE(p.SetValueText("3 ticks", error));
    EXPECT_TRUE(error.IsEmpty());
    EXPECT_EQ(p.GetSelectedUnit(), "ticks");
    EXPECT_EQ(p.PrintValueForKRX(), "3");
    ASSERT_TRUE(p.SelectUnit(CMC_UnitMilliseconds));
    EXPECT_EQ(p.PrintValue(), "0.75");
}
