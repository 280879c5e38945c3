#pragma once
// The strings a host supplies to the grid's properties and styles map, registered as a host module
// of the test's own for as long as the program runs.
#include "grid/properties/properties.h"
#include "grid/style/styles_map.h"
#include "platform/framework/resources.h"

namespace grid_host {
inline int g_moduleTag;
inline HMODULE Module() { return reinterpret_cast<HMODULE>(&g_moduleTag); }

inline const AFX_STRING_RESOURCE kStrings[] = {
    {GX_IDS_STYLE_STANDARD, "Standard"},
    {GX_IDS_STYLE_ROWHEADER, "Row Header"},
    {GX_IDS_STYLE_COLHEADER, "Column Header"},
    {GX_IDS_COLOR_GRIDLINES, "Grid Lines"},
    {GX_IDS_COLOR_SECOND, "Second Color"},
    {GX_IDS_COLOR_THIRD, "Third Color"},
    {GX_IDS_COLOR_BACKGROUND, "Background"},
    {GX_IDS_COLOR_DRAGLINES, "Drag Lines"},
    {GX_IDS_UP_CURRENTCELLFRAME, "Current Cell Frame"},
    {GX_IDS_FRAME_SOLIDTHIN, "Thin Line"},
    {GX_IDS_FRAME_SOLIDTHICK, "Thick Line"},
    {GX_IDS_FRAME_NONE, "No Frame"},
    {GX_IDS_FRAME_INVERTTHICK, "Inverted Thick"},
    {GX_IDS_FRAME_INVERTTHIN, "Inverted Thin"},
    {51100, "Test Property"},
};

struct Resources {
    CStringTableRegistration registration{Module(), kStrings};
};
// Registered before any test runs, so that global fixtures may make properties too.
inline Resources g_resources;
}  // namespace grid_host
