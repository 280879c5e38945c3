// The host program given what a careless or hostile user gives it: unreadable and endless
// inputs, output that cannot be written, texts with NUL bytes and huge entries, drives beyond
// the masks and empty option values. Each is a clear error (or warning), never a crash or a
// silent success.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/krxhost/host_run.h"

namespace fs = std::filesystem;

namespace {
fs::path Sparse(const std::string& name, uintmax_t size) {
    fs::path path = WriteTemp(name, "");
    fs::resize_file(path, size);
    return path;
}
}  // namespace

TEST(HostInput, UnreadableInputsAreUsageErrorsWithTheReason) {
    fs::path dir = fs::temp_directory_path();
    fs::path fifo = fs::temp_directory_path() / (std::to_string(getpid()) + "_fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::vector<std::string> args;
        HostStreams streams;
        std::string err;
    } cases[] = {
        {{"translate", "--items", dir.string()}, {}, dir.string() + ": cannot be read: Is a directory"},
        {{"translate", "--items", fifo.string()}, {}, fifo.string() + ": cannot be read: a FIFO, not a regular file"},
        {{"translate", "--items", "/dev/null"}, {}, "/dev/null: cannot be read: a device, not a regular file"},
        {{"info", "--setup", dir.string()}, {}, dir.string() + ": cannot be read: Is a directory"},
        {{"info", "--setup", fifo.string()}, {}, fifo.string() + ": cannot be read: a FIFO, not a regular file"},
        {{"translate", "-"}, InputFrom(dir.string()), "standard input cannot be read: Is a directory"},
        {{"translate", "--items", "-"}, WithoutInput(), "standard input cannot be read: Bad file descriptor"},
        {{"translate", "-"}, WithoutInput(), "standard input cannot be read: Bad file descriptor"},
    };
    for (const auto& c : cases) {
        HostRun r = Host(c.args, c.streams);
        EXPECT_EQ(r.rc, 2) << c.err;
        EXPECT_EQ(r.err, "krxhost: " + c.err + "\n");
        EXPECT_EQ(r.out, "");
    }
    fs::remove(fifo);
}

TEST(HostInput, InputsBeyondTheirLimitAreRefused) {
    HostRun r = Host({"translate", "-"}, InputFrom("/dev/zero"));
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: standard input cannot be read: larger than 64 MiB\n");
    fs::path items = Sparse("huge.items", (uintmax_t{64} << 20) + 1);
    r = Host({"translate", "--items", items.string()});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: " + items.string() + ": cannot be read: larger than 64 MiB\n");
    fs::path setup = Sparse("huge.json", (uintmax_t{4} << 20) + 1);
    r = Host({"info", "--setup", setup.string()});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: " + setup.string() + ": cannot be read: larger than 4 MiB\n");
    fs::remove(items);
    fs::remove(setup);
}

TEST(HostOutput, AFailedWriteIsReportedByEveryCommand) {
    fs::path items = WriteTemp("out.items", "SetupInterrupt=1;\n");
    fs::path png = fs::temp_directory_path() / (std::to_string(getpid()) + "_shot.png");
    const std::vector<std::vector<std::string>> commands = {
        {"info"},
        {"translate", "SetupInterrupt=1;"},
        {"translate", "--items", items.string()},
        {"--display", "headless", "demo-window", "--screenshot", png.string()},
        {"--display", "headless", "demo-dialog", "--screenshot", png.string()},
        {"--display", "headless", "demo-grid", "--rows", "5", "--screenshot", png.string()},
    };
    const std::string full = "krxhost: standard output cannot be written: No space left on device\n";
    for (const auto& args : commands) {
        HostRun r = Host(args, OutputTo("/dev/full"));
        EXPECT_EQ(r.rc, 1) << args[0];
        EXPECT_EQ(r.err.substr(r.err.size() < full.size() ? 0 : r.err.size() - full.size()), full) << args[0];
    }
    HostRun r = Host({"info"}, WithoutOutput());
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, "krxhost: standard output cannot be written: Bad file descriptor\n");
    r = Host({"translate", "--items", items.string()}, OutputToClosedPipe());
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, "krxhost: standard output cannot be written: Broken pipe\n");
    fs::remove(items);
    fs::remove(png);
}

TEST(HostTranslate, ATextWithANulByteIsRefusedAtItsOffset) {
    HostRun r = Host({"translate", "-"}, std::string("SetupInterrupt=1;Fo\0o=1;", 25));
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "krxhost: error: a NUL byte at offset 19: a parameter text cannot hold one\n");
    fs::path items = WriteTemp("nul.items", std::string("SetupInterrupt=2;\nA=1;\0\nSetupInterrupt=1;\n", 40));
    r = Host({"translate", "--items", items.string()});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "  DINT; //Disable KRX INTerrupts\r\n");
    EXPECT_EQ(r.err, "krxhost: error: " + items.string() + ":2: a NUL byte at offset 4: a parameter text cannot hold one\n");
    fs::remove(items);
}

TEST(HostTranslate, MessagesQuoteAShortEscapedExcerpt) {
    const std::string k100(100, 'K');
    HostRun r = Host({"translate", k100 + "=1;A\x01\\B\tC=1;SetupInterrupt=1"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.err, "krxhost: warning: \"" + std::string(80, 'K') + "...\": unknown key, ignored\n"
                     "krxhost: warning: \"A\\x01\\\\B\\tC=1\": unknown key, ignored\n");
    r = Host({"translate", "KRXINTPER=" + std::string(100, 'x')});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, "KRXINTPER: \"" + std::string(80, 'x') + "...\" is not a number\n");
    r = Host({"translate", "KRXINTPER=1\x7f"});
    EXPECT_EQ(r.err, "KRXINTPER: \"1\\x7F\" is not a number\n");
}

TEST(HostSetup, JsonErrorsNeverEchoALongTokenOrANumber) {
    fs::path overflow = WriteTemp("overflow.json", R"({"period": {"tick": 1e999}})");
    HostRun r = Host({"info", "--setup", overflow.string()});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: " + overflow.string() +
                         ": not valid JSON: parse error at line 1, column 26: a number out of range\n");
    fs::path token = WriteTemp("token.json", "{\"name\": \"" + std::string(500, 'a') + "\x01\"}");
    r = Host({"info", "--setup", token.string()});
    EXPECT_EQ(r.rc, 2);
    EXPECT_LT(r.err.size(), 300u);
    EXPECT_NE(r.err.find("not valid JSON: parse error at line 1, column 511: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("...'\n"), std::string::npos) << r.err;
    fs::path member = WriteTemp("member.json", "{\"intOptions\": {\"" + std::string(500, 'n') + "\": \"x\"}}");
    r = Host({"info", "--setup", member.string()});
    EXPECT_EQ(r.err, "krxhost: " + member.string() + ": member \"intOptions." + std::string(69, 'n') +
                         "...\" must be an integer\n");
    for (auto& p : {overflow, token, member}) fs::remove(p);
}

TEST(HostSetup, EntriesBeyondTheMasksAreNamedInAWarning) {
    std::string json = R"({"interrupts": [)";
    for (int i = 0; i < 34; ++i) json += (i ? ",\"I" : "\"I") + std::to_string(i) + "\"";
    json += R"(], "swProtections": [)";
    for (int i = 0; i < 42; ++i) json += (i ? ",\"P" : "\"P") + std::to_string(i) + "\"";
    json += "]}";
    fs::path wide = WriteTemp("wide.json", json);
    HostRun r = Host({"info", "--setup", wide.string()});
    EXPECT_EQ(r.rc, 0);
    EXPECT_NE(r.out.find("enabled: yes"), std::string::npos);
    EXPECT_EQ(r.err, "krxhost: warning: " + wide.string() +
                         ": interrupts from bit 32 on cannot be used by the 32-bit masks: \"I32\" (bit 32), \"I33\" "
                         "(bit 33)\n"
                         "krxhost: warning: " + wide.string() +
                         ": software protections from bit 32 on cannot be used by the 32-bit masks: \"P32\" (bit "
                         "32), \"P33\" (bit 33), \"P34\" (bit 34), \"P35\" (bit 35), \"P36\" (bit 36), \"P37\" (bit "
                         "37), \"P38\" (bit 38), \"P39\" (bit 39) and 2 more\n");
    fs::remove(wide);
}

TEST(HostUsage, EmptyPathsAndUnknownCommandsAreNamed) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"info", "--setup", ""}, {"translate", "--plugin", "", "X=1"}, {"demo-dialog", "--plugin", ""}}) {
        HostRun r = Host(args);
        EXPECT_EQ(r.rc, 2) << args[1];
        EXPECT_EQ(r.err.find("krxhost: " + args[1] + ": an empty path names no file\n"), 0u)
            << r.err;
    }
    HostRun r = Host({"--display", "headless", "frobnicate", "x"});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err.find("krxhost: unknown command \"frobnicate\" (the commands are info, default, translate, "
                         "edit, demo-window, demo-dialog and demo-grid)\n"),
              0u)
        << r.err;
}
