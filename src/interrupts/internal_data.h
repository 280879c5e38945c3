#pragma once
// CInternalData: one "Interrupt Settings" item in memory: which interrupts to enable, disable or
// reset, the global interrupt switch, the software protections to enable or disable, the limit
// switch and capture edges, the capture input and the time-interrupt period.
#include "host/mckernel/internal_data.h"

class CInternalData : public CMC_EditMotionInternalData {
public:
    CInternalData(const CMC_Setup& setup, CMC_Motion& motion);

    bool ReadParameters(const CString& strText, CString& strError) override;
    void WriteParameters(CString& strText) override;

    // The KRX lines of the block, each ending in CR LF (generator.cpp).
    CString Translate() const;

    // Feature tests: asked of the setup each time, never stored.
    bool IsLSPPresent() const;
    bool IsLSNPresent() const;
    bool IsIndexPresent() const;
    bool IsIndex2Present() const;
    bool IsCapturePresent() const { return IsIndexPresent() || IsIndex2Present(); }
    bool IsTimePeriodPresent() const;

    // Interrupt bit numbers, negative when the drive has no such interrupt.
    int GetLSPInterrupt() const;
    int GetLSNInterrupt() const;
    int GetCaptureInterrupt() const;
    int GetTimeInterrupt() const;
    int GetSwProtInterrupt() const;

    // True when the interrupt exists and the block enables it.
    bool IsEnabledByBlock(int nInterrupt) const noexcept {
        return nInterrupt >= 0 && nInterrupt < 32 && (Unmask & (DWORD{1} << nInterrupt)) != 0;
    }

    int SetupInterrupt = 0;   // 0 leave as is, 1 enable, 2 disable
    DWORD Mask = 0;           // interrupts to disable
    DWORD Unmask = 0;         // interrupts to enable
    DWORD Reset = 0;          // interrupts whose pending request is cleared
    DWORD SwProtMask = 0;     // software protections to disable
    DWORD SwProtUnmask = 0;   // software protections to enable
    int LSP = 0;              // positive limit switch edge: 0 rising, 1 falling
    int LSN = 0;              // negative limit switch edge
    int Capture = 0;          // capture edge
    int CaptureType = 1;      // 1 first encoder index, 2 second
    CMC_Parameter Period;     // time-interrupt period

    bool operator==(const CInternalData& o) const noexcept {
        return SetupInterrupt == o.SetupInterrupt && Mask == o.Mask && Unmask == o.Unmask && Reset == o.Reset &&
               SwProtMask == o.SwProtMask && SwProtUnmask == o.SwProtUnmask && LSP == o.LSP && LSN == o.LSN &&
               Capture == o.Capture && CaptureType == o.CaptureType && Period == o.Period;
    }
};
