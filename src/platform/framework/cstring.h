#pragma once
// CString: the framework's 8-bit string.
//
// One pointer wide: the pointer addresses the characters, and a small header with the length and
// the capacity sits just before them. Every empty string shares one static empty buffer, so that
// an empty string costs no allocation (styles hold several strings and most are empty).
//
// A buffer of capacity 0 is not the string's own: the shared empty one, or an InlineText that an
// object keeps for a short string of its own and shows through a CString. Such a buffer is never
// freed; growing first copies the text to a heap block of the string's own; Empty lets go of it.
// Format follows C printf exactly, because generated code and stored texts depend on it.
//
// Positions and counts are int, as in the framework; out-of-range positions are clamped rather
// than trusted, so that a bad index never reads or writes outside the string.
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/win/windef.h"

class CString {
public:
    CString() noexcept;
    CString(const char* psz);  // null is the empty string
    CString(const char* pch, int nLength);
    CString(char ch, int nRepeat = 1);
    explicit CString(std::string_view sv);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const char* psz);
    CString& operator=(char ch);
    CString& operator=(std::string_view sv);

    int GetLength() const noexcept { return Header()->nDataLength; }
    bool IsEmpty() const noexcept { return GetLength() == 0; }
    void Empty() noexcept;

    // The character at a position; '\0' for a position outside the string.
    char GetAt(int nIndex) const noexcept;
    void SetAt(int nIndex, char ch) noexcept;
    char operator[](int nIndex) const noexcept { return GetAt(nIndex); }

    operator const char*() const noexcept { return m_pchData; }
    const char* GetString() const noexcept { return m_pchData; }
    std::string_view view() const noexcept { return {m_pchData, static_cast<size_t>(GetLength())}; }
    std::string str() const { return std::string(view()); }

    CString& operator+=(const CString& s) { Append(s.m_pchData, s.GetLength()); return *this; }
    CString& operator+=(const char* psz);
    CString& operator+=(char ch) { Append(&ch, 1); return *this; }
    CString& operator+=(std::string_view sv) { Append(sv.data(), static_cast<int>(sv.size())); return *this; }
    void Append(const char* pch, int nLength);
    void AppendChar(char ch) { Append(&ch, 1); }

    int Compare(const char* psz) const noexcept;
    int CompareNoCase(const char* psz) const noexcept;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const char* pszCharSet) const;
    CString SpanExcluding(const char* pszCharSet) const;

    // Positions of a character or a text, -1 when absent.
    int Find(char ch, int nStart = 0) const noexcept;
    int Find(const char* pszSub, int nStart = 0) const noexcept;
    int ReverseFind(char ch) const noexcept;
    int FindOneOf(const char* pszCharSet) const noexcept;

    CString& MakeUpper() noexcept;
    CString& MakeLower() noexcept;
    CString& MakeReverse() noexcept;
    CString& TrimLeft() noexcept;
    CString& TrimRight() noexcept;
    CString& Trim() noexcept { TrimRight(); return TrimLeft(); }
    CString& TrimLeft(char chTarget) noexcept;
    CString& TrimRight(char chTarget) noexcept;

    int Replace(char chOld, char chNew) noexcept;
    int Replace(const char* pszOld, const char* pszNew);
    int Remove(char ch) noexcept;
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* psz);
    int Delete(int nIndex, int nCount = 1) noexcept;

    // Loads the string resource nID along the application's resource chain; false (and the
    // string unchanged) when no module has it.
    bool LoadString(UINT nID);

    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* pszFormat, va_list args) __attribute__((format(printf, 2, 0)));
    void AppendFormatV(const char* pszFormat, va_list args) __attribute__((format(printf, 2, 0)));

    // Direct access to the buffer: GetBuffer makes room for at least nMinBufLength characters
    // (plus the terminator) and keeps the content; ReleaseBuffer sets the length, -1 meaning up to
    // the first '\0'.
    char* GetBuffer(int nMinBufLength = 0);
    char* GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1) noexcept;
    void Preallocate(int nLength) { Reserve(nLength); }
    int GetAllocLength() const noexcept { return Header()->nAllocLength; }

    // Room for a short text inside the object that owns it, laid out as a string's buffer (header,
    // then characters), so that a CString can show the text without a heap block of its own.
    template <int N>
    struct InlineText {
        static constexpr int nMaxLength = N - 1;
        int nDataLength = 0;
        int nAllocLength = 0;  // stays 0: the buffer is not the string's
        char ach[N] = {};
        // nLength at most nMaxLength; the characters may lie in this very buffer.
        void Set(const char* pch, int nLength) noexcept {
            std::memmove(ach, pch, static_cast<size_t>(nLength));
            ach[nLength] = '\0';
            nDataLength = nLength;
        }
    };
    // Shows the inline text from now on (its buffer freed if it had one). The owner keeps the text
    // where it is while the string shows it, changes it only through Set, and never moves from the
    // string (a move takes the pointer, which would leave the new string showing the owner's text).
    template <int N>
    void ShowInline(InlineText<N>& text) noexcept {
        static_assert(offsetof(InlineText<N>, ach) == sizeof(StringData), "laid out as a string buffer");
        if (m_pchData == text.ach) return;
        Release();
        m_pchData = text.ach;
    }
    bool Shows(const char* pch) const noexcept { return m_pchData == pch; }

private:
    struct StringData {
        int nDataLength;   // characters, without the terminator
        int nAllocLength;  // room for characters, without the terminator; 0 for the shared empty
    };

    StringData* Header() const noexcept { return reinterpret_cast<StringData*>(m_pchData) - 1; }
    void Reserve(int nLength);           // room for nLength characters, content kept
    void AssignCopy(const char* pch, int nLength);
    void SetLength(int nLength) noexcept;  // within the capacity
    void Release() noexcept;

    char* m_pchData;
};

static_assert(sizeof(CString) == sizeof(void*), "a CString is one pointer wide");

bool operator==(const CString& a, const CString& b) noexcept;
bool operator==(const CString& a, const char* b) noexcept;
bool operator==(const char* a, const CString& b) noexcept;
bool operator!=(const CString& a, const CString& b) noexcept;
bool operator!=(const CString& a, const char* b) noexcept;
bool operator!=(const char* a, const CString& b) noexcept;
bool operator<(const CString& a, const CString& b) noexcept;
bool operator<(const CString& a, const char* b) noexcept;
bool operator>(const CString& a, const CString& b) noexcept;
bool operator<=(const CString& a, const CString& b) noexcept;
bool operator>=(const CString& a, const CString& b) noexcept;

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

// A CString whose Format is already applied, for one-line construction.
CString FormatString(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));
