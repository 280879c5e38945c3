#pragma once
// Periods: a whole number of drive ticks, 1 to 65535, written and read in seconds, milliseconds or
// ticks. The drive's KRX takes the tick count; users see the value in the unit they chose.
#include <string_view>

#include "host/mckernel/setup.h"
#include "platform/framework/cstring.h"

constexpr int CMC_MinPeriodTicks = 1;
constexpr int CMC_MaxPeriodTicks = 65535;

enum class CMC_PeriodError { None, NotANumber, UnknownUnit, TooShort, TooLong };

// "s", "ms", "ticks" for the units 0 to 2; the index of a name, -1 for an unknown one.
const char* CMC_PeriodUnitName(int nUnit) noexcept;
int CMC_FindPeriodUnit(std::string_view name) noexcept;

// Reads "2", "2.5 ms", "8 ticks". Without a unit the value is in nSelectedUnit. On success the
// tick count (rounded to the nearest tick) and the unit read (or nSelectedUnit) are set.
CMC_PeriodError CMC_ReadPeriod(std::string_view text, long long tickNanoseconds, int nSelectedUnit,
                               int& nTicks, int& nUnit);

// The exact decimal value of a tick count in a unit, without trailing zeros: "2", "0.25", "8".
CString CMC_FormatPeriod(int nTicks, long long tickNanoseconds, int nUnit);

// An explanation of a reading error for the user, e.g. "\"x\" is not a number".
CString CMC_DescribePeriodError(CMC_PeriodError error, std::string_view text, long long tickNanoseconds);
