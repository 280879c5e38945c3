#pragma once
// The strings a host supplies to the grid engine: the host program's own table.
#include "grid/style/styles_map.h"
#include "host/resources/host_resources.h"

// The host's strings, and the face map built outside the measured runs.
inline void PrepareHost() {
    host_resources::RegisterForProcess();
    CGXFont().SetFaceName("Arial");
}

// A styles map with the standard styles, as the archive targets read styles against.
inline CGXStylesMap* NewStandardStylesMap() {
    PrepareHost();
    auto* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    return pMap;
}
