// The KRX lines a block is translated into. The worked example and the global switches alone are
// translated through the plug-in in tests/host/krxhost and tests/plugin.
#include <gtest/gtest.h>

#include <string>

#include "drives.h"
#include "interrupts/internal_data.h"

namespace {

CMC_Motion g_motion;

CString TranslateText(const CMC_Setup& drive, const char* text) {
    CInternalData block(drive, g_motion);
    CString error;
    EXPECT_TRUE(block.ReadParameters(text, error)) << error.GetString();
    return block.Translate();
}

std::string Icr(const char* mask, const char* set) {
    return std::string("  SRB ICR, ") + mask + ", " + set + "; //Set/Reset Bits of Interrupt Control Register\r\n";
}
const std::string kPcr = "; //Set/Reset Bits of Protection Control Register\r\n";
const std::string kCapi = "CAPI input to trigger a ";

}  // namespace

TEST(KrxGenerator, EachKindOfLineFromTheItemsText) {
    const CMC_Setup& standard = CMC_Setup::Default();
    const CMC_Setup lsp = MakeDrive({"Limit Switch Positive"}, 1, 0, 0, 0, 0, false);
    const CMC_Setup lspInverted = MakeDrive({"Limit Switch Positive"}, -3, 0, 0, 0, 0, false);
    const CMC_Setup shortNames = MakeDrive({"LSP", "LSN"}, 0, 1, 0, 0, 0, false);
    const CMC_Setup bothInputs = MakeDrive({"Capture"}, 0, 0, -1, 1, 0, false);
    const CMC_Setup time = MakeDrive({"Time"}, 0, 0, 0, 0, 0, true);
    const CMC_Setup timeWithoutVariable = MakeDrive({"Time"}, 0, 0, 0, 0, 0, false);
    const CMC_Setup sixteen = MakeWideDrive(20, 5);
    const CMC_Setup none;
    const struct {
        const CMC_Setup& drive;
        const char* text;
        std::string lines;
    } cases[] = {
        // Interrupts in Mask only are cleared but never armed: no edge, no capture line.
        {standard, "Mask=0x1E;LSP=1;Capture=1;", Icr("0x80E1", "0x0000")},
        // The protection line needs the protection interrupt and a mask.
        {standard, "Unmask=0x2;SwProtMask=0x1;SwProtUnmask=0x2;",
         "  ENCAPI1; //Activate " + kCapi + "rising transitions\r\n" + Icr("0x80FF", "0x0002")},
        {standard, "Unmask=0x1;SwProtUnmask=0x10;", "  SRB PCR, 0x001F, 0x0010" + kPcr + Icr("0x80FF", "0x0001")},
        // Edge digits follow the sign of the option; short captions stand in for the long ones.
        {lsp, "Unmask=0x1;LSP=0;", "  ENLSP1; //Positive Limit Switch triggers rising edge\r\n" + Icr("0x8001", "0x0001")},
        {lsp, "Unmask=0x1;LSP=1;", "  ENLSP0; //Positive Limit Switch triggers falling edge\r\n" + Icr("0x8001", "0x0001")},
        {lspInverted, "Unmask=0x1;LSP=0;",
         "  ENLSP0; //Positive Limit Switch triggers rising edge\r\n" + Icr("0x8001", "0x0001")},
        {lspInverted, "Unmask=0x1;LSP=1;",
         "  ENLSP1; //Positive Limit Switch triggers falling edge\r\n" + Icr("0x8001", "0x0001")},
        {shortNames, "Unmask=0x3;LSN=1;",
         "  ENLSN0; //Negative Limit Switch triggers falling edge\r\n" + Icr("0x8003", "0x0003")},
        // The capture line of each input.
        {bothInputs, "Unmask=0x1;CaptureType=2;Capture=0;",
         "  EN2CAPI1; //Activate " + kCapi + "rising transitions\r\n" + Icr("0x8001", "0x0001")},
        {bothInputs, "Unmask=0x1;CaptureType=2;Capture=1;",
         "  EN2CAPI0; ////Activate " + kCapi + "falling transitions\r\n" + Icr("0x8001", "0x0001")},
        {bothInputs, "Unmask=0x1;CaptureType=1;Capture=1;",
         "  ENCAPI1; ////Activate " + kCapi + "falling transitions\r\n" + Icr("0x8001", "0x0001")},
        // The time line needs the period variable.
        {time, "Unmask=0x1;KRXINTPER=0.5;",
         "  KRXINTPER = 2;//Set a time interrupt at every 0.5[ms]\r\n" + Icr("0x8001", "0x0001")},
        {time, "Unmask=0x1;KRXINTPER=3 ticks;",
         "  KRXINTPER = 3;//Set a time interrupt at every 3[ticks]\r\n" + Icr("0x8001", "0x0001")},
        {timeWithoutVariable, "Unmask=0x1;KRXINTPER=2;", Icr("0x8001", "0x0001")},
        // Sixteen and more interrupts keep bit 15 and print the low half.
        {sixteen, "Mask=0x000F8000;Unmask=0x00070000;Reset=0xFFFFFFFF;",
         "  SRB ISR, 0x8000, 0; //Reset Bits of Interrupt Status Register\r\n" + Icr("0xFFFF", "0x0000")},
        {sixteen, "Mask=0x00000001;Unmask=0x00018000;", Icr("0xFFFE", "0x8000")},
        {none, "Mask=0xFF;Unmask=0xFF;Reset=0xFF;SetupInterrupt=1;",
         "  SRB ISR, 0x8000, 0; //Reset Bits of Interrupt Status Register\r\n" + Icr("0x8000", "0x0000") +
             "  EINT; //Enable KRX INTerrupts\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(TranslateText(c.drive, c.text)), c.lines) << c.text;
}

// Values the reading corrects or refuses, set directly.
TEST(KrxGenerator, NeitherEdgeAndAnAbsentInputGiveNoLine) {
    const CMC_Setup shortNames = MakeDrive({"LSP", "LSN"}, 0, 1, 0, 0, 0, false);
    const CMC_Setup firstOnly = MakeDrive({"Capture"}, 0, 0, 1, 0, 0, false);
    CInternalData limit(shortNames, g_motion);
    limit.Unmask = 3;
    limit.LSN = 2;
    EXPECT_EQ(limit.Translate().Find("ENLSN"), -1);
    CInternalData capture(firstOnly, g_motion);
    capture.Unmask = 1;
    capture.CaptureType = 2;
    EXPECT_EQ(capture.Translate().Find("CAPI"), -1);
}

TEST(KrxGenerator, ThirtyTwoAndMoreInterruptsUseAllThirtyTwoBits) {
    for (int n : {31, 32, 33, 40}) {
        CMC_Setup drive = MakeWideDrive(n, n);
        // The full masks must not shift by 32 or more: every mask bit of the block is kept.
        EXPECT_EQ(std::string(TranslateText(drive, "Unmask=0x80000001;SwProtMask=0x80000000;SwProtUnmask=0x40000001;")),
                  "  SRB PCR, 0xFFFF, 0x0001" + kPcr + Icr("0xFFFF", "0x0001"))
            << n;
        CInternalData block(drive, g_motion);
        block.Reset = 0x0000FFFE;
        EXPECT_EQ(block.Translate(), "  SRB ISR, 0x8001, 0; //Reset Bits of Interrupt Status Register\r\n") << n;
    }
}
