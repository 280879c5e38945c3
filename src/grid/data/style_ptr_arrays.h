#pragma once
// The data store's arrays: CGXStylePtrArray, owned cell (or row, or column) styles by index, and
// CGXStylePtrArrayPtrArray, owned row arrays of cell styles by row. Both are sparse, so memory
// follows the stored styles, not the grid's size.
#include "grid/data/ptr_arrays.h"
#include "grid/style/style.h"

class CGXStylePtrArray : public CGXOwnedPtrArray<CGXStyle> {
    DECLARE_DYNAMIC(CGXStylePtrArray)
public:
    // Schema 1: 16 bits schema, 32 bits length, per stored style its 32-bit index and an object
    // reference to it, then 0xFFFFFFFF. Reading keeps the array as long as its last stored style;
    // a damaged archive leaves the array as it was.
    void Serialize(CArchive& ar) override;
    // A copy with every style cloned.
    void CopyFrom(const CGXStylePtrArray& other);
};

class CGXStylePtrArrayPtrArray : public CGXOwnedPtrArray<CGXStylePtrArray> {
    DECLARE_DYNAMIC(CGXStylePtrArrayPtrArray)
public:
    // As CGXStylePtrArray, but each stored row is followed by its row array's own form rather
    // than by an object reference. A row array that holds no style is not kept.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CGXStylePtrArrayPtrArray& other);
};
