#pragma once
// The host strings the styles map reads names from.
#include "grid/style/styles_map.h"
#include "platform/framework/resources.h"

inline void RegisterHostStrings() {
    static int tag;
    static const AFX_STRING_RESOURCE strings[] = {
        {GX_IDS_STYLE_STANDARD, "Standard"}, {GX_IDS_STYLE_ROWHEADER, "Row Header"},
        {GX_IDS_STYLE_COLHEADER, "Column Header"}, {51019, "Checked"}, {52513, "Static"}};
    AfxRegisterStringTable(reinterpret_cast<HMODULE>(&tag), strings, sizeof strings / sizeof strings[0]);
}

// A styles map with the standard styles, as the archive targets read styles against; the face
// map is built here, outside the measured runs.
inline CGXStylesMap* NewStandardStylesMap() {
    RegisterHostStrings();
    auto* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    CGXFont().SetFaceName("Arial");
    return pMap;
}
