#pragma once
// CGXDIBPool: the bitmaps that cells show by a bitmap reference in their text, "#BMP(12)" for
// the bitmap resource 12 or "#BMP(\"NAME\")" for a named one. Loaded once per process from the
// resource chain as packed device-independent bitmaps in global memory and kept until the pool
// is emptied.
#include <map>
#include <string>

#include "platform/framework/cstring.h"
#include "platform/framework/dc.h"
#include "platform/win/global_memory.h"

class CGXDIBPool {
public:
    // The process's pool, made on first use.
    static CGXDIBPool& Instance();
    ~CGXDIBPool();

    // Whether the text is a bitmap reference ("#BMP(" in any case).
    static bool IsBitmapReference(const char* pszText) noexcept;
    // "#BMP(12)" and "#BMP(\"NAME\")".
    static CString MakeReference(UINT nID);
    static CString MakeReference(const char* pszName);

    // The packed bitmap a reference names; null when the text is no reference, names bitmap 0
    // or a resource that cannot be found or read (the miss is remembered too).
    HGLOBAL LookupOrCreateDIB(const char* pszText);
    void Empty() noexcept;

private:
    std::map<std::string, HGLOBAL> m_map;
};

// A copy of a bitmap resource in a global block of its own (writable, freed with GlobalFree): the
// resource is looked for along the application's resource chain, then in the application's
// resource module. Null when no module has it or its bytes are no device-independent bitmap.
HGLOBAL GXLoadPackedDIB(LPCSTR lpName);

// Draws a packed bitmap in a rectangle. Mode 0 keeps its size: narrower or lower than the
// rectangle it is placed by the DT_ alignment flags (left, DT_CENTER, DT_RIGHT; top, DT_VCENTER,
// DT_BOTTOM); larger, the rectangle shows its left (right-aligned: right) and top (bottom-aligned:
// bottom) part. Mode 1 stretches it to the rectangle.
void GXDrawDIB(CDC* pDC, HGLOBAL hDIB, const CRect& rect, int nMode, UINT nAlign);
// Width and height of a packed bitmap; (0, 0) for none.
CSize GXGetDIBSize(HGLOBAL hDIB);
