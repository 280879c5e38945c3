#include "platform/framework/exceptions.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

CString CException::GetErrorMessage() const { return "An unknown error occurred."; }
CString CMemoryException::GetErrorMessage() const { return "Out of memory."; }
CString CResourceException::GetErrorMessage() const { return "A required resource was unavailable."; }
CString CNotSupportedException::GetErrorMessage() const { return "An unsupported operation was attempted."; }

CString CArchiveException::GetErrorMessage() const {
    static const char* const texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing the archive.",
        "Tried to write to an archive opened for loading.",
        "Reached the end of the archive before the data ended.",
        "Tried to read from an archive opened for storing.",
        "The archive holds a reference that does not resolve.",
        "The archive names a class that is unknown or of the wrong kind.",
        "The archive holds an unexpected object version.",
    };
    CString text = (m_cause >= 0 && m_cause <= badSchema) ? texts[m_cause] : texts[genericException];
    if (!m_strFileName.IsEmpty()) text = m_strFileName + ": " + text;
    return text;
}

CString CFileException::GetErrorMessage() const {
    CString text;
    if (m_lOsError != 0)
        text = std::strerror(m_lOsError);
    else
        text.Format("File error %d", m_cause);
    if (!m_strFileName.IsEmpty()) text = m_strFileName + ": " + text;
    return text;
}

void AfxThrowMemoryException() { throw CMemoryException(); }
void AfxThrowResourceException() { throw CResourceException(); }
void AfxThrowNotSupportedException() { throw CNotSupportedException(); }
void AfxThrowArchiveException(int cause, const char* lpszArchiveName) {
    throw CArchiveException(cause, lpszArchiveName);
}
void AfxThrowFileException(int cause, int lOsError, const char* lpszFileName) {
    throw CFileException(cause, lOsError, lpszFileName);
}
