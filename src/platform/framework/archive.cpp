// CArchive: buffering, strings and counts. Object references are in archive_objects.cpp.
#include "platform/framework/archive.h"

#include <algorithm>
#include <climits>

namespace {
// Code page 1252 for the characters 0x80 to 0x9F; the other 8-bit characters equal their code.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char WideToCp1252(char16_t wc) {
    if (wc < 0x80 || (wc >= 0xA0 && wc <= 0xFF)) return static_cast<char>(wc);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == wc && wc != 0) return static_cast<char>(0x80 + i);
    return '?';  // the code page's default character for what it cannot show
}
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize) : m_pFile(pFile), m_nMode(nMode) {
    auto* pMem = dynamic_cast<CMemFile*>(pFile);
    if (IsLoading() && pMem != nullptr) {
        // Reading from memory needs no copy: read the file's block where it is.
        m_bDirect = true;
        m_pDirectBase = pMem->GetData();
        m_pCur = const_cast<BYTE*>(m_pDirectBase + std::min(pMem->GetPosition(), pMem->GetLength()));
        m_pLim = const_cast<BYTE*>(m_pDirectBase + pMem->GetLength());
        return;
    }
    m_buffer.resize(static_cast<size_t>(std::max(nBufSize, 128)));
    m_pCur = m_buffer.data();
    // A storing buffer is empty and has all its room; a loading one holds nothing yet.
    m_pLim = IsLoading() ? m_pCur : m_pCur + m_buffer.size();
}

CArchive::~CArchive() {
    if (m_bClosed || (m_nMode & bNoFlushOnDelete)) return;
    try {
        Flush();
    } catch (...) {
        // A destructor must not throw; whoever needs to know calls Close first.
    }
}

const char* CArchive::FileName() const noexcept {
    return m_pFile == nullptr ? nullptr : m_pFile->GetFilePath().GetString();
}

void CArchive::Flush() {
    if (m_pFile == nullptr || m_bClosed) return;
    if (IsStoring()) {
        size_t n = static_cast<size_t>(m_pCur - m_buffer.data());
        if (n > 0) m_pFile->Write(m_buffer.data(), static_cast<UINT>(n));
        m_pCur = m_buffer.data();
    } else if (m_bDirect) {
        m_pFile->Seek(static_cast<LONGLONG>(m_pCur - m_pDirectBase), CFile::begin);
    } else if (m_pCur != m_pLim) {
        // Give back what was read ahead, so that the file stands where the archive stopped.
        m_pFile->Seek(-static_cast<LONGLONG>(m_pLim - m_pCur), CFile::current);
        m_pCur = m_pLim = m_buffer.data();
    }
}

void CArchive::Close() {
    Flush();
    m_bClosed = true;
    m_pFile = nullptr;
}

void CArchive::Abort() noexcept {
    m_bClosed = true;
    m_pFile = nullptr;
}

bool CArchive::FillBuffer() {
    if (m_bDirect || m_pFile == nullptr) return false;
    UINT n = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    m_pCur = m_buffer.data();
    m_pLim = m_pCur + n;
    return n > 0;
}

void CArchive::ReadSlow(void* lpBuf, size_t nCount) {
    auto* pOut = static_cast<BYTE*>(lpBuf);
    for (;;) {
        size_t nHere = std::min(nCount, static_cast<size_t>(m_pLim - m_pCur));
        if (nHere > 0) std::memcpy(pOut, m_pCur, nHere);
        m_pCur += nHere;
        pOut += nHere;
        nCount -= nHere;
        if (nCount == 0) return;
        if (!FillBuffer()) Fail(CArchiveException::endOfFile);
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
    CheckLoading();
    auto* pOut = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax) {
        if (m_pCur == m_pLim && !FillBuffer()) break;
        size_t nHere = std::min<size_t>(nMax - nDone, static_cast<size_t>(m_pLim - m_pCur));
        std::memcpy(pOut + nDone, m_pCur, nHere);
        m_pCur += nHere;
        nDone += static_cast<UINT>(nHere);
    }
    return nDone;
}

void CArchive::WriteSlow(const void* lpBuf, size_t nCount) {
    if (m_pFile == nullptr) Fail(CArchiveException::genericException);
    Flush();
    if (nCount >= m_buffer.size()) {
        m_pFile->Write(lpBuf, static_cast<UINT>(nCount));
        return;
    }
    std::memcpy(m_pCur, lpBuf, nCount);
    m_pCur += nCount;
}

void CArchive::Write(const void* lpBuf, UINT nCount) { WriteExact(lpBuf, nCount); }

ULONGLONG CArchive::GetRemaining() const {
    ULONGLONG n = static_cast<ULONGLONG>(m_pLim - m_pCur);
    if (!m_bDirect && m_pFile != nullptr) {
        ULONGLONG nLength = m_pFile->GetLength(), nPos = m_pFile->GetPosition();
        if (nLength > nPos) n += nLength - nPos;
    }
    return n;
}

void CArchive::EnsureRemaining(ULONGLONG nBytes) const {
    if (nBytes > static_cast<ULONGLONG>(m_pLim - m_pCur) && nBytes > GetRemaining())
        Fail(CArchiveException::endOfFile);
}

CArchive& CArchive::operator<<(const CString& s) {
    auto n = static_cast<ULONGLONG>(s.GetLength());
    if (n < 0xFF) {
        *this << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(n);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(n);
    }
    WriteExact(s.GetString(), static_cast<size_t>(n));
    return *this;
}

CArchive& CArchive::operator>>(CString& s) {
    // The prefix: a byte, then wider forms each announced by the all-ones value of the one before.
    int nCharSize = 1;
    ULONGLONG nLength = 0;
    BYTE b;
    *this >> b;
    if (b < 0xFF) {
        nLength = b;
    } else {
        WORD w;
        *this >> w;
        if (w == 0xFFFE) {
            nCharSize = 2;  // a wide string: its own prefix follows
            *this >> b;
            if (b < 0xFF) {
                nLength = b;
                goto have_length;
            }
            *this >> w;
        }
        if (w < 0xFFFF) {
            nLength = w;
        } else {
            DWORD dw;
            *this >> dw;
            if (dw < 0xFFFFFFFF) nLength = dw;
            else *this >> nLength;
        }
    }
have_length:
    // Check the claim against the data before making room for it.
    if (nLength > GetRemaining() / static_cast<ULONGLONG>(nCharSize)) Fail(CArchiveException::endOfFile);
    if (nLength > static_cast<ULONGLONG>(INT_MAX / 2)) Fail(CArchiveException::genericException);
    int n = static_cast<int>(nLength);
    if (nCharSize == 1) {
        if (n == 0) {
            s.Empty();
        } else {
            ReadExact(s.GetBufferSetLength(n), static_cast<size_t>(n));
        }
        return *this;
    }
    std::vector<char16_t> wide(static_cast<size_t>(n));
    ReadExact(wide.data(), wide.size() * 2);
    CString converted;
    char* p = converted.GetBufferSetLength(n);
    for (int i = 0; i < n; ++i) p[i] = WideToCp1252(wide[static_cast<size_t>(i)]);
    s = std::move(converted);
    return *this;
}

void CArchive::WriteCount(ULONGLONG nCount) {
    if (nCount < 0xFFFF) {
        *this << static_cast<WORD>(nCount);
    } else if (nCount < 0xFFFFFFFF) {
        *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(nCount);
    } else {
        *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(0xFFFFFFFF) << nCount;
    }
}

ULONGLONG CArchive::ReadCount() {
    WORD w;
    *this >> w;
    if (w != 0xFFFF) return w;
    DWORD dw;
    *this >> dw;
    if (dw != 0xFFFFFFFF) return dw;
    ULONGLONG q;
    *this >> q;
    return q;
}
