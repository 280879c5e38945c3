#pragma once
// The framework's exceptions. They are thrown by value and caught by reference; each carries what
// the framework's own exception of that kind carries (the archive exception its cause number and
// the name of the archive's file).
#include <new>
#include <stdexcept>

#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // A short text that says what went wrong, for messages and logs.
    virtual CString GetErrorMessage() const;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CString GetErrorMessage() const override;
};

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CString GetErrorMessage() const override;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CString GetErrorMessage() const override;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    // The cause numbers are the framework's and are compared by callers: keep them.
    enum {
        none = 0,
        genericException = 1,
        readOnly = 2,   // a write on an archive that loads
        endOfFile = 3,  // the data ends before the item does
        writeOnly = 4,  // a read on an archive that stores
        badIndex = 5,   // an object or class reference that does not resolve
        badClass = 6,   // an unknown class, or one of the wrong kind
        badSchema = 7,  // a schema the reading class does not know
    };

    explicit CArchiveException(int cause = none, const char* lpszArchiveName = nullptr)
        : m_cause(cause), m_strFileName(lpszArchiveName) {}
    CString GetErrorMessage() const override;

    int m_cause;
    CString m_strFileName;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum { none = 0, genericException = 1, fileNotFound = 2, accessDenied = 5, diskFull = 14, endOfFile = 15 };

    explicit CFileException(int cause = none, int lOsError = 0, const char* lpszFileName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}
    CString GetErrorMessage() const override;

    int m_cause;
    int m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
// Runs f, which grows standard containers: their allocation failures (and sizes beyond their
// limit) leave it as the framework's memory exception.
template <typename F>
void AfxGrowOrThrowMemory(F f) {
    try {
        f();
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    } catch (const std::length_error&) {
        AfxThrowMemoryException();
    }
}
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowArchiveException(int cause, const char* lpszArchiveName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, int lOsError = 0, const char* lpszFileName = nullptr);
