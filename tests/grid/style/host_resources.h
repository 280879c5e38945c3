#pragma once
// The strings a host supplies to the grid engine, registered as a host module of the test's own.
#include "grid/style/styles_map.h"
#include "platform/framework/resources.h"

namespace test_host {
inline int g_moduleTag;
inline HMODULE Module() { return reinterpret_cast<HMODULE>(&g_moduleTag); }

inline const AFX_STRING_RESOURCE kStrings[] = {
    {GX_IDS_STYLE_STANDARD, "Standard"},
    {GX_IDS_STYLE_ROWHEADER, "Row Header"},
    {GX_IDS_STYLE_COLHEADER, "Column Header"},
    {52513, "Static Text"},
    {52523, "Check Box"},
    {51019, "Checked Text"},
    {51020, "Unchecked Text"},
};

// Registered once per test program, before any test runs, for as long as the program runs.
struct Resources {
    CStringTableRegistration registration{Module(), kStrings};
};
inline Resources g_resources;
}  // namespace test_host
