// The host program end to end: the real binary on the real plug-in.
#include <gtest/gtest.h>

#include <string>

#include "host/krxhost/host_run.h"
#include "support/worked_example.h"

namespace {
const std::string kWorked = kWorkedExampleText;
const std::string kDint = "  DINT; //Disable KRX INTerrupts\r\n";
const std::string kInfo = "name: Interrupt Settings\nclass name: Interrupt Settings\norder: 0x6010 (24592)\n";
}  // namespace

TEST(HostCommands, InfoDefaultAndTranslateFromEachSource) {
    WriteTemp("none.json", R"({"interrupts": []})");
    WriteTemp("items.txt", "# comment\n\nSetupInterrupt=2;\r\n   \nSetupInterrupt=1;\n");
    WriteTemp("bad.txt", "SetupInterrupt=2;\n#x\nKRXINTPER=x;\nSetupInterrupt=1;\n");
    WriteTemp("warn.txt", "SetupInterrupt=2;\nX=1;\nSetupInterrupt=1;\n");
    const std::string ignored = "Unmask=0x1;Foo=1;LSP=9;Mask=0xQ;Unmask=0x2;oops";
    const HostCase cases[] = {
        {{"info"}, 0, kInfo + "enabled: yes\n", ""},
        {{"info", "--setup", "$Tnone.json"}, 0, kInfo + "enabled: no\n", ""},
        {{"default"}, 0, "", ""},
        {{"translate", kWorked}, 0, kWorkedExampleLines, ""},
        {{"translate", "-"}, 0, kWorkedExampleLines, "", {.stdinText = kWorked + "\n"}},
        {{"translate", "--setup", KRX_SOURCE_DIR "/examples/default-drive.json", kWorked}, 0, kWorkedExampleLines, ""},
        {{"translate", "--strict", kWorked}, 0, kWorkedExampleLines, ""},
        {{"translate", "SetupInterrupt=1;KRXINTPER=0;"}, 1, "", "KRXINTPER: \"0\" is shorter than one tick (0.25 ms)\n"},
        {{"translate", ignored}, 0, "  SRB ICR, 0x80FF, 0x0001; //Set/Reset Bits of Interrupt Control Register\r\n",
         "krxhost: warning: \"Foo=1\": unknown key, ignored\n"
         "krxhost: warning: \"LSP=9\": out of bounds, ignored\n"
         "krxhost: warning: \"Mask=0xQ\": not a number, ignored\n"
         "krxhost: warning: \"Unmask=0x2\": repeated key (the first one counts), ignored\n"
         "krxhost: warning: \"oops\": not an entry Key=Value, ignored\n"},
        {{"translate", "--strict", ignored}, 1, "", "krxhost: error: \"Foo=1\": unknown key, ignored\n..."},
        // Items files skip comments and blank lines and stop at the first failure.
        {{"translate", "--items", "$Titems.txt"}, 0, kDint + "  EINT; //Enable KRX INTerrupts\r\n", ""},
        {{"translate", "--items", "$Tbad.txt"}, 1, kDint, "$Tbad.txt:3: KRXINTPER: \"x\" is not a number\n"},
        {{"translate", "--items", "$Twarn.txt"}, 0, kDint + "  EINT; //Enable KRX INTerrupts\r\n",
         "krxhost: warning: $Twarn.txt:2: \"X=1\": unknown key, ignored\n"},
        {{"translate", "--strict", "--items", "$Twarn.txt"}, 1, kDint, "..."},
        {{"translate", "--items", "-"}, 0, kDint, "", {.stdinText = "SetupInterrupt=2;\n"}},
    };
    for (const HostCase& c : cases) ExpectHost(c);
}

TEST(HostCommands, UsageErrorsAndUnreadableFilesExitTwo) {
    WriteTemp("broken.json", R"({"interrupts": 5})");
    const HostCase cases[] = {
        {{}, 2, "", "krxhost: ..."},
        {{"frobnicate"}, 2, "", "krxhost: ..."},
        {{"translate"}, 2, "", "krxhost: ..."},
        {{"translate", "a", "--items", "f"}, 2, "", "krxhost: ..."},
        {{"info", "--bogus"}, 2, "", "krxhost: ..."},
        {{"translate", "--items", "/nonexistent/items"}, 2, "",
         "krxhost: /nonexistent/items: cannot be read: No such file or directory\n"},
        {{"info", "--setup", "$Tbroken.json"}, 2, "",
         "krxhost: $Tbroken.json: member \"interrupts\" must be an array of texts\n"},
        {{"info", "--plugin", "/nonexistent/plugin.so"}, 2, "",
         "krxhost: cannot load the plug-in /nonexistent/plugin.so: ..."},
        {{"info", "--setup", ""}, 2, "", "krxhost: --setup: an empty path names no file\n..."},
        {{"translate", "--plugin", "", "X=1"}, 2, "", "krxhost: --plugin: an empty path names no file\n..."},
        {{"--display", "headless", "frobnicate", "x"}, 2, "",
         "krxhost: unknown command \"frobnicate\" (the commands are info, default, translate, edit, demo-window, "
         "demo-dialog and demo-grid)\n..."},
    };
    for (const HostCase& c : cases) ExpectHost(c);
    for (const char* command : {"info", "default", "translate"}) {
        HostRun r = Host({command, "--help"});
        EXPECT_EQ(r.rc, 0) << command;
        EXPECT_NE(r.out.find("--setup"), std::string::npos) << command;
    }
    HostRun r = Host({"--help"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_NE(r.out.find("translate"), std::string::npos);
}
