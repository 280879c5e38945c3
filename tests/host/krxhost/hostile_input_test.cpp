// The host program given what a careless or hostile user gives it: unreadable and endless
// inputs, output that cannot be written, texts with NUL bytes and huge entries, drives beyond
// the masks. Each is a clear error (or warning), never a crash or a silent success.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/krxhost/host_run.h"

namespace fs = std::filesystem;

TEST(HostInput, UnreadableAndOversizedInputsAreUsageErrorsWithTheReason) {
    const std::string dir = fs::temp_directory_path().string();
    const fs::path fifo = WriteTemp("fifo", "");
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::resize_file(WriteTemp("huge.items", ""), (uintmax_t{64} << 20) + 1);
    fs::resize_file(WriteTemp("huge.json", ""), (uintmax_t{4} << 20) + 1);
    const std::string stdinFails = "krxhost: standard input cannot be read: ";
    const HostCase cases[] = {
        {{"translate", "--items", dir}, 2, "", "krxhost: " + dir + ": cannot be read: Is a directory\n"},
        {{"translate", "--items", "$Tfifo"}, 2, "", "krxhost: $Tfifo: cannot be read: a FIFO, not a regular file\n"},
        {{"translate", "--items", "/dev/null"}, 2, "", "krxhost: /dev/null: cannot be read: a device, not a regular file\n"},
        {{"info", "--setup", dir}, 2, "", "krxhost: " + dir + ": cannot be read: Is a directory\n"},
        {{"info", "--setup", "$Tfifo"}, 2, "", "krxhost: $Tfifo: cannot be read: a FIFO, not a regular file\n"},
        {{"translate", "-"}, 2, "", stdinFails + "Is a directory\n", {.stdinPath = dir}},
        {{"translate", "--items", "-"}, 2, "", stdinFails + "Bad file descriptor\n", {.closeStdin = true}},
        {{"translate", "-"}, 2, "", stdinFails + "Bad file descriptor\n", {.closeStdin = true}},
        {{"translate", "-"}, 2, "", stdinFails + "larger than 64 MiB\n", {.stdinPath = "/dev/zero"}},
        {{"translate", "--items", "$Thuge.items"}, 2, "", "krxhost: $Thuge.items: cannot be read: larger than 64 MiB\n"},
        {{"info", "--setup", "$Thuge.json"}, 2, "", "krxhost: $Thuge.json: cannot be read: larger than 4 MiB\n"},
    };
    for (const HostCase& c : cases) ExpectHost(c);
}

TEST(HostOutput, AFailedWriteIsReportedByEveryCommand) {
    WriteTemp("out.items", "SetupInterrupt=1;\n");
    const std::string png = WriteTemp("shot.png", "").string();
    const std::string full = "krxhost: standard output cannot be written: No space left on device\n";
    const HostCase cases[] = {
        {{"info"}, 1, "", full, {.stdoutPath = "/dev/full"}},
        {{"translate", "SetupInterrupt=1;"}, 1, "", full, {.stdoutPath = "/dev/full"}},
        {{"translate", "--items", "$Tout.items"}, 1, "", full, {.stdoutPath = "/dev/full"}},
        {{"--display", "headless", "demo-window", "--screenshot", png}, 1, "", full, {.stdoutPath = "/dev/full"}},
        {{"--display", "headless", "demo-dialog", "--screenshot", png}, 1, "", full, {.stdoutPath = "/dev/full"}},
        {{"--display", "headless", "demo-grid", "--rows", "5", "--screenshot", png}, 1, "", full,
         {.stdoutPath = "/dev/full"}},
        {{"info"}, 1, "", "krxhost: standard output cannot be written: Bad file descriptor\n", {.closeStdout = true}},
        {{"translate", "--items", "$Tout.items"}, 1, "", "krxhost: standard output cannot be written: Broken pipe\n",
         {.stdoutToClosedPipe = true}},
    };
    for (const HostCase& c : cases) ExpectHost(c);
}

TEST(HostTranslate, NulBytesAndLongOrControlCharactersInMessages) {
    WriteTemp("nul.items", std::string("SetupInterrupt=2;\nA=1;\0\nSetupInterrupt=1;\n", 40));
    const std::string k100(100, 'K');
    const HostCase cases[] = {
        {{"translate", "-"}, 1, "", "krxhost: error: a NUL byte at offset 19: a parameter text cannot hold one\n",
         {.stdinText = std::string("SetupInterrupt=1;Fo\0o=1;", 25)}},
        {{"translate", "--items", "$Tnul.items"}, 1, "  DINT; //Disable KRX INTerrupts\r\n",
         "krxhost: error: $Tnul.items:2: a NUL byte at offset 4: a parameter text cannot hold one\n"},
        // Messages quote a short excerpt with control characters escaped.
        {{"translate", k100 + "=1;A\x01\\B\tC=1;SetupInterrupt=1"}, 0, "  EINT; //Enable KRX INTerrupts\r\n",
         "krxhost: warning: \"" + std::string(80, 'K') + "...\": unknown key, ignored\n"
         "krxhost: warning: \"A\\x01\\\\B\\tC=1\": unknown key, ignored\n"},
        {{"translate", "KRXINTPER=" + std::string(100, 'x')}, 1, "",
         "KRXINTPER: \"" + std::string(80, 'x') + "...\" is not a number\n"},
        {{"translate", "KRXINTPER=1\x7f"}, 1, "", "KRXINTPER: \"1\\x7F\" is not a number\n"},
    };
    for (const HostCase& c : cases) ExpectHost(c);
}

TEST(HostSetup, JsonErrorsNeverEchoALongTokenOrANumber) {
    WriteTemp("overflow.json", R"({"period": {"tick": 1e999}})");
    WriteTemp("member.json", "{\"intOptions\": {\"" + std::string(500, 'n') + "\": \"x\"}}");
    ExpectHost({{"info", "--setup", "$Toverflow.json"}, 2, "",
                "krxhost: $Toverflow.json: not valid JSON: parse error at line 1, column 26: a number out of range\n"});
    ExpectHost({{"info", "--setup", "$Tmember.json"}, 2, "",
                "krxhost: $Tmember.json: member \"intOptions." + std::string(69, 'n') + "...\" must be an integer\n"});
    const fs::path token = WriteTemp("token.json", "{\"name\": \"" + std::string(500, 'a') + "\x01\"}");
    HostRun r = Host({"info", "--setup", token.string()});
    EXPECT_EQ(r.rc, 2);
    EXPECT_LT(r.err.size(), 300u);
    EXPECT_NE(r.err.find("not valid JSON: parse error at line 1, column 511: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("...'\n"), std::string::npos) << r.err;
}

TEST(HostSetup, EntriesBeyondTheMasksAreNamedInAWarning) {
    std::string json = R"({"interrupts": [)";
    for (int i = 0; i < 34; ++i) json += (i ? ",\"I" : "\"I") + std::to_string(i) + "\"";
    json += R"(], "swProtections": [)";
    for (int i = 0; i < 42; ++i) json += (i ? ",\"P" : "\"P") + std::to_string(i) + "\"";
    WriteTemp("wide.json", json + "]}");
    ExpectHost({{"info", "--setup", "$Twide.json"}, 0,
                "name: Interrupt Settings\nclass name: Interrupt Settings\norder: 0x6010 (24592)\nenabled: yes\n",
                "krxhost: warning: $Twide.json: interrupts from bit 32 on cannot be used by the 32-bit masks: \"I32\" "
                "(bit 32), \"I33\" (bit 33)\n"
                "krxhost: warning: $Twide.json: software protections from bit 32 on cannot be used by the 32-bit "
                "masks: \"P32\" (bit 32), \"P33\" (bit 33), \"P34\" (bit 34), \"P35\" (bit 35), \"P36\" (bit 36), "
                "\"P37\" (bit 37), \"P38\" (bit 38), \"P39\" (bit 39) and 2 more\n"});
}
