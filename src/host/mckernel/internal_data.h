#pragma once
// CMC_EditMotionInternalData: the base of a motion-sequence item's parameter block. A block is
// built from the drive's setup and the motion context, parses its item's parameter text with the
// read operations below and writes it back with the write operations.
#include "host/mckernel/motion.h"
#include "host/mckernel/parameter.h"
#include "host/mckernel/setup.h"
#include "platform/framework/cstring.h"
#include "platform/framework/object.h"

class CMC_EditMotionInternalData : public CObject {
public:
    CMC_EditMotionInternalData(const CMC_Setup& setup, CMC_Motion& motion) noexcept
        : m_pSetup(&setup), m_pMotion(&motion) {}
    ~CMC_EditMotionInternalData() override = default;

    // Parses a parameter text into the block; false with the error text when it does not parse.
    virtual bool ReadParameters(const CString& strText, CString& strError) = 0;
    // Appends the block's entries to a text.
    virtual void WriteParameters(CString& strText) = 0;

    const CMC_Setup& GetSetup() const noexcept { return *m_pSetup; }
    CMC_Motion& GetMotion() const noexcept { return *m_pMotion; }

    // An absent key, a value that is not a number and a value outside low..high all leave the
    // value unchanged.
    static void ReadOptionalRadioParam(const CString& strText, const char* pszKey, int& nValue, int nLow, int nHigh);
    static void ReadOptionalHexaParam(const CString& strText, const char* pszKey, DWORD& dwValue, DWORD dwLow,
                                      DWORD dwHigh);
    // Reads a period. pszLow and pszHigh optionally narrow the allowed range (texts such as
    // "1 ms"; null for the full range); nReserved is not used. Returns the error text, empty on
    // success or when the key is absent. The parameter remembers the key for writing.
    static CString ReadOptionalDataParam(const CString& strText, const char* pszKey, const char* pszLow,
                                         const char* pszHigh, CMC_Parameter& parameter, int nReserved);

    static void WriteRadioParam(CString& strText, const char* pszKey, int nValue);
    static void WriteHexaParam(CString& strText, const char* pszKey, DWORD dwValue);
    // Appends the parameter under the key it was read with; nothing when it was never read.
    static void WriteDataParam(CString& strText, const CMC_Parameter& parameter);

protected:
    const CMC_Setup* m_pSetup;
    CMC_Motion* m_pMotion;
};
