#include <gtest/gtest.h>

#include "interrupts/internal_data.h"
#include "drives.h"

namespace {

CMC_Motion g_motion;

struct Parsed {
    bool ok;
    CString error;
};

Parsed Read(CInternalData& block, const char* text) {
    CString error("stale");
    bool ok = block.ReadParameters(text, error);
    return {ok, error};
}

}  // namespace

TEST(ParameterBlockRead, ProtectionBitsTheDriveLacksAreDropped) {
    CMC_Setup drive = MakeDrive({"Software protection"}, 0, 0, 0, 0, 5, false);
    drive.SetSwProtectionsMask(0x15);  // protections 0, 2 and 4 exist
    CInternalData block(drive, g_motion);
    ASSERT_TRUE(Read(block, "SwProtMask=0xFFFFFFFF;SwProtUnmask=0x0000000E;").ok);
    EXPECT_EQ(block.SwProtMask, 0x15u);
    EXPECT_EQ(block.SwProtUnmask, 0x04u);
    // Interrupt masks are kept as they stand, even beyond the drive's interrupts.
    ASSERT_TRUE(Read(block, "Mask=0xFFFF0000;").ok);
    EXPECT_EQ(block.Mask, 0xFFFF0000u);
}

TEST(ParameterBlockRead, CaptureInputFallsBackToTheOneTheDriveHas) {
    struct Case {
        int isIndex, isIndex2;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {0, 1, "CaptureType=1;", 2}, {0, -1, "", 2},  // the default 1 is corrected as well
        {1, 0, "CaptureType=2;", 1}, {1, 1, "CaptureType=2;", 2}, {1, 1, "CaptureType=1;", 1},
        {0, 0, "CaptureType=2;", 2}, {0, 0, "CaptureType=1;", 1},  // neither input: stays as read
        {1, 0, "CaptureType=3;", 1},                                // out of bounds: unchanged
    };
    for (const Case& c : cases) {
        CMC_Setup drive = MakeDrive({"Capture"}, 0, 0, c.isIndex, c.isIndex2, 0, false);
        CInternalData block(drive, g_motion);
        ASSERT_TRUE(Read(block, c.text).ok);
        EXPECT_EQ(block.CaptureType, c.expected) << c.isIndex << c.isIndex2 << c.text;
    }
}

TEST(ParameterBlockRead, BadValuesAreIgnoredAndOnlyThePeriodFails) {
    const CMC_Setup& drive = CMC_Setup::Default();
    CInternalData block(drive, g_motion);
    ASSERT_TRUE(Read(block, "SetupInterrupt=3;LSP=2;LSN=-1;Capture=x;Mask=0x1;Mask=0x2;Unknown=5;").ok);
    EXPECT_EQ(block.SetupInterrupt, 0);
    EXPECT_EQ(block.LSP, 0);
    EXPECT_EQ(block.LSN, 0);
    EXPECT_EQ(block.Capture, 0);
    EXPECT_EQ(block.Mask, 0x1u);

    Parsed p = Read(block, "SetupInterrupt=1;KRXINTPER=fast;");
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error, "KRXINTPER: \"fast\" is not a number");
    EXPECT_EQ(block.SetupInterrupt, 1);  // everything before the period was read
    EXPECT_EQ(block.Period.PrintValue(), "1");
}

// What is written reads back to the same block: the fuzz target checks it on every text it reads,
// and the editor's tests read the whole text OK writes. A drive without a negative limit switch or a
// capture input gets no key for them.
TEST(ParameterBlockWrite, WritingAppendsOnlyWhatTheDriveHas) {
    CString text = "X=1;";
    CInternalData(MakeDrive({"Time"}, 1, 0, 0, 0, 0, false), g_motion).WriteParameters(text);
    EXPECT_EQ(text, "X=1;SetupInterrupt=0;LSP=0;");
}
