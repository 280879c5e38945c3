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
