#pragma once
// The strings a host supplies to the grid engine: the host program's own table.
#include "grid/style/styles_map.h"
#include "host/resources/host_resources.h"

inline void RegisterHostStrings() { host_resources::RegisterForProcess(); }

// A styles map with the standard styles, as the archive targets read styles against; the face
// map is built here, outside the measured runs.
inline CGXStylesMap* NewStandardStylesMap() {
    RegisterHostStrings();
    auto* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    CGXFont().SetFaceName("Arial");
    return pMap;
}
