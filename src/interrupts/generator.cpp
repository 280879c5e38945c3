// KRX code generation: the lines of one "Interrupt Settings" block, in the order the drive must
// execute them: global disable first, then the status, protection and arming instructions, the
// period, the control register, and the global enable last.
#include "host/mckernel/setup.h"
#include "interrupts/internal_data.h"

namespace {

// The digit of an arming instruction from the sign of the input's option: rising-edge lines use
// 1 for a positive option, falling-edge lines 1 for a negative one.
int EdgeDigit(int nOption, bool bFalling) { return (bFalling ? nOption < 0 : nOption > 0) ? 1 : 0; }

// KRX words are 16 bits wide: the instructions print the low half of every mask.
unsigned short Low16(DWORD dw) { return static_cast<unsigned short>(dw & 0xFFFF); }

}  // namespace

CString CInternalData::Translate() const {
    const CMC_Setup& setup = GetSetup();
    const DWORD allInterrupts = CMC_FullMask(setup.GetInterruptsCount());
    const DWORD allProtections = CMC_FullMask(setup.GetSwProtectionsCount());
    CString out;

    if (SetupInterrupt == 2) out += "  DINT; //Disable KRX INTerrupts\r\n";

    if (Reset != 0)
        out.AppendFormat("  SRB ISR, 0x%04hX, 0; //Reset Bits of Interrupt Status Register\r\n",
                         Low16((~Reset & allInterrupts) | 0x8000));

    if (IsEnabledByBlock(GetSwProtInterrupt()) && (SwProtMask != 0 || SwProtUnmask != 0))
        out.AppendFormat("  SRB PCR, 0x%04hX, 0x%04hX; //Set/Reset Bits of Protection Control Register\r\n",
                         Low16(~SwProtMask & allProtections), Low16(SwProtUnmask & allProtections));

    const int isLSP = setup.GetIntOption("isLSP");
    if (isLSP != 0 && IsEnabledByBlock(GetLSPInterrupt())) {
        if (LSP == 0)
            out.AppendFormat("  ENLSP%d; //Positive Limit Switch triggers rising edge\r\n", EdgeDigit(isLSP, false));
        else if (LSP == 1)
            out.AppendFormat("  ENLSP%d; //Positive Limit Switch triggers falling edge\r\n", EdgeDigit(isLSP, true));
    }

    const int isLSN = setup.GetIntOption("isLSN");
    if (isLSN != 0 && IsEnabledByBlock(GetLSNInterrupt())) {
        if (LSN == 0)
            out.AppendFormat("  ENLSN%d; //Negative Limit Switch triggers rising edge\r\n", EdgeDigit(isLSN, false));
        else if (LSN == 1)
            out.AppendFormat("  ENLSN%d; //Negative Limit Switch triggers falling edge\r\n", EdgeDigit(isLSN, true));
    }

    if (IsEnabledByBlock(GetCaptureInterrupt())) {
        const int isIndex = setup.GetIntOption("isIndex");
        const int isIndex2 = setup.GetIntOption("isIndex2");
        // The falling-edge comments really do begin with four slashes: the drive's tools expect it.
        if (CaptureType == 1 && isIndex != 0) {
            if (Capture == 0)
                out.AppendFormat("  ENCAPI%d; //Activate CAPI input to trigger a rising transitions\r\n",
                                 EdgeDigit(isIndex, false));
            else if (Capture == 1)
                out.AppendFormat("  ENCAPI%d; ////Activate CAPI input to trigger a falling transitions\r\n",
                                 EdgeDigit(isIndex, true));
        } else if (CaptureType == 2 && isIndex2 != 0) {
            if (Capture == 0)
                out.AppendFormat("  EN2CAPI%d; //Activate CAPI input to trigger a rising transitions\r\n",
                                 EdgeDigit(isIndex2, false));
            else if (Capture == 1)
                out.AppendFormat("  EN2CAPI%d; ////Activate CAPI input to trigger a falling transitions\r\n",
                                 EdgeDigit(isIndex2, true));
        }
    }

    if (IsEnabledByBlock(GetTimeInterrupt()) && IsTimePeriodPresent())
        out.AppendFormat("  %s = %s;//Set a time interrupt at every %s[%s]\r\n", "KRXINTPER",
                         Period.PrintValueForKRX().GetString(), Period.PrintValue().GetString(),
                         Period.GetSelectedUnit().GetString());

    if (Mask != 0 || Unmask != 0)
        out.AppendFormat("  SRB ICR, 0x%04hX, 0x%04hX; //Set/Reset Bits of Interrupt Control Register\r\n",
                         Low16((~Mask & allInterrupts) | 0x8000), Low16(Unmask & allInterrupts));

    if (SetupInterrupt == 1) out += "  EINT; //Enable KRX INTerrupts\r\n";
    return out;
}
