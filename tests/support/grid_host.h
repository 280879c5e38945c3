#pragma once
// The resources the host program supplies to the grid engine, registered for the test program
// before any test runs (global fixtures may make styles maps and properties too).
#include "host/resources/host_resources.h"

namespace grid_host {
inline const bool g_registered = (host_resources::RegisterForProcess(), true);
}  // namespace grid_host
