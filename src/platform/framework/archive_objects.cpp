// CArchive: object references and class records.
//
// Tags (a WORD): 0 null; 1..7FFE back reference to object number n; 7FFF a DWORD tag follows
// (its high bit marks a class index); 8001..FFFE a new object of class number n & 7FFF; FFFF a
// new class record (WORD schema, WORD name length, the name) and then the new object. Classes and
// objects share one counter from 1, and a new object takes its number before its data is read,
// so that references inside it resolve.
#include <memory>

#include "platform/framework/archive.h"

namespace {
constexpr WORD wNullTag = 0x0000;
constexpr WORD wNewClassTag = 0xFFFF;
constexpr WORD wClassTag = 0x8000;
constexpr WORD wBigObjectTag = 0x7FFF;
constexpr DWORD dwBigClassTag = 0x80000000;
constexpr DWORD nMaxMapCount = 0x3FFFFFFE;
constexpr WORD nMaxClassNameLength = 64;
// Objects hold objects; no stored object nests deeper than this except by damaged data.
constexpr int nMaxDepth = 64;
}  // namespace

DWORD CArchive::NextIndex() {
    if (m_nMapCount >= nMaxMapCount) Fail(CArchiveException::badIndex);
    return m_nMapCount++;
}

UINT CArchive::GetObjectSchema() noexcept {
    UINT n = m_nObjectSchema;
    m_nObjectSchema = 0xFFFFFFFF;
    return n;
}

void CArchive::WriteTag(WORD wSmall, DWORD dwBig, bool bBig) {
    if (!bBig) {
        *this << wSmall;
    } else {
        *this << wBigObjectTag << dwBig;
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
    CheckStoring();
    if (pClassRef == nullptr || !pClassRef->IsSerializable()) AfxThrowNotSupportedException();
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        DWORD n = it->second;
        WriteTag(static_cast<WORD>(wClassTag | n), dwBigClassTag | n, n >= wBigObjectTag);
        return;
    }
    *this << wNewClassTag;
    auto nLength = static_cast<WORD>(std::strlen(pClassRef->m_lpszClassName));
    *this << static_cast<WORD>(pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) << nLength;
    WriteExact(pClassRef->m_lpszClassName, nLength);
    m_storeMap.emplace(pClassRef, NextIndex());
}

void CArchive::WriteObject(const CObject* pOb) {
    CheckStoring();
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        DWORD n = it->second;
        WriteTag(static_cast<WORD>(n), n, n >= wBigObjectTag);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    m_storeMap.emplace(pOb, NextIndex());
    const_cast<CObject*>(pOb)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClassRecord(UINT* pSchema) {
    WORD wSchema, nLength;
    *this >> wSchema >> nLength;
    if (nLength >= nMaxClassNameLength) Fail(CArchiveException::badClass);
    char name[nMaxClassNameLength + 1];
    ReadExact(name, nLength);
    name[nLength] = '\0';
    const CRuntimeClass* pClass = CRuntimeClass::FromName(name);
    if (pClass == nullptr || !pClass->IsSerializable()) Fail(CArchiveException::badClass);
    UINT nClassSchema = pClass->m_wSchema & ~VERSIONABLE_SCHEMA;
    if (nClassSchema != wSchema && !(pClass->m_wSchema & VERSIONABLE_SCHEMA)) Fail(CArchiveException::badSchema);
    LoadEntry entry;
    entry.pClass = pClass;
    entry.nSchema = wSchema;
    entry.bIsClass = true;
    NextIndex();
    m_loadArray.push_back(entry);
    if (pSchema != nullptr) *pSchema = wSchema;
    return pClass;
}

const CRuntimeClass* CArchive::ReadTag(UINT& nSchema, DWORD& obTag) {
    if (m_loadArray.empty()) m_loadArray.emplace_back();  // index 0, the null reference
    WORD wTag;
    *this >> wTag;
    if (wTag == wBigObjectTag) {
        *this >> obTag;
    } else {
        obTag = (static_cast<DWORD>(wTag & wClassTag) << 16) | (wTag & ~wClassTag);
    }
    if (wTag == wNewClassTag) return ReadClassRecord(&nSchema);
    if (!(obTag & dwBigClassTag)) return nullptr;
    DWORD n = obTag & ~dwBigClassTag;
    if (n == 0 || n >= m_loadArray.size() || !m_loadArray[n].bIsClass) Fail(CArchiveException::badIndex);
    nSchema = m_loadArray[n].nSchema;
    return m_loadArray[n].pClass;
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema) {
    CheckLoading();
    UINT nSchema = 0;
    DWORD obTag;
    const CRuntimeClass* pClass = ReadTag(nSchema, obTag);
    if (pClass == nullptr) Fail(CArchiveException::badIndex);  // an object where a class was expected
    if (pSchema != nullptr) *pSchema = nSchema;
    if (pClassRefRequested != nullptr && !pClass->IsDerivedFrom(pClassRefRequested)) Fail(CArchiveException::badClass);
    return pClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested, bool* pbNew) {
    CheckLoading();
    if (pbNew != nullptr) *pbNew = false;
    UINT nSchema = 0;
    DWORD obTag;
    const CRuntimeClass* pClass = ReadTag(nSchema, obTag);
    if (pClass == nullptr) {
        // A reference to an object already read, or the null reference.
        if (obTag == 0) return nullptr;
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].bIsClass || m_loadArray[obTag].pObject == nullptr)
            Fail(CArchiveException::badIndex);
        // The class is the one recorded when the object was read: the object itself may be gone
        // by now, when whoever read it dropped it, and must not be touched here.
        const LoadEntry& loaded = m_loadArray[obTag];
        if (pClassRefRequested != nullptr && !loaded.pClass->IsDerivedFrom(pClassRefRequested))
            Fail(CArchiveException::badClass);
        return loaded.pObject;
    }

    // A new object: its class must be the requested kind before anything is made of it.
    if (pClassRefRequested != nullptr && !pClass->IsDerivedFrom(pClassRefRequested)) Fail(CArchiveException::badClass);
    if (m_nDepth >= nMaxDepth) Fail(CArchiveException::genericException);
    std::unique_ptr<CObject> pOb(pClass->CreateObject());
    if (pOb == nullptr) Fail(CArchiveException::badClass);
    DWORD nIndex = NextIndex();
    LoadEntry entry;
    entry.pObject = pOb.get();
    entry.pClass = pClass;
    m_loadArray.push_back(entry);
    ++m_nDepth;
    try {
        m_nObjectSchema = nSchema;
        pOb->Serialize(*this);
    } catch (...) {
        --m_nDepth;
        m_loadArray[nIndex].pObject = nullptr;  // it dies here; nothing may refer to it later
        throw;
    }
    --m_nDepth;
    m_nObjectSchema = 0xFFFFFFFF;
    if (pbNew != nullptr) *pbNew = true;
    return pOb.release();
}
