#include "interrupts/internal_data.h"

namespace {
constexpr const char* kPeriodKey = "KRXINTPER";
}

CInternalData::CInternalData(const CMC_Setup& setup, CMC_Motion& motion)
    : CMC_EditMotionInternalData(setup, motion), Period(setup) {
    // The key the period is read with; set now so that a block written before it was read keeps it.
    Period.SetKey(kPeriodKey);
}

bool CInternalData::IsLSPPresent() const { return GetSetup().GetIntOption("isLSP") != 0; }
bool CInternalData::IsLSNPresent() const { return GetSetup().GetIntOption("isLSN") != 0; }
bool CInternalData::IsIndexPresent() const { return GetSetup().GetIntOption("isIndex") != 0; }
bool CInternalData::IsIndex2Present() const { return GetSetup().GetIntOption("isIndex2") != 0; }
bool CInternalData::IsTimePeriodPresent() const { return GetSetup().FindVariable(kPeriodKey, 1) != nullptr; }

int CInternalData::GetLSPInterrupt() const {
    int n = GetSetup().FindInterrupt("Limit Switch Positive");
    return n >= 0 ? n : GetSetup().FindInterrupt("LSP");
}

int CInternalData::GetLSNInterrupt() const {
    int n = GetSetup().FindInterrupt("Limit Switch Negative");
    return n >= 0 ? n : GetSetup().FindInterrupt("LSN");
}

int CInternalData::GetCaptureInterrupt() const { return GetSetup().FindInterrupt("Capture"); }
int CInternalData::GetTimeInterrupt() const { return GetSetup().FindInterrupt("Time"); }
int CInternalData::GetSwProtInterrupt() const { return GetSetup().FindInterrupt("Software protection"); }

bool CInternalData::ReadParameters(const CString& strText, CString& strError) {
    strError.Empty();
    ReadOptionalRadioParam(strText, "SetupInterrupt", SetupInterrupt, 0, 2);
    ReadOptionalHexaParam(strText, "Mask", Mask, 0, 0xFFFFFFFF);
    ReadOptionalHexaParam(strText, "Unmask", Unmask, 0, 0xFFFFFFFF);
    ReadOptionalHexaParam(strText, "Reset", Reset, 0, 0xFFFFFFFF);

    // Protections the drive does not have are dropped silently.
    DWORD swProtections = GetSetup().GetSwProtectionsMask();
    ReadOptionalHexaParam(strText, "SwProtMask", SwProtMask, 0, 0xFFFFFFFF);
    SwProtMask &= swProtections;
    ReadOptionalHexaParam(strText, "SwProtUnmask", SwProtUnmask, 0, 0xFFFFFFFF);
    SwProtUnmask &= swProtections;

    ReadOptionalRadioParam(strText, "LSP", LSP, 0, 1);
    ReadOptionalRadioParam(strText, "LSN", LSN, 0, 1);
    ReadOptionalRadioParam(strText, "Capture", Capture, 0, 1);
    ReadOptionalRadioParam(strText, "CaptureType", CaptureType, 1, 2);

    // An input the drive lacks falls back to the one it has; a drive with neither keeps what was read.
    if (IsIndexPresent() || IsIndex2Present()) {
        if (CaptureType == 1 && !IsIndexPresent()) CaptureType = 2;
        else if (CaptureType == 2 && !IsIndex2Present()) CaptureType = 1;
    }

    strError += ReadOptionalDataParam(strText, kPeriodKey, nullptr, nullptr, Period, 0);
    return strError.IsEmpty();
}

void CInternalData::WriteParameters(CString& strText) {
    WriteRadioParam(strText, "SetupInterrupt", SetupInterrupt);
    if (Mask != 0) WriteHexaParam(strText, "Mask", Mask);
    if (Unmask != 0) WriteHexaParam(strText, "Unmask", Unmask);
    if (Reset != 0) WriteHexaParam(strText, "Reset", Reset);
    if (SwProtMask != 0) WriteHexaParam(strText, "SwProtMask", SwProtMask);
    if (SwProtUnmask != 0) WriteHexaParam(strText, "SwProtUnmask", SwProtUnmask);
    if (IsLSPPresent()) WriteRadioParam(strText, "LSP", LSP);
    if (IsLSNPresent()) WriteRadioParam(strText, "LSN", LSN);
    if (IsCapturePresent()) {
        WriteRadioParam(strText, "Capture", Capture);
        WriteRadioParam(strText, "CaptureType", CaptureType);
    }
    if (IsTimePeriodPresent()) WriteDataParam(strText, Period);
}
