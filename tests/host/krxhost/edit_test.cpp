// krxhost edit end to end: the plug-in's editor driven by scripts on the headless screen, its exit
// codes, and the new text of an edited item translated.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/krxhost/host_run.h"
#include "platform/win/png_writer.h"
#include "support/worked_example.h"

namespace fs = std::filesystem;

namespace {

struct EditCase {
    const char* name;
    std::vector<std::string> args;  // after "--display headless"
    std::string input;              // standard input
    int rc;
    std::string out;
    std::string err;  // what standard error starts with
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class HostEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(HostEdit, ExitsAndPrintsAsTheEditorEnded) {
    const EditCase& c = GetParam();
    std::vector<std::string> args{"--display", "headless"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const HostRun r = Host(args, c.input);
    EXPECT_EQ(r.rc, c.rc) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
}

const std::string kTail = "LSP=0;LSN=0;Capture=0;CaptureType=1;KRXINTPER=1 ms;\n";
const std::string kNoFile = "/nonexistent/file";

INSTANTIATE_TEST_SUITE_P(
    Host, HostEdit,
    ::testing::Values(
        EditCase{"OKPrintsTheNewTextAndALineBreak", {"edit", "--script", "-", "Mask=0x1;"}, "click 4 2\nbutton OK\n", 0,
                 "SetupInterrupt=0;Unmask=0x00000001;" + kTail, ""},
        EditCase{"TheGlobalBoxTakesTheSpaceBar", {"edit", "--script", "-", ""}, "click 1 1\nkey Space\nbutton OK\n", 0,
                 "SetupInterrupt=1;" + kTail, ""},
        EditCase{"CancelPrintsNothing", {"edit", "--script", "-", ""}, "click 4 2\nbutton Cancel\n", 1, "", ""},
        // The Software Protections dialog is left open: it is cancelled, then the editor.
        EditCase{"AScriptEndingInANestedDialogCancelsInnermostFirst", {"edit", "--script", "-", ""},
                 "click 4 2\nclick 4 5\nclick 7 2\n", 1, "", ""},
        EditCase{"ALineThatCannotBeCarriedOut", {"edit", "--script", "-", ""}, "click 4 2\nclick 99 2\nbutton OK\n", 2, "",
                 "krxhost: standard input:2: cell 99, 2 is outside the grid of 11 rows and 5 columns\n"},
        EditCase{"HeadlessWithoutAScript", {"edit", ""}, "", 2, "", "krxhost: edit needs a display for a person, or a script"},
        EditCase{"NoText", {"edit", "--script", "-"}, "button OK\n", 2, "", "krxhost: TEXT is required"},
        EditCase{"AnUnreadableSetup", {"edit", "--setup", kNoFile, "--script", "-", ""}, "button OK\n", 2, "",
                 "krxhost: " + kNoFile + ": cannot be read"},
        EditCase{"AnUnreadableScript", {"edit", "--script", kNoFile, ""}, "", 2, "", "krxhost: " + kNoFile + ": cannot be read"},
        EditCase{"TextAndScriptBothFromStandardInput", {"edit", "--script", "-", "-"}, "button OK\n", 2, "",
                 "krxhost: the text and the script cannot both come from standard input\n"}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST(HostEditText, FromStandardInputAndNeverWithANulByte) {
    const fs::path ok = WriteTemp("ok.script", "button OK\n");
    HostRun r = Host({"--display", "headless", "edit", "--script", ok.string(), "-"}, "Reset=0x3;\n");
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "SetupInterrupt=0;Reset=0x00000003;" + kTail);
    r = Host({"--display", "headless", "edit", "--script", ok.string(), "-"}, std::string("Reset=0x3;\0Unmask=0x1;", 22));
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "krxhost: a NUL byte at offset 10: a parameter text cannot hold one\n");
    fs::remove(ok);
}

// The session of examples/ on the worked example, as the main job runs it, with its picture.
TEST(HostEditText, TheExampleSessionGivesTheWorkedExampleItsNewLines) {
    std::ifstream in(KRX_SOURCE_DIR "/examples/editor-session.script");
    std::ostringstream session;
    session << in.rdbuf();
    std::string script = session.str();
    const std::string shot = "snapshot editor-session.png";
    const fs::path png = fs::temp_directory_path() / (std::to_string(getpid()) + "_editor-session.png");
    ASSERT_NE(script.find(shot), std::string::npos);
    script.replace(script.find(shot), shot.size(), "snapshot " + png.string());

    HostRun r = Host({"--display", "headless", "edit", "--script", "-", kWorkedExampleText}, script);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out,
              "SetupInterrupt=1;Mask=0x00000020;Unmask=0x0000005F;Reset=0x00000002;SwProtMask=0x00000003;"
              "SwProtUnmask=0x0000000C;LSP=0;LSN=1;Capture=1;CaptureType=1;KRXINTPER=2 ms;\n");
    PngImage picture;
    EXPECT_TRUE(ReadPng(png.c_str(), picture));
    EXPECT_EQ(picture.width, 653);
    fs::remove(png);

    r = Host({"translate", "-"}, r.out);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out,
              "  SRB ISR, 0x80FD, 0; //Reset Bits of Interrupt Status Register\r\n"
              "  SRB PCR, 0x001C, 0x000C; //Set/Reset Bits of Protection Control Register\r\n"
              "  ENLSP1; //Positive Limit Switch triggers rising edge\r\n"
              "  ENLSN1; //Negative Limit Switch triggers falling edge\r\n"
              "  ENCAPI0; ////Activate CAPI input to trigger a falling transitions\r\n"
              "  KRXINTPER = 8;//Set a time interrupt at every 2[ms]\r\n"
              "  SRB ICR, 0x80DF, 0x005F; //Set/Reset Bits of Interrupt Control Register\r\n"
              "  EINT; //Enable KRX INTerrupts\r\n");
}

}  // namespace
