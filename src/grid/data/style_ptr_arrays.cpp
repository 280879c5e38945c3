#include "grid/data/style_ptr_arrays.h"

IMPLEMENT_DYNAMIC(CGXStylePtrArray, CObject)
IMPLEMENT_DYNAMIC(CGXStylePtrArrayPtrArray, CObject)

void CGXStylePtrArray::Serialize(CArchive& ar) {
    GXArrayArchive::Serialize(
        *this, ar, [&](CGXStyle* p) { ar.WriteObject(p); },
        [&](CGXStylePtrArray& read, int nIndex) {
            bool bNew = false;
            CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CGXStyle), &bNew);
            if (pObject == nullptr) return;
            // Each slot owns its style: a reference back to a style read before gets its own copy.
            auto* pStyle = static_cast<CGXStyle*>(pObject);
            read.SetAtGrow(nIndex, bNew ? pStyle : pStyle->Clone());
        });
}

void CGXStylePtrArray::CopyFrom(const CGXStylePtrArray& other) {
    CGXStylePtrArray copy;
    other.ForEach([&](int i, const CGXStyle* p) { copy.SetAtGrow(i, p->Clone()); });
    Swap(copy);
}

void CGXStylePtrArrayPtrArray::Serialize(CArchive& ar) {
    GXArrayArchive::Serialize(
        *this, ar, [&](CGXStylePtrArray* p) { p->Serialize(ar); },
        [&](CGXStylePtrArrayPtrArray& read, int nIndex) {
            auto pRow = std::make_unique<CGXStylePtrArray>();
            pRow->Serialize(ar);
            if (!pRow->IsEmpty()) read.SetAtGrow(nIndex, pRow.release());
        });
}

void CGXStylePtrArrayPtrArray::CopyFrom(const CGXStylePtrArrayPtrArray& other) {
    CGXStylePtrArrayPtrArray copy;
    other.ForEach([&](int i, const CGXStylePtrArray* p) {
        auto pRow = std::make_unique<CGXStylePtrArray>();
        pRow->CopyFrom(*p);
        copy.SetAtGrow(i, pRow.release());
    });
    Swap(copy);
}
