#pragma once
// The face map: for every installed font family, the font type (high byte) and character set
// (low byte) that setting that face gives a font. Built once, from the families fontconfig knows.
#include "grid/style/coll_map.h"

enum : WORD { GX_RASTER_FONTTYPE = 0x0001, GX_DEVICE_FONTTYPE = 0x0002, GX_TRUETYPE_FONTTYPE = 0x0004 };

const CGXCollMapStringToWord& GXGetFaceNameMap();
// The character set of a face: the low byte of its map entry, 0 for a face not in the map.
BYTE GXGetFaceCharSet(const char* pszFaceName);
