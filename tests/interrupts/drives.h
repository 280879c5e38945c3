#pragma once
// Drives the tests build member by member.
#include <string>

#include "host/mckernel/setup.h"

// A drive with the given interrupt captions, options and protections, and the period variable
// with a 0.25 ms tick when withPeriod is set.
inline CMC_Setup MakeDrive(std::initializer_list<const char*> interrupts, int isLSP, int isLSN, int isIndex,
                           int isIndex2, int nProtections, bool withPeriod) {
    CMC_Setup setup;
    for (const char* caption : interrupts) setup.AddInterrupt(caption);
    for (int i = 0; i < nProtections; ++i) setup.AddSwProtection(CString(("protection " + std::to_string(i)).c_str()));
    setup.SetSwProtectionsMask(CMC_FullMask(nProtections));
    setup.SetIntOption("isLSP", isLSP);
    setup.SetIntOption("isLSN", isLSN);
    setup.SetIntOption("isIndex", isIndex);
    setup.SetIntOption("isIndex2", isIndex2);
    if (withPeriod) setup.AddVariable("KRXINTPER");
    setup.SetPeriodDefinition({250000, 4, CMC_UnitMilliseconds});
    return setup;
}

// A drive with n interrupts, "Software protection" at 0, "Capture" 1, "Limit Switch Positive" 2,
// "Limit Switch Negative" 3, "Time" 4 and numbered ones after them.
inline CMC_Setup MakeWideDrive(int n, int nProtections) {
    CMC_Setup setup = MakeDrive({}, 1, -1, 1, 1, nProtections, true);
    const char* named[] = {"Software protection", "Capture", "Limit Switch Positive", "Limit Switch Negative", "Time"};
    for (int i = 0; i < n; ++i) setup.AddInterrupt(i < 5 ? CString(named[i]) : CString(("Event " + std::to_string(i)).c_str()));
    return setup;
}
