#include "host/mckernel/period.h"

#include <cmath>

#include "host/mckernel/excerpt.h"
#include "host/mckernel/quantity.h"

namespace {
constexpr const char* kUnitNames[CMC_UnitCount] = {"s", "ms", "ticks"};

long long UnitNanoseconds(int nUnit, long long tickNanoseconds) noexcept {
    switch (nUnit) {
        case CMC_UnitSeconds: return 1000000000LL;
        case CMC_UnitMilliseconds: return 1000000LL;
        default: return tickNanoseconds;
    }
}
}  // namespace

const char* CMC_PeriodUnitName(int nUnit) noexcept {
    return nUnit >= 0 && nUnit < CMC_UnitCount ? kUnitNames[nUnit] : "";
}

int CMC_FindPeriodUnit(std::string_view name) noexcept {
    for (int i = 0; i < CMC_UnitCount; ++i)
        if (name == kUnitNames[i]) return i;
    return -1;
}

CMC_PeriodError CMC_ReadPeriod(std::string_view text, long long tickNanoseconds, int nSelectedUnit,
                               int& nTicks, int& nUnit) {
    CMC_Quantity quantity;
    if (!CMC_ParseQuantity(text, quantity)) return CMC_PeriodError::NotANumber;
    int unit = nSelectedUnit;
    if (!quantity.unit.empty()) {
        unit = CMC_FindPeriodUnit(quantity.unit);
        if (unit < 0) return CMC_PeriodError::UnknownUnit;
    }
    double ticks = quantity.value * static_cast<double>(UnitNanoseconds(unit, tickNanoseconds)) /
                   static_cast<double>(tickNanoseconds);
    // Compared before rounding, so that huge and infinite values never reach the integer
    // conversion; NaN cannot occur (no such number is read).
    if (ticks < CMC_MinPeriodTicks - 0.5) return CMC_PeriodError::TooShort;
    if (ticks >= CMC_MaxPeriodTicks + 0.5) return CMC_PeriodError::TooLong;
    nTicks = static_cast<int>(std::lround(ticks));
    nUnit = unit;
    return CMC_PeriodError::None;
}

CString CMC_FormatPeriod(int nTicks, long long tickNanoseconds, int nUnit) {
    CString text;
    if (nUnit == CMC_UnitTicks || nUnit < 0 || nUnit >= CMC_UnitCount) {
        text.Format("%d", nTicks);
        return text;
    }
    // Seconds and milliseconds are powers of ten of nanoseconds, so the value is an exact decimal.
    long long ns = static_cast<long long>(nTicks) * tickNanoseconds;
    long long unitNs = UnitNanoseconds(nUnit, tickNanoseconds);
    text.Format("%lld", ns / unitNs);
    long long fraction = ns % unitNs;
    if (fraction != 0) {
        int digits = 0;
        for (long long u = unitNs; u > 1; u /= 10) ++digits;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        text.AppendFormat(".%0*lld", digits, fraction);
    }
    return text;
}

CString CMC_DescribePeriodError(CMC_PeriodError error, std::string_view text, long long tickNanoseconds) {
    CString tick = CMC_FormatPeriod(1, tickNanoseconds, CMC_UnitMilliseconds);
    CString longest = CMC_FormatPeriod(CMC_MaxPeriodTicks, tickNanoseconds, CMC_UnitMilliseconds);
    CString quoted = CMC_Excerpt(CMC_TrimSpace(text));
    switch (error) {
        case CMC_PeriodError::None: return CString();
        case CMC_PeriodError::NotANumber:
            return FormatString("\"%s\" is not a number", quoted.GetString());
        case CMC_PeriodError::UnknownUnit:
            return FormatString("\"%s\" has an unknown unit (the units are s, ms and ticks)", quoted.GetString());
        case CMC_PeriodError::TooShort:
            return FormatString("\"%s\" is shorter than one tick (%s ms)", quoted.GetString(), tick.GetString());
        case CMC_PeriodError::TooLong:
            return FormatString("\"%s\" is longer than %d ticks (%s ms)", quoted.GetString(),
                                CMC_MaxPeriodTicks, longest.GetString());
    }
    return CString();
}
