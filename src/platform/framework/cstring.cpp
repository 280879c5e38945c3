#include "platform/framework/cstring.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

struct EmptyBlock {
    int nDataLength = 0;
    int nAllocLength = 0;
    char nul = '\0';
};
// Never written: every write path first makes room, which replaces the shared buffer.
EmptyBlock g_emptyBlock;

char* EmptyData() noexcept { return &g_emptyBlock.nul; }

int SafeLength(const char* psz) noexcept {
    if (psz == nullptr) return 0;
    size_t n = std::strlen(psz);
    return n > static_cast<size_t>(INT_MAX / 2) ? INT_MAX / 2 : static_cast<int>(n);
}

int ClampIndex(int n, int limit) noexcept { return n < 0 ? 0 : (n > limit ? limit : n); }

bool IsSpace(char ch) noexcept { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

}  // namespace

CString::CString() noexcept : m_pchData(EmptyData()) {}

CString::CString(const char* psz) : m_pchData(EmptyData()) { AssignCopy(psz, SafeLength(psz)); }

CString::CString(const char* pch, int nLength) : m_pchData(EmptyData()) {
    AssignCopy(pch, pch == nullptr ? 0 : std::max(nLength, 0));
}

CString::CString(char ch, int nRepeat) : m_pchData(EmptyData()) {
    if (nRepeat <= 0) return;
    Reserve(nRepeat);
    std::memset(m_pchData, ch, static_cast<size_t>(nRepeat));
    SetLength(nRepeat);
}

CString::CString(std::string_view sv) : m_pchData(EmptyData()) {
    AssignCopy(sv.data(), static_cast<int>(std::min<size_t>(sv.size(), INT_MAX / 2)));
}

CString::CString(const CString& other) : m_pchData(EmptyData()) {
    AssignCopy(other.m_pchData, other.GetLength());
}

CString::CString(CString&& other) noexcept : m_pchData(other.m_pchData) { other.m_pchData = EmptyData(); }

CString::~CString() { Release(); }

CString& CString::operator=(const CString& other) {
    if (this != &other) AssignCopy(other.m_pchData, other.GetLength());
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) {
        Release();
        m_pchData = other.m_pchData;
        other.m_pchData = EmptyData();
    }
    return *this;
}

CString& CString::operator=(const char* psz) {
    AssignCopy(psz, SafeLength(psz));
    return *this;
}

CString& CString::operator=(char ch) {
    AssignCopy(&ch, 1);
    return *this;
}

CString& CString::operator=(std::string_view sv) {
    AssignCopy(sv.data(), static_cast<int>(std::min<size_t>(sv.size(), INT_MAX / 2)));
    return *this;
}

void CString::Release() noexcept {
    if (Header()->nAllocLength != 0) std::free(Header());
    m_pchData = EmptyData();
}

void CString::Empty() noexcept {
    // Keeps a buffer of its own: a string that is filled again soon need not allocate again.
    if (Header()->nAllocLength != 0) SetLength(0);
    else m_pchData = EmptyData();
}

void CString::Reserve(int nLength) {
    StringData* pOld = Header();
    if (nLength <= pOld->nAllocLength) return;
    if (nLength > INT_MAX / 2) throw std::bad_alloc();
    // Grow geometrically so that appending one character at a time stays linear.
    int nAlloc = std::max(nLength, pOld->nAllocLength + pOld->nAllocLength / 2);
    nAlloc = std::max(nAlloc, 15);
    // Decided before the call: after realloc the old header may be gone.
    const bool bShared = pOld->nAllocLength == 0;
    void* pBlock = bShared ? std::malloc(sizeof(StringData) + static_cast<size_t>(nAlloc) + 1)
                           : std::realloc(pOld, sizeof(StringData) + static_cast<size_t>(nAlloc) + 1);
    if (pBlock == nullptr) throw std::bad_alloc();
    auto* pData = static_cast<StringData*>(pBlock);
    if (bShared) {
        // The text of a buffer that was not ours comes along (none for the shared empty one).
        pData->nDataLength = pOld->nDataLength;
        std::memcpy(pData + 1, m_pchData, static_cast<size_t>(pOld->nDataLength) + 1);
    }
    pData->nAllocLength = nAlloc;
    m_pchData = reinterpret_cast<char*>(pData + 1);
}

void CString::SetLength(int nLength) noexcept {
    Header()->nDataLength = nLength;
    m_pchData[nLength] = '\0';
}

void CString::AssignCopy(const char* pch, int nLength) {
    if (nLength == 0) {
        Empty();
        return;
    }
    // The source may lie inside this very string (s = s.Mid(...) style); copy it first then.
    if (pch >= m_pchData && pch <= m_pchData + GetLength()) {
        std::memmove(m_pchData, pch, static_cast<size_t>(nLength));
        SetLength(nLength);
        return;
    }
    Reserve(nLength);
    std::memcpy(m_pchData, pch, static_cast<size_t>(nLength));
    SetLength(nLength);
}

void CString::Append(const char* pch, int nLength) {
    if (pch == nullptr || nLength <= 0) return;
    int nOld = GetLength();
    if (nLength > INT_MAX / 2 - nOld) throw std::bad_alloc();
    if (pch >= m_pchData && pch < m_pchData + nOld) {
        // Appending part of itself: the buffer may move while growing.
        CString copy(pch, nLength);
        Append(copy.m_pchData, nLength);
        return;
    }
    Reserve(nOld + nLength);
    std::memcpy(m_pchData + nOld, pch, static_cast<size_t>(nLength));
    SetLength(nOld + nLength);
}

CString& CString::operator+=(const char* psz) {
    Append(psz, SafeLength(psz));
    return *this;
}

char CString::GetAt(int nIndex) const noexcept {
    return (nIndex >= 0 && nIndex < GetLength()) ? m_pchData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch) noexcept {
    if (nIndex >= 0 && nIndex < GetLength()) m_pchData[nIndex] = ch;
}

int CString::Compare(const char* psz) const noexcept {
    return std::strcmp(m_pchData, psz == nullptr ? "" : psz);
}

int CString::CompareNoCase(const char* psz) const noexcept {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz == nullptr ? "" : psz);
    for (;; ++a, ++b) {
        int ca = std::tolower(*a);
        int cb = std::tolower(*b);
        if (ca != cb || ca == 0) return ca - cb;
    }
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, INT_MAX); }

CString CString::Mid(int nFirst, int nCount) const {
    int nLength = GetLength();
    nFirst = ClampIndex(nFirst, nLength);
    nCount = ClampIndex(nCount, nLength - nFirst);
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return CString(m_pchData, ClampIndex(nCount, GetLength())); }

CString CString::Right(int nCount) const {
    nCount = ClampIndex(nCount, GetLength());
    return CString(m_pchData + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(const char* pszCharSet) const {
    return Left(static_cast<int>(std::strspn(m_pchData, pszCharSet == nullptr ? "" : pszCharSet)));
}

CString CString::SpanExcluding(const char* pszCharSet) const {
    return Left(static_cast<int>(std::strcspn(m_pchData, pszCharSet == nullptr ? "" : pszCharSet)));
}

int CString::Find(char ch, int nStart) const noexcept {
    if (nStart < 0 || nStart >= GetLength()) return -1;
    const void* p = std::memchr(m_pchData + nStart, ch, static_cast<size_t>(GetLength() - nStart));
    return p == nullptr ? -1 : static_cast<int>(static_cast<const char*>(p) - m_pchData);
}

int CString::Find(const char* pszSub, int nStart) const noexcept {
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength()) return -1;
    size_t pos = view().find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const noexcept {
    size_t pos = view().rfind(ch);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* pszCharSet) const noexcept {
    if (pszCharSet == nullptr) return -1;
    size_t pos = view().find_first_of(pszCharSet);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

CString& CString::MakeUpper() noexcept {
    for (int i = 0; i < GetLength(); ++i)
        m_pchData[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(m_pchData[i])));
    return *this;
}

CString& CString::MakeLower() noexcept {
    for (int i = 0; i < GetLength(); ++i)
        m_pchData[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(m_pchData[i])));
    return *this;
}

CString& CString::MakeReverse() noexcept {
    std::reverse(m_pchData, m_pchData + GetLength());
    return *this;
}

CString& CString::TrimLeft() noexcept {
    int n = 0;
    while (n < GetLength() && IsSpace(m_pchData[n])) ++n;
    Delete(0, n);
    return *this;
}

CString& CString::TrimRight() noexcept {
    int n = GetLength();
    while (n > 0 && IsSpace(m_pchData[n - 1])) --n;
    if (n != GetLength()) SetLength(n);
    return *this;
}

CString& CString::TrimLeft(char chTarget) noexcept {
    int n = 0;
    while (n < GetLength() && m_pchData[n] == chTarget) ++n;
    Delete(0, n);
    return *this;
}

CString& CString::TrimRight(char chTarget) noexcept {
    int n = GetLength();
    while (n > 0 && m_pchData[n - 1] == chTarget) --n;
    if (n != GetLength()) SetLength(n);
    return *this;
}

int CString::Replace(char chOld, char chNew) noexcept {
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_pchData[i] == chOld) {
            m_pchData[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
    int nOldLen = SafeLength(pszOld);
    if (nOldLen == 0) return 0;
    std::string_view sOld(pszOld, static_cast<size_t>(nOldLen));
    std::string_view sNew(pszNew == nullptr ? "" : pszNew);
    CString result;
    int nCount = 0;
    size_t pos = 0;
    std::string_view whole = view();
    for (;;) {
        size_t hit = whole.find(sOld, pos);
        if (hit == std::string_view::npos) break;
        result += whole.substr(pos, hit - pos);
        result += sNew;
        pos = hit + sOld.size();
        ++nCount;
    }
    if (nCount > 0) {
        result += whole.substr(pos);
        *this = std::move(result);
    }
    return nCount;
}

int CString::Remove(char ch) noexcept {
    char* pEnd = std::remove(m_pchData, m_pchData + GetLength(), ch);
    int nRemoved = static_cast<int>(m_pchData + GetLength() - pEnd);
    if (nRemoved > 0) SetLength(GetLength() - nRemoved);
    return nRemoved;
}

int CString::Insert(int nIndex, char ch) {
    char buf[2] = {ch, '\0'};
    return Insert(nIndex, buf);
}

int CString::Insert(int nIndex, const char* psz) {
    int nInsert = SafeLength(psz);
    nIndex = ClampIndex(nIndex, GetLength());
    if (nInsert > 0) {
        CString copy(psz, nInsert);  // psz may point into this string
        int nOld = GetLength();
        Reserve(nOld + nInsert);
        std::memmove(m_pchData + nIndex + nInsert, m_pchData + nIndex, static_cast<size_t>(nOld - nIndex));
        std::memcpy(m_pchData + nIndex, copy.m_pchData, static_cast<size_t>(nInsert));
        SetLength(nOld + nInsert);
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) noexcept {
    int nLength = GetLength();
    nIndex = ClampIndex(nIndex, nLength);
    nCount = ClampIndex(nCount, nLength - nIndex);
    if (nCount > 0) {
        std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                     static_cast<size_t>(nLength - nIndex - nCount));
        SetLength(nLength - nCount);
    }
    return GetLength();
}

void CString::Format(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args) {
    Empty();
    AppendFormatV(pszFormat, args);
}

void CString::AppendFormatV(const char* pszFormat, va_list args) {
    if (pszFormat == nullptr) return;
    // Most formatted texts are short: print into the stack first and copy, so that one pass of
    // vsnprintf is enough; only a long result is printed a second time, into the string itself.
    char stackBuf[256];
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(stackBuf, sizeof stackBuf, pszFormat, copy);
    va_end(copy);
    if (n < 0) return;  // an encoding error leaves the string as it was
    if (static_cast<size_t>(n) < sizeof stackBuf) {
        Append(stackBuf, n);
        return;
    }
    int nOld = GetLength();
    if (n > INT_MAX / 2 - nOld) throw std::bad_alloc();
    Reserve(nOld + n);
    std::vsnprintf(m_pchData + nOld, static_cast<size_t>(n) + 1, pszFormat, args);
    SetLength(nOld + n);
}

char* CString::GetBuffer(int nMinBufLength) {
    Reserve(std::max(nMinBufLength, std::max(GetLength(), 1)));
    return m_pchData;
}

char* CString::GetBufferSetLength(int nNewLength) {
    nNewLength = std::max(nNewLength, 0);
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) noexcept {
    if (Header()->nAllocLength == 0) return;
    int nAlloc = Header()->nAllocLength;
    if (nNewLength < 0) nNewLength = static_cast<int>(strnlen(m_pchData, static_cast<size_t>(nAlloc)));
    SetLength(std::min(nNewLength, nAlloc));
}

bool operator==(const CString& a, const CString& b) noexcept { return a.view() == b.view(); }
bool operator==(const CString& a, const char* b) noexcept { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) noexcept { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) noexcept { return !(a == b); }
bool operator!=(const CString& a, const char* b) noexcept { return !(a == b); }
bool operator!=(const char* a, const CString& b) noexcept { return !(a == b); }
bool operator<(const CString& a, const CString& b) noexcept { return a.view() < b.view(); }
bool operator<(const CString& a, const char* b) noexcept { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) noexcept { return b < a; }
bool operator<=(const CString& a, const CString& b) noexcept { return !(b < a); }
bool operator>=(const CString& a, const CString& b) noexcept { return !(a < b); }

CString operator+(const CString& a, const CString& b) {
    CString s;
    s.Preallocate(a.GetLength() + b.GetLength());
    s += a;
    s += b;
    return s;
}

CString operator+(const CString& a, const char* b) {
    CString s(a);
    s += b;
    return s;
}

CString operator+(const char* a, const CString& b) {
    CString s(a);
    s += b;
    return s;
}

CString operator+(const CString& a, char b) {
    CString s(a);
    s += b;
    return s;
}

CString operator+(char a, const CString& b) {
    CString s(a);
    s += b;
    return s;
}

CString FormatString(const char* pszFormat, ...) {
    CString s;
    va_list args;
    va_start(args, pszFormat);
    s.FormatV(pszFormat, args);
    va_end(args);
    return s;
}
