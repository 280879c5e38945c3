#include "platform/framework/collections.h"

#include <climits>
#include <new>

#include "platform/framework/archive.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)

void CDWordArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(m_items.size());
        ar.WriteExact(m_items.data(), m_items.size() * sizeof(DWORD));
        return;
    }
    const ULONGLONG nCount = ar.ReadCount();
    // Each value needs its 4 bytes in the data before the array is grown for it.
    if (nCount > ar.GetRemaining() / sizeof(DWORD)) AfxThrowArchiveException(CArchiveException::endOfFile);
    if (nCount > static_cast<ULONGLONG>(INT_MAX)) AfxThrowArchiveException(CArchiveException::genericException);
    Resize(static_cast<size_t>(nCount));
    ar.ReadExact(m_items.data(), m_items.size() * sizeof(DWORD));
}

struct POSITION_node {
    POSITION_node* pPrev;
    POSITION_node* pNext;
    void* data;
};

CPtrList::CPtrList(int nBlockSize) : m_nBlockSize(nBlockSize) {}

CPtrList::~CPtrList() { RemoveAll(); }

POSITION CPtrList::NewNode(void* p, POSITION pPrev, POSITION pNext) {
    POSITION pNode = nullptr;
    try {
        pNode = new POSITION_node{pPrev, pNext, p};
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    (pPrev != nullptr ? pPrev->pNext : m_pHead) = pNode;
    (pNext != nullptr ? pNext->pPrev : m_pTail) = pNode;
    ++m_nCount;
    return pNode;
}

void* CPtrList::GetHead() const noexcept { return m_pHead != nullptr ? m_pHead->data : nullptr; }
void* CPtrList::GetTail() const noexcept { return m_pTail != nullptr ? m_pTail->data : nullptr; }
POSITION CPtrList::AddHead(void* p) { return NewNode(p, nullptr, m_pHead); }
POSITION CPtrList::AddTail(void* p) { return NewNode(p, m_pTail, nullptr); }

void CPtrList::AddTail(CPtrList* pOther) {
    if (pOther == nullptr) return;
    // Counted first, so that adding a list to itself ends.
    int n = pOther->GetCount();
    for (POSITION pos = pOther->GetHeadPosition(); pos != nullptr && n-- > 0;) AddTail(pOther->GetNext(pos));
}

void* CPtrList::RemoveHead() noexcept {
    if (m_pHead == nullptr) return nullptr;
    void* p = m_pHead->data;
    RemoveAt(m_pHead);
    return p;
}

void* CPtrList::RemoveTail() noexcept {
    if (m_pTail == nullptr) return nullptr;
    void* p = m_pTail->data;
    RemoveAt(m_pTail);
    return p;
}

void CPtrList::RemoveAll() noexcept {
    while (m_pHead != nullptr) {
        POSITION pNext = m_pHead->pNext;
        delete m_pHead;
        m_pHead = pNext;
    }
    m_pTail = nullptr;
    m_nCount = 0;
}

POSITION CPtrList::GetHeadPosition() const noexcept { return m_pHead; }
POSITION CPtrList::GetTailPosition() const noexcept { return m_pTail; }

void* CPtrList::GetNext(POSITION& pos) const noexcept {
    if (pos == nullptr) return nullptr;
    void* p = pos->data;
    pos = pos->pNext;
    return p;
}

void* CPtrList::GetPrev(POSITION& pos) const noexcept {
    if (pos == nullptr) return nullptr;
    void* p = pos->data;
    pos = pos->pPrev;
    return p;
}

void* CPtrList::GetAt(POSITION pos) const noexcept { return pos != nullptr ? pos->data : nullptr; }

void CPtrList::SetAt(POSITION pos, void* p) noexcept {
    if (pos != nullptr) pos->data = p;
}

void CPtrList::RemoveAt(POSITION pos) noexcept {
    if (pos == nullptr) return;
    (pos->pPrev != nullptr ? pos->pPrev->pNext : m_pHead) = pos->pNext;
    (pos->pNext != nullptr ? pos->pNext->pPrev : m_pTail) = pos->pPrev;
    delete pos;
    --m_nCount;
}

POSITION CPtrList::InsertBefore(POSITION pos, void* p) {
    return pos == nullptr ? AddHead(p) : NewNode(p, pos->pPrev, pos);
}

POSITION CPtrList::InsertAfter(POSITION pos, void* p) {
    return pos == nullptr ? AddTail(p) : NewNode(p, pos, pos->pNext);
}

POSITION CPtrList::Find(void* p, POSITION pStartAfter) const noexcept {
    for (POSITION pos = pStartAfter != nullptr ? pStartAfter->pNext : m_pHead; pos != nullptr; pos = pos->pNext)
        if (pos->data == p) return pos;
    return nullptr;
}

POSITION CPtrList::FindIndex(int nIndex) const noexcept {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    POSITION pos = m_pHead;
    while (nIndex-- > 0) pos = pos->pNext;
    return pos;
}
