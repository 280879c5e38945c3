// The host program end to end: the real binary on the real plug-in.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/krxhost/host_run.h"
#include "support/worked_example.h"

namespace {

const std::string kWorkedExample = kWorkedExampleText;
const std::string kWorkedLines = kWorkedExampleLines;

}  // namespace

TEST(HostInfo, FourLinesAndAvailabilityFollowsTheDrive) {
    HostRun r = Host({"info"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "name: Interrupt Settings\nclass name: Interrupt Settings\norder: 0x6010 (24592)\nenabled: yes\n");
    EXPECT_EQ(r.err, "");
    auto none = WriteTemp("none.json", R"({"interrupts": []})");
    r = Host({"info", "--setup", none.string()});
    EXPECT_EQ(r.out.substr(r.out.rfind("enabled")), "enabled: no\n");
    std::filesystem::remove(none);
}

TEST(HostDefault, PrintsTheEmptyTextAndNothingElse) {
    HostRun r = Host({"default"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

TEST(HostTranslate, WorkedExampleFromTheArgumentAndFromStandardInput) {
    HostRun r = Host({"translate", kWorkedExample});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, kWorkedLines);
    EXPECT_EQ(r.err, "");
    r = Host({"translate", "-"}, kWorkedExample + "\n");
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, kWorkedLines);
    r = Host({"translate", "--setup", KRX_SOURCE_DIR "/examples/default-drive.json", kWorkedExample});
    EXPECT_EQ(r.out, kWorkedLines);
}

TEST(HostTranslate, FailureGivesTheErrorTextAndExitOne) {
    HostRun r = Host({"translate", "SetupInterrupt=1;KRXINTPER=0;"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "KRXINTPER: \"0\" is shorter than one tick (0.25 ms)\n");
}

TEST(HostTranslate, IgnoredEntriesWarnAndStrictRefuses) {
    const std::string text = "Unmask=0x1;Foo=1;LSP=9;Mask=0xQ;Unmask=0x2;oops";
    const std::string warnings =
        "krxhost: warning: \"Foo=1\": unknown key, ignored\n"
        "krxhost: warning: \"LSP=9\": out of bounds, ignored\n"
        "krxhost: warning: \"Mask=0xQ\": not a number, ignored\n"
        "krxhost: warning: \"Unmask=0x2\": repeated key (the first one counts), ignored\n"
        "krxhost: warning: \"oops\": not an entry Key=Value, ignored\n";
    HostRun r = Host({"translate", text});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "  SRB ICR, 0x80FF, 0x0001; //Set/Reset Bits of Interrupt Control Register\r\n");
    EXPECT_EQ(r.err, warnings);
    r = Host({"translate", "--strict", text});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find("krxhost: error: \"Foo=1\": unknown key, ignored\n"), 0u);
    r = Host({"translate", "--strict", kWorkedExample});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, kWorkedLines);
}

TEST(HostTranslate, ItemsFileSkipsCommentsAndStopsAtTheFirstFailure) {
    auto items = WriteTemp("items.txt", "# comment\n\nSetupInterrupt=2;\r\n   \nSetupInterrupt=1;\n");
    HostRun r = Host({"translate", "--items", items.string()});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "  DINT; //Disable KRX INTerrupts\r\n  EINT; //Enable KRX INTerrupts\r\n");

    auto bad = WriteTemp("bad.txt", "SetupInterrupt=2;\n#x\nKRXINTPER=x;\nSetupInterrupt=1;\n");
    r = Host({"translate", "--items", bad.string()});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "  DINT; //Disable KRX INTerrupts\r\n");
    EXPECT_EQ(r.err, bad.string() + ":3: KRXINTPER: \"x\" is not a number\n");

    auto warn = WriteTemp("warn.txt", "SetupInterrupt=2;\nX=1;\nSetupInterrupt=1;\n");
    r = Host({"translate", "--items", warn.string()});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.err, "krxhost: warning: " + warn.string() + ":2: \"X=1\": unknown key, ignored\n");
    r = Host({"translate", "--strict", "--items", warn.string()});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "  DINT; //Disable KRX INTerrupts\r\n");

    r = Host({"translate", "--items", "-"}, "SetupInterrupt=2;\n");
    EXPECT_EQ(r.out, "  DINT; //Disable KRX INTerrupts\r\n");
    for (auto& p : {items, bad, warn}) std::filesystem::remove(p);
}

TEST(HostUsage, UsageErrorsAndUnreadableFilesExitTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"translate"}, {"translate", "a", "--items", "f"}, {"info", "--bogus"}}) {
        HostRun r = Host(args);
        EXPECT_EQ(r.rc, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(r.err.find("krxhost: "), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    HostRun r = Host({"translate", "--items", "/nonexistent/items"});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: /nonexistent/items: cannot be read: No such file or directory\n");
    r = Host({"info", "--setup", "/nonexistent/drive.json"});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: /nonexistent/drive.json: cannot be read: No such file or directory\n");
    auto broken = WriteTemp("broken.json", R"({"interrupts": 5})");
    r = Host({"info", "--setup", broken.string()});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: " + broken.string() + ": member \"interrupts\" must be an array of texts\n");
    r = Host({"info", "--plugin", "/nonexistent/plugin.so"});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err.find("krxhost: cannot load the plug-in /nonexistent/plugin.so: "), 0u);
    std::filesystem::remove(broken);
}

TEST(HostUsage, HelpForEveryCommand) {
    for (const char* command : {"info", "default", "translate"}) {
        HostRun r = Host({command, "--help"});
        EXPECT_EQ(r.rc, 0) << command;
        EXPECT_NE(r.out.find("--setup"), std::string::npos) << command;
    }
    HostRun r = Host({"--help"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_NE(r.out.find("translate"), std::string::npos);
}
