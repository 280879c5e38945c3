// krxhost edit end to end: the plug-in's editor driven by scripts on the headless screen, its exit
// codes, and the new text of an edited item translated.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "host/krxhost/host_run.h"
#include "platform/win/png_writer.h"
#include "support/worked_example.h"

namespace {
const std::string kTail = "LSP=0;LSN=0;Capture=0;CaptureType=1;KRXINTPER=1 ms;\n";
const std::string kNoFile = "/nonexistent/file";
}  // namespace

TEST(HostEdit, ExitsAndPrintsAsTheEditorEnded) {
    WriteTemp("ok.script", "button OK\n");
    const std::string d = "--display", h = "headless";
    const HostCase cases[] = {
        {{d, h, "edit", "--script", "-", "Mask=0x1;"}, 0, "SetupInterrupt=0;Unmask=0x00000001;" + kTail, "",
         {.stdinText = "click 4 2\nbutton OK\n"}},
        {{d, h, "edit", "--script", "-", ""}, 0, "SetupInterrupt=1;" + kTail, "",
         {.stdinText = "click 1 1\nkey Space\nbutton OK\n"}},
        {{d, h, "edit", "--script", "-", ""}, 1, "", "", {.stdinText = "click 4 2\nbutton Cancel\n"}},
        // The Software Protections dialog is left open: it is cancelled, then the editor.
        {{d, h, "edit", "--script", "-", ""}, 1, "", "", {.stdinText = "click 4 2\nclick 4 5\nclick 7 2\n"}},
        {{d, h, "edit", "--script", "-", ""}, 2, "",
         "krxhost: standard input:2: cell 99, 2 is outside the grid of 11 rows and 5 columns\n",
         {.stdinText = "click 4 2\nclick 99 2\nbutton OK\n"}},
        // Typed into the Time dialog, which Enter closes; a failure inside it closes both dialogs.
        {{d, h, "edit", "--script", "-", ""}, 0,
         "SetupInterrupt=0;Unmask=0x00000010;LSP=0;LSN=0;Capture=0;CaptureType=1;KRXINTPER=250 ms;\n", "",
         {.stdinText = "click 8 2\nclick 8 5\ntype 250\nkey Enter\nbutton OK\n"}},
        {{d, h, "edit", "--script", "-", ""}, 2, "", "krxhost: standard input:3: the active window has no grid\n",
         {.stdinText = "click 5 2\nclick 5 5\ndump\nbutton OK\n"}},
        {{d, h, "edit", ""}, 2, "", "krxhost: edit needs a display for a person, or a script..."},
        {{d, h, "edit", "--script", "-"}, 2, "", "krxhost: TEXT is required...", {.stdinText = "button OK\n"}},
        {{d, h, "edit", "--setup", kNoFile, "--script", "-", ""}, 2, "", "krxhost: " + kNoFile + ": cannot be read...",
         {.stdinText = "button OK\n"}},
        {{d, h, "edit", "--script", kNoFile, ""}, 2, "", "krxhost: " + kNoFile + ": cannot be read..."},
        {{d, h, "edit", "--script", "-", "-"}, 2, "",
         "krxhost: the text and the script cannot both come from standard input\n", {.stdinText = "button OK\n"}},
        {{d, h, "edit", "--script", "$Tok.script", "-"}, 0, "SetupInterrupt=0;Reset=0x00000003;" + kTail, "",
         {.stdinText = "Reset=0x3;\n"}},
        {{d, h, "edit", "--script", "$Tok.script", "-"}, 2, "",
         "krxhost: a NUL byte at offset 10: a parameter text cannot hold one\n",
         {.stdinText = std::string("Reset=0x3;\0Unmask=0x1;", 22)}},
    };
    for (const HostCase& c : cases) ExpectHost(c);
}

// The session of examples/ on the worked example, as the main job runs it, with its picture.
TEST(HostEdit, TheExampleSessionGivesTheWorkedExampleItsNewLines) {
    std::ifstream in(KRX_SOURCE_DIR "/examples/editor-session.script");
    std::ostringstream session;
    session << in.rdbuf();
    std::string script = session.str();
    const std::string shot = "snapshot editor-session.png";
    const std::string png = WriteTemp("editor-session.png", "").string();
    ASSERT_NE(script.find(shot), std::string::npos);
    script.replace(script.find(shot), shot.size(), "snapshot " + png);

    HostRun r = Host({"--display", "headless", "edit", "--script", "-", kWorkedExampleText}, script);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out,
              "SetupInterrupt=1;Mask=0x00000020;Unmask=0x0000005F;Reset=0x00000002;SwProtMask=0x00000003;"
              "SwProtUnmask=0x0000000C;LSP=0;LSN=1;Capture=1;CaptureType=1;KRXINTPER=2 ms;\n");
    // The snapshot is the editor with its frame, its caption active.
    PngImage picture;
    EXPECT_TRUE(ReadPng(png.c_str(), picture));
    EXPECT_EQ(picture.width, 653);
    EXPECT_EQ(picture.height, 422);
    EXPECT_EQ(picture.At(picture.width / 2, 8), 0x0A246Au);

    ExpectHost({{"translate", "-"}, 0,
                "  SRB ISR, 0x80FD, 0; //Reset Bits of Interrupt Status Register\r\n"
                "  SRB PCR, 0x001C, 0x000C; //Set/Reset Bits of Protection Control Register\r\n"
                "  ENLSP1; //Positive Limit Switch triggers rising edge\r\n"
                "  ENLSN1; //Negative Limit Switch triggers falling edge\r\n"
                "  ENCAPI0; ////Activate CAPI input to trigger a falling transitions\r\n"
                "  KRXINTPER = 8;//Set a time interrupt at every 2[ms]\r\n"
                "  SRB ICR, 0x80DF, 0x005F; //Set/Reset Bits of Interrupt Control Register\r\n"
                "  EINT; //Enable KRX INTerrupts\r\n",
                "", {.stdinText = r.out}});
}
