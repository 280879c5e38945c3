#include "grid/data/style_ptr_arrays.h"

IMPLEMENT_DYNAMIC(CGXStylePtrArray, CObject)
IMPLEMENT_DYNAMIC(CGXStylePtrArrayPtrArray, CObject)

void CGXStylePtrArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        GXArrayArchive::WriteHead(ar, GetSize());
        ForEach([&](int i, CGXStyle* p) {
            ar << static_cast<DWORD>(i);
            ar.WriteObject(p);
        });
        GXArrayArchive::WriteEnd(ar);
        return;
    }
    GXArrayArchive in;
    in.nLength = GXArrayArchive::ReadHead(ar);
    CGXStylePtrArray read;
    for (int nIndex; (nIndex = in.ReadIndex(ar)) >= 0;) {
        bool bNew = false;
        CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CGXStyle), &bNew);
        if (pObject == nullptr) continue;
        // Each slot owns its style: a reference back to a style read before gets its own copy.
        auto* pStyle = static_cast<CGXStyle*>(pObject);
        read.SetAtGrow(nIndex, bNew ? pStyle : pStyle->Clone());
    }
    Swap(read);
}

void CGXStylePtrArray::CopyFrom(const CGXStylePtrArray& other) {
    CGXStylePtrArray copy;
    other.ForEach([&](int i, const CGXStyle* p) { copy.SetAtGrow(i, p->Clone()); });
    Swap(copy);
}

void CGXStylePtrArrayPtrArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        GXArrayArchive::WriteHead(ar, GetSize());
        ForEach([&](int i, CGXStylePtrArray* p) {
            ar << static_cast<DWORD>(i);
            p->Serialize(ar);
        });
        GXArrayArchive::WriteEnd(ar);
        return;
    }
    GXArrayArchive in;
    in.nLength = GXArrayArchive::ReadHead(ar);
    CGXStylePtrArrayPtrArray read;
    for (int nIndex; (nIndex = in.ReadIndex(ar)) >= 0;) {
        auto pRow = std::make_unique<CGXStylePtrArray>();
        pRow->Serialize(ar);
        if (!pRow->IsEmpty()) read.SetAtGrow(nIndex, pRow.release());
    }
    Swap(read);
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
