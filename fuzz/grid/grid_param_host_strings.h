#pragma once
// The host strings the grid's styles map and properties read names from.
#include "grid/properties/properties.h"
#include "grid/style/styles_map.h"
#include "platform/framework/resources.h"

inline void RegisterGridParamHostStrings() {
    static int tag;
    static const AFX_STRING_RESOURCE strings[] = {
        {GX_IDS_STYLE_STANDARD, "Standard"},      {GX_IDS_STYLE_ROWHEADER, "Row Header"},
        {GX_IDS_STYLE_COLHEADER, "Column Header"}, {GX_IDS_COLOR_GRIDLINES, "Grid Lines"},
        {GX_IDS_COLOR_SECOND, "Second Color"},     {GX_IDS_COLOR_THIRD, "Third Color"},
        {GX_IDS_COLOR_BACKGROUND, "Background"},   {GX_IDS_COLOR_DRAGLINES, "Drag Lines"},
        {GX_IDS_UP_CURRENTCELLFRAME, "Frame"},     {GX_IDS_FRAME_SOLIDTHIN, "Thin"},
        {GX_IDS_FRAME_SOLIDTHICK, "Thick"},        {GX_IDS_FRAME_NONE, "None"},
        {GX_IDS_FRAME_INVERTTHICK, "Inverted"},    {GX_IDS_FRAME_INVERTTHIN, "Inverted Thin"}};
    AfxRegisterStringTable(reinterpret_cast<HMODULE>(&tag), strings, sizeof strings / sizeof strings[0]);
}
