#include "host/mckernel/internal_data.h"

#include "host/mckernel/excerpt.h"
#include "host/mckernel/parameter_text.h"

void CMC_EditMotionInternalData::ReadOptionalRadioParam(const CString& strText, const char* pszKey, int& nValue,
                                                        int nLow, int nHigh) {
    if (pszKey == nullptr) return;
    std::string_view value;
    if (!CMC_FindEntry(strText.view(), pszKey, value)) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::Absent);
        return;
    }
    int n = 0;
    if (!CMC_ParseRadioValue(value, n)) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::NotANumber);
    } else if (n < nLow || n > nHigh) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::OutOfBounds);
    } else {
        nValue = n;
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::Accepted);
    }
}

void CMC_EditMotionInternalData::ReadOptionalHexaParam(const CString& strText, const char* pszKey, DWORD& dwValue,
                                                       DWORD dwLow, DWORD dwHigh) {
    if (pszKey == nullptr) return;
    std::string_view value;
    if (!CMC_FindEntry(strText.view(), pszKey, value)) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::Absent);
        return;
    }
    DWORD n = 0;
    if (!CMC_ParseHexaValue(value, n)) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::NotANumber);
    } else if (n < dwLow || n > dwHigh) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::OutOfBounds);
    } else {
        dwValue = n;
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::Accepted);
    }
}

namespace {
// The tick count of a bound text, or the fallback when there is none or it does not read.
int BoundTicks(const char* pszBound, const CMC_Parameter& parameter, int nFallback) {
    if (pszBound == nullptr) return nFallback;
    int nTicks = 0, nUnit = 0;
    return CMC_ReadPeriod(pszBound, parameter.GetTickNanoseconds(), parameter.GetSelectedUnitIndex(), nTicks,
                          nUnit) == CMC_PeriodError::None
               ? nTicks
               : nFallback;
}
}  // namespace

CString CMC_EditMotionInternalData::ReadOptionalDataParam(const CString& strText, const char* pszKey,
                                                          const char* pszLow, const char* pszHigh,
                                                          CMC_Parameter& parameter, int /*nReserved*/) {
    if (pszKey == nullptr) return CString();
    parameter.SetKey(pszKey);
    std::string_view value;
    if (!CMC_FindEntry(strText.view(), pszKey, value)) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::Absent);
        return CString();
    }
    CMC_Parameter read(parameter);
    CString error;
    if (!read.SetValueText(value, error)) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::Refused);
        return FormatString("%s: %s", pszKey, error.GetString());
    }
    int nLow = BoundTicks(pszLow, parameter, CMC_MinPeriodTicks);
    int nHigh = BoundTicks(pszHigh, parameter, CMC_MaxPeriodTicks);
    if (read.GetTicks() < nLow || read.GetTicks() > nHigh) {
        CMC_NotifyRead(pszKey, CMC_ReadOutcome::Refused);
        CString low = CMC_FormatPeriod(nLow, read.GetTickNanoseconds(), read.GetSelectedUnitIndex());
        CString high = CMC_FormatPeriod(nHigh, read.GetTickNanoseconds(), read.GetSelectedUnitIndex());
        return FormatString("%s: \"%s\" is outside %s to %s %s", pszKey, CMC_Excerpt(value).GetString(),
                            low.GetString(), high.GetString(), read.GetSelectedUnit().GetString());
    }
    parameter = read;
    CMC_NotifyRead(pszKey, CMC_ReadOutcome::Accepted);
    return CString();
}

void CMC_EditMotionInternalData::WriteRadioParam(CString& strText, const char* pszKey, int nValue) {
    if (pszKey == nullptr) return;
    strText.AppendFormat("%s=%d;", pszKey, nValue);
}

void CMC_EditMotionInternalData::WriteHexaParam(CString& strText, const char* pszKey, DWORD dwValue) {
    if (pszKey == nullptr) return;
    strText.AppendFormat("%s=0x%08X;", pszKey, static_cast<unsigned>(dwValue));
}

void CMC_EditMotionInternalData::WriteDataParam(CString& strText, const CMC_Parameter& parameter) {
    if (parameter.GetKey().IsEmpty()) return;
    strText.AppendFormat("%s=%s %s;", parameter.GetKey().GetString(), parameter.PrintValue().GetString(),
                         parameter.GetSelectedUnit().GetString());
}
