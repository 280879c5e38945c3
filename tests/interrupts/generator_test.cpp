#include <gtest/gtest.h>

#include "drives.h"
#include "interrupts/internal_data.h"
#include "support/worked_example.h"

namespace {

CMC_Motion g_motion;

CString TranslateText(const CMC_Setup& drive, const char* text) {
    CInternalData block(drive, g_motion);
    CString error;
    EXPECT_TRUE(block.ReadParameters(text, error)) << error.GetString();
    return block.Translate();
}

}  // namespace

TEST(KrxGenerator, WorkedExampleLineByLine) {
    EXPECT_EQ(TranslateText(CMC_Setup::Default(), kWorkedExampleText), kWorkedExampleLines);
}

TEST(KrxGenerator, GlobalSwitchesAlone) {
    const CMC_Setup& drive = CMC_Setup::Default();
    EXPECT_EQ(TranslateText(drive, ""), "");
    EXPECT_EQ(TranslateText(drive, "SetupInterrupt=2;"), "  DINT; //Disable KRX INTerrupts\r\n");
    EXPECT_EQ(TranslateText(drive, "SetupInterrupt=1;"), "  EINT; //Enable KRX INTerrupts\r\n");
}

TEST(KrxGenerator, MaskedOnlyInterruptsAreClearedButNeverArmed) {
    const CMC_Setup& drive = CMC_Setup::Default();
    // Capture, both limit switches and time in Mask only.
    EXPECT_EQ(TranslateText(drive, "Mask=0x1E;LSP=1;Capture=1;"),
              "  SRB ICR, 0x80E1, 0x0000; //Set/Reset Bits of Interrupt Control Register\r\n");
}

TEST(KrxGenerator, ProtectionLineNeedsTheProtectionInterruptAndAMask) {
    const CMC_Setup& drive = CMC_Setup::Default();
    EXPECT_EQ(TranslateText(drive, "Unmask=0x1;"),
              "  SRB ICR, 0x80FF, 0x0001; //Set/Reset Bits of Interrupt Control Register\r\n");
    EXPECT_EQ(TranslateText(drive, "Unmask=0x2;SwProtMask=0x1;SwProtUnmask=0x2;").Find("SRB PCR"), -1);
    EXPECT_EQ(TranslateText(drive, "Unmask=0x1;SwProtUnmask=0x10;").Left(34), "  SRB PCR, 0x001F, 0x0010; //Set/R");
}

TEST(KrxGenerator, EdgeDigitsFollowTheSignOfTheOptions) {
    struct Case {
        int option;
        int edge;
        const char* line;
    };
    const Case cases[] = {
        {1, 0, "  ENLSP1; //Positive Limit Switch triggers rising edge\r\n"},
        {1, 1, "  ENLSP0; //Positive Limit Switch triggers falling edge\r\n"},
        {-1, 0, "  ENLSP0; //Positive Limit Switch triggers rising edge\r\n"},
        {-3, 1, "  ENLSP1; //Positive Limit Switch triggers falling edge\r\n"},
    };
    for (const Case& c : cases) {
        CMC_Setup drive = MakeDrive({"Limit Switch Positive"}, c.option, 0, 0, 0, 0, false);
        CInternalData block(drive, g_motion);
        block.Unmask = 1;
        block.LSP = c.edge;
        CString lines = block.Translate();
        EXPECT_EQ(lines.Left(lines.Find('\n') + 1), c.line) << c.option << " " << c.edge;
    }
    // The short captions stand in for the long ones; the option must be there.
    CMC_Setup shortNames = MakeDrive({"LSP", "LSN"}, 0, 1, 0, 0, 0, false);
    CInternalData block(shortNames, g_motion);
    block.Unmask = 3;
    block.LSN = 1;
    EXPECT_EQ(block.Translate(),
              "  ENLSN0; //Negative Limit Switch triggers falling edge\r\n"
              "  SRB ICR, 0x8003, 0x0003; //Set/Reset Bits of Interrupt Control Register\r\n");
    block.LSN = 2;  // neither edge: no line
    EXPECT_EQ(block.Translate().Find("ENLSN"), -1);
}

TEST(KrxGenerator, CaptureLinesForEachInput) {
    CMC_Setup both = MakeDrive({"Capture"}, 0, 0, -1, 1, 0, false);
    CInternalData block(both, g_motion);
    block.Unmask = 1;
    block.CaptureType = 2;
    block.Capture = 0;
    EXPECT_EQ(block.Translate().Left(block.Translate().Find('\n') + 1),
              "  EN2CAPI1; //Activate CAPI input to trigger a rising transitions\r\n");
    block.Capture = 1;
    EXPECT_EQ(block.Translate().Left(block.Translate().Find('\n') + 1),
              "  EN2CAPI0; ////Activate CAPI input to trigger a falling transitions\r\n");
    block.CaptureType = 1;
    EXPECT_EQ(block.Translate().Left(block.Translate().Find('\n') + 1),
              "  ENCAPI1; ////Activate CAPI input to trigger a falling transitions\r\n");

    CMC_Setup firstOnly = MakeDrive({"Capture"}, 0, 0, 1, 0, 0, false);
    CInternalData second(firstOnly, g_motion);
    second.Unmask = 1;
    second.CaptureType = 2;  // set directly, so no correction on reading
    EXPECT_EQ(second.Translate().Find("CAPI"), -1);
}

TEST(KrxGenerator, TimeLineNeedsThePeriodVariable) {
    CMC_Setup withVariable = MakeDrive({"Time"}, 0, 0, 0, 0, 0, true);
    EXPECT_EQ(TranslateText(withVariable, "Unmask=0x1;KRXINTPER=0.5;"),
              "  KRXINTPER = 2;//Set a time interrupt at every 0.5[ms]\r\n"
              "  SRB ICR, 0x8001, 0x0001; //Set/Reset Bits of Interrupt Control Register\r\n");
    EXPECT_EQ(TranslateText(withVariable, "Unmask=0x1;KRXINTPER=3 ticks;").Find(
                  "  KRXINTPER = 3;//Set a time interrupt at every 3[ticks]\r\n"),
              0);
    CMC_Setup without = MakeDrive({"Time"}, 0, 0, 0, 0, 0, false);
    EXPECT_EQ(TranslateText(without, "Unmask=0x1;KRXINTPER=2;").Find("KRXINTPER"), -1);
}

TEST(KrxGenerator, SixteenAndMoreInterruptsKeepBit15AndPrintTheLowHalf) {
    CMC_Setup drive = MakeWideDrive(20, 5);
    EXPECT_EQ(TranslateText(drive, "Mask=0x000F8000;Unmask=0x00070000;Reset=0xFFFFFFFF;"),
              "  SRB ISR, 0x8000, 0; //Reset Bits of Interrupt Status Register\r\n"
              "  SRB ICR, 0xFFFF, 0x0000; //Set/Reset Bits of Interrupt Control Register\r\n");
    EXPECT_EQ(TranslateText(drive, "Mask=0x00000001;Unmask=0x00018000;"),
              "  SRB ICR, 0xFFFE, 0x8000; //Set/Reset Bits of Interrupt Control Register\r\n");
}

TEST(KrxGenerator, ThirtyTwoAndMoreInterruptsUseAllThirtyTwoBits) {
    for (int n : {31, 32, 33, 40}) {
        CMC_Setup drive = MakeWideDrive(n, n);
        // The full masks must not shift by 32 or more: every mask bit of the block is kept.
        EXPECT_EQ(TranslateText(drive, "Unmask=0x80000001;SwProtMask=0x80000000;SwProtUnmask=0x40000001;"),
                  std::string("  SRB PCR, 0xFFFF, 0x0001; //Set/Reset Bits of Protection Control Register\r\n"
                              "  SRB ICR, 0xFFFF, 0x0001; //Set/Reset Bits of Interrupt Control Register\r\n")
                      .c_str())
            << n;
        CInternalData block(drive, g_motion);
        block.Reset = 0x0000FFFE;
        EXPECT_EQ(block.Translate(), "  SRB ISR, 0x8001, 0; //Reset Bits of Interrupt Status Register\r\n") << n;
    }
}

TEST(KrxGenerator, NoInterruptsAtAll) {
    CMC_Setup empty;
    CInternalData block(empty, g_motion);
    block.Mask = 0xFF;
    block.Unmask = 0xFF;
    block.Reset = 0xFF;
    block.SetupInterrupt = 1;
    EXPECT_EQ(block.Translate(),
              "  SRB ISR, 0x8000, 0; //Reset Bits of Interrupt Status Register\r\n"
              "  SRB ICR, 0x8000, 0x0000; //Set/Reset Bits of Interrupt Control Register\r\n"
              "  EINT; //Enable KRX INTerrupts\r\n");
}
