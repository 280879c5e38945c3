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

TEST(Period, ReadingRoundsToTheNearestTickWithinOneTo65535) {
    int ticks = 0, unit = -1;
    EXPECT_EQ(CMC_ReadPeriod("0.3", 100000, CMC_UnitMilliseconds, ticks, unit), CMC_PeriodError::None);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(unit, CMC_UnitMilliseconds);
    EXPECT_EQ(CMC_ReadPeriod("0.125 ms", 250000, CMC_UnitSeconds, ticks, unit), CMC_PeriodError::None);
    EXPECT_EQ(ticks, 1);  // half a tick rounds up
    EXPECT_EQ(CMC_ReadPeriod("0.12 ms", 250000, CMC_UnitSeconds, ticks, unit), CMC_PeriodError::TooShort);
    EXPECT_EQ(CMC_ReadPeriod("65535.4 ticks", 250000, CMC_UnitSeconds, ticks, unit), CMC_PeriodError::None);
    EXPECT_EQ(ticks, 65535);
    EXPECT_EQ(CMC_ReadPeriod("65535.5 ticks", 250000, CMC_UnitSeconds, ticks, unit), CMC_PeriodError::TooLong);
    EXPECT_EQ(CMC_ReadPeriod(".5 s", 250000, CMC_UnitTicks, ticks, unit), CMC_PeriodError::None);
    EXPECT_EQ(ticks, 2000);
    EXPECT_EQ(unit, CMC_UnitSeconds);
    EXPECT_EQ(CMC_ReadPeriod("2ms", 250000, CMC_UnitSeconds, ticks, unit), CMC_PeriodError::None);
    EXPECT_EQ(ticks, 8);
    for (const char* bad : {"", ".", "ms", "1..2", "1 2", "nan", "inf", "0x10", "1e2", "1,5"})
        EXPECT_EQ(CMC_ReadPeriod(bad, 250000, CMC_UnitSeconds, ticks, unit), CMC_PeriodError::NotANumber) << bad;
    EXPECT_EQ(CMC_ReadPeriod("1 MS", 250000, CMC_UnitSeconds, ticks, unit), CMC_PeriodError::UnknownUnit);
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
