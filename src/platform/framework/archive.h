#pragma once
// CArchive: the framework's binary archive over a CFile, byte-compatible with the framework's own
// format: little-endian primitives appended back to back, strings with a length prefix, object
// references with class records, back references and the null reference, and counts.
//
// Reading trusts nothing in the data: a length or count is checked against what remains before
// anything is allocated for it, a class must be registered and of the requested kind, and a
// reference must name something already read. Every such fault raises CArchiveException; a short
// read raises it with the end-of-file cause.
//
// Map of this header: modes and state; raw bytes; primitives; strings; counts; objects.
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/framework/cstring.h"
#include "platform/framework/exceptions.h"
#include "platform/framework/file.h"
#include "platform/framework/object.h"

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    // Flushes what a storing archive still buffers, unless the archive was aborted.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const noexcept { return (m_nMode & load) != 0; }
    bool IsStoring() const noexcept { return !IsLoading(); }
    CFile* GetFile() const noexcept { return m_pFile; }

    // Writes the buffer out (storing) or puts the file position where reading stopped (loading).
    void Flush();
    void Close();
    // Closes without writing the buffer out: what failed is not completed.
    void Abort() noexcept;

    // --- raw bytes
    UINT Read(void* lpBuf, UINT nMax);  // fewer bytes at the end of the data
    void Write(const void* lpBuf, UINT nCount);
    // Reads exactly nCount bytes or throws the end-of-file exception.
    void ReadExact(void* lpBuf, size_t nCount) {
        CheckLoading();
        if (nCount == 0) return;
        if (nCount <= static_cast<size_t>(m_pLim - m_pCur)) {
            std::memcpy(lpBuf, m_pCur, nCount);
            m_pCur += nCount;
            return;
        }
        ReadSlow(lpBuf, nCount);
    }
    void WriteExact(const void* lpBuf, size_t nCount) {
        CheckStoring();
        if (nCount == 0) return;
        if (nCount <= static_cast<size_t>(m_pLim - m_pCur)) {
            std::memcpy(m_pCur, lpBuf, nCount);
            m_pCur += nCount;
            return;
        }
        WriteSlow(lpBuf, nCount);
    }
    // Bytes that remain to be read; what a length or count read from the data is checked against.
    ULONGLONG GetRemaining() const;
    // Throws the end-of-file exception unless nBytes remain to be read.
    void EnsureRemaining(ULONGLONG nBytes) const;

    // --- primitives, little-endian (int and unsigned are LONG and DWORD: always 4 bytes)
    CArchive& operator<<(BYTE v) { return Put(v); }
    CArchive& operator<<(char v) { return Put(v); }
    CArchive& operator<<(bool v) { return Put(static_cast<BYTE>(v ? 1 : 0)); }
    CArchive& operator<<(WORD v) { return Put(v); }
    CArchive& operator<<(SHORT v) { return Put(v); }
    CArchive& operator<<(LONG v) { return Put(v); }
    CArchive& operator<<(DWORD v) { return Put(v); }
    CArchive& operator<<(LONGLONG v) { return Put(v); }
    CArchive& operator<<(ULONGLONG v) { return Put(v); }
    CArchive& operator<<(float v) { return Put(v); }
    CArchive& operator<<(double v) { return Put(v); }

    CArchive& operator>>(BYTE& v) { return Get(v); }
    CArchive& operator>>(char& v) { return Get(v); }
    CArchive& operator>>(bool& v) {
        BYTE b;
        Get(b);
        v = b != 0;
        return *this;
    }
    CArchive& operator>>(WORD& v) { return Get(v); }
    CArchive& operator>>(SHORT& v) { return Get(v); }
    CArchive& operator>>(LONG& v) { return Get(v); }
    CArchive& operator>>(DWORD& v) { return Get(v); }
    CArchive& operator>>(LONGLONG& v) { return Get(v); }
    CArchive& operator>>(ULONGLONG& v) { return Get(v); }
    CArchive& operator>>(float& v) { return Get(v); }
    CArchive& operator>>(double& v) { return Get(v); }

    // --- strings: length prefix (1, 3, 7 or 15 bytes), then the 8-bit characters. A string stored
    // as wide characters (marker FF FE FF) is converted to code page 1252 when read.
    CArchive& operator<<(const CString& s);
    CArchive& operator<<(const char* psz) { return *this << CString(psz); }
    CArchive& operator>>(CString& s);

    // --- counts: a WORD, or FFFF and a DWORD
    void WriteCount(ULONGLONG nCount);
    ULONGLONG ReadCount();

    // --- objects
    // A reference: class record and the object's data at the first occurrence, a back reference
    // afterwards, the null reference for null.
    void WriteObject(const CObject* pOb);
    // Reads a reference to an object of pClassRefRequested (or any class for null). A new object
    // belongs to the caller; *pbNew (when given) tells a new object from a back reference.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested, bool* pbNew = nullptr);
    void WriteClass(const CRuntimeClass* pClassRef);
    const CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr);
    // The schema stored for the object being read, once; 0xFFFFFFFF afterwards.
    UINT GetObjectSchema() noexcept;

    // The context object of the archive (the document that owns what is stored); may be null.
    CObject* m_pDocument = nullptr;

private:
    template <typename T>
    CArchive& Put(T v) {
        static_assert(sizeof(T) <= 8);
        WriteExact(&v, sizeof v);  // the platforms we run on are little-endian, as the format is
        return *this;
    }
    template <typename T>
    CArchive& Get(T& v) {
        ReadExact(&v, sizeof v);
        return *this;
    }
    void CheckLoading() const {
        if (!IsLoading()) AfxThrowArchiveException(CArchiveException::writeOnly, FileName());
    }
    void CheckStoring() const {
        if (IsLoading()) AfxThrowArchiveException(CArchiveException::readOnly, FileName());
    }
    const char* FileName() const noexcept;
    [[noreturn]] void Fail(int cause) const { AfxThrowArchiveException(cause, FileName()); }
    void ReadSlow(void* lpBuf, size_t nCount);
    void WriteSlow(const void* lpBuf, size_t nCount);
    bool FillBuffer();  // false at the end of the file
    void WriteTag(WORD wSmall, DWORD dwBig, bool bBig);
    const CRuntimeClass* ReadClassRecord(UINT* pSchema);
    // Reads a tag: a new class record or a reference to a class read before gives the class (and
    // its schema); a reference to an object gives null, the object's index in obTag.
    const CRuntimeClass* ReadTag(UINT& nSchema, DWORD& obTag);
    DWORD NextIndex();

    struct LoadEntry {
        const CRuntimeClass* pClass = nullptr;  // for a class entry
        CObject* pObject = nullptr;             // for an object entry; null after a failed read
        UINT nSchema = 0;                       // the stored schema of a class entry
        bool bIsClass = false;
    };

    CFile* m_pFile;
    UINT m_nMode;
    bool m_bDirect = false;  // loading straight from a memory file's block
    bool m_bClosed = false;
    std::vector<BYTE> m_buffer;
    BYTE* m_pCur = nullptr;
    BYTE* m_pLim = nullptr;
    const BYTE* m_pDirectBase = nullptr;

    DWORD m_nMapCount = 1;  // index 0 is the null reference
    int m_nDepth = 0;
    UINT m_nObjectSchema = 0xFFFFFFFF;
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
};

// Object references by operator, as the framework writes them.
inline CArchive& operator<<(CArchive& ar, const CObject* pOb) {
    ar.WriteObject(pOb);
    return ar;
}
