#include "platform/framework/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/framework/exceptions.h"

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)

namespace {
int CauseOf(int err) {
    switch (err) {
        case ENOENT: return CFileException::fileNotFound;
        case EACCES: case EPERM: case EROFS: return CFileException::accessDenied;
        case ENOSPC: return CFileException::diskFull;
        default: return CFileException::genericException;
    }
}
}  // namespace

CFile::CFile(const char* lpszFileName, UINT nOpenFlags) {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error)) throw error;
}

CFile::~CFile() {
    if (m_fd >= 0) ::close(m_fd);
}

bool CFile::Open(const char* lpszFileName, UINT nOpenFlags, CFileException* pError) {
    Close();
    int flags = O_CLOEXEC;
    if (nOpenFlags & modeReadWrite) flags |= O_RDWR;
    else if (nOpenFlags & modeWrite) flags |= O_WRONLY;
    else flags |= O_RDONLY;
    if (nOpenFlags & modeCreate) {
        flags |= O_CREAT;
        if (!(nOpenFlags & modeNoTruncate)) flags |= O_TRUNC;
    }
    m_fd = ::open(lpszFileName == nullptr ? "" : lpszFileName, flags, 0644);
    if (m_fd < 0) {
        if (pError != nullptr) *pError = CFileException(CauseOf(errno), errno, lpszFileName);
        return false;
    }
    m_strFileName = lpszFileName;
    return true;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    UINT nDone = 0;
    while (nDone < nCount) {
        ssize_t n = ::read(m_fd, static_cast<char*>(lpBuf) + nDone, nCount - nDone);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) AfxThrowFileException(CauseOf(errno), errno, m_strFileName);
        if (n == 0) break;
        nDone += static_cast<UINT>(n);
    }
    return nDone;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    UINT nDone = 0;
    while (nDone < nCount) {
        ssize_t n = ::write(m_fd, static_cast<const char*>(lpBuf) + nDone, nCount - nDone);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) AfxThrowFileException(CauseOf(errno), errno, m_strFileName);
        nDone += static_cast<UINT>(n);
    }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    int whence = nFrom == current ? SEEK_CUR : (nFrom == end ? SEEK_END : SEEK_SET);
    off_t pos = ::lseek(m_fd, static_cast<off_t>(lOff), whence);
    if (pos < 0) AfxThrowFileException(CauseOf(errno), errno, m_strFileName);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetPosition() const {
    off_t pos = ::lseek(m_fd, 0, SEEK_CUR);
    return pos < 0 ? 0 : static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0) return 0;
    return static_cast<ULONGLONG>(st.st_size);
}

void CFile::Flush() {
    if (m_fd >= 0 && ::fsync(m_fd) != 0 && errno != EINVAL)
        AfxThrowFileException(CauseOf(errno), errno, m_strFileName);
}

void CFile::Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

void CMemFile::Attach(const BYTE* lpBuffer, size_t nBufferSize) {
    m_own.clear();
    m_pAttached = lpBuffer;
    m_nSize = lpBuffer == nullptr ? 0 : nBufferSize;
    m_nPosition = 0;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
    size_t n = m_nPosition < m_nSize ? std::min<size_t>(nCount, m_nSize - m_nPosition) : 0;
    if (n > 0) std::memcpy(lpBuf, GetData() + m_nPosition, n);
    m_nPosition += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    if (m_pAttached != nullptr) {
        // An attached block is read-only: writing starts an own copy of it.
        m_own.assign(m_pAttached, m_pAttached + m_nSize);
        m_pAttached = nullptr;
    }
    size_t nEnd = m_nPosition + nCount;
    if (nEnd > m_own.size()) m_own.resize(nEnd);
    std::memcpy(m_own.data() + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
    if (nEnd > m_nSize) m_nSize = nEnd;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
    LONGLONG base = nFrom == current ? static_cast<LONGLONG>(m_nPosition)
                                     : (nFrom == end ? static_cast<LONGLONG>(m_nSize) : 0);
    LONGLONG pos = base + lOff;
    if (pos < 0) AfxThrowFileException(CFileException::genericException);
    m_nPosition = static_cast<size_t>(pos);
    return static_cast<ULONGLONG>(pos);
}

void CMemFile::Close() {
    m_own.clear();
    m_pAttached = nullptr;
    m_nSize = 0;
    m_nPosition = 0;
}
