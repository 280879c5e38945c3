#pragma once
// CFile, a file on disk, and CMemFile, a file in memory: what archives read from and write to.
// Failures of the operating system raise CFileException; a read at the end returns fewer bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

// 64-bit sizes and positions (the platform names them so; repeating an alias is harmless).
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;

class CFileException;

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens or throws CFileException.
    CFile(const char* lpszFileName, UINT nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False (and the cause in *pError when given) when the file cannot be opened.
    virtual bool Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void Flush();
    virtual void Close();
    const CString& GetFilePath() const noexcept { return m_strFileName; }

protected:
    int m_fd = -1;
    CString m_strFileName;
};

// A file in memory: either a growable buffer of its own, or a caller's block attached for reading
// (which is neither copied nor freed).
class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    CMemFile() = default;
    CMemFile(const BYTE* lpBuffer, size_t nBufferSize) { Attach(lpBuffer, nBufferSize); }

    void Attach(const BYTE* lpBuffer, size_t nBufferSize);

    bool Open(const char*, UINT, CFileException* = nullptr) override { return false; }
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetLength() const override { return m_nSize; }
    void Flush() override {}
    void Close() override;

    // The content: the own buffer or the attached block.
    const BYTE* GetData() const noexcept { return m_pAttached != nullptr ? m_pAttached : m_own.data(); }
    std::vector<BYTE> GetBytes() const { return {GetData(), GetData() + m_nSize}; }

private:
    std::vector<BYTE> m_own;
    const BYTE* m_pAttached = nullptr;
    size_t m_nSize = 0;
    size_t m_nPosition = 0;
};
