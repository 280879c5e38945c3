#pragma once
// The host's resources, and the name of the user property the tests register, for as long as the
// program runs.
#include "grid/properties/properties.h"
#include "grid/style/styles_map.h"
#include "platform/framework/resources.h"
#include "support/grid_host.h"

namespace grid_host {
inline int g_testModuleTag;
inline const AFX_STRING_RESOURCE kTestStrings[] = {{51100, "Test Property"}};
inline CStringTableRegistration g_testStrings{reinterpret_cast<HMODULE>(&g_testModuleTag), kTestStrings};
}  // namespace grid_host
