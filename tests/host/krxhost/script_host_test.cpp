// --script end to end on the headless screen: the demo grid dumped, scrolled and photographed, the
// demo dialog chosen from standard input, and the exit code 2 with the line of a script that fails.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "host/krxhost/host_run.h"
#include "platform/win/png_writer.h"

namespace fs = std::filesystem;

TEST(HostScript, TheDemoGridIsDumpedScrolledAndPhotographed) {
    const fs::path png = fs::temp_directory_path() / (std::to_string(getpid()) + "_scripted_grid.png");
    const fs::path script = WriteTemp("grid.script", "# the first rows\ndump\nscroll 40\nsnapshot " + png.string() + "\n");
    HostRun r = Host({"--display", "headless", "demo-grid", "--rows", "50", "--script", script.string()});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 50) << r.err;
    EXPECT_EQ(r.err.find("1: \"Sample\" \"Sample\" \"Readings (mV)\""), 0u) << r.err;
    EXPECT_NE(r.err.find("\n2: \"No.\" \"Name\" \"Ch 1\" \"Ch 2\" \"Ch 3\" \"Ch 4\" \"Ch 5\" \"Ch 6\" \"Min\" \"Max\" \"Mean\" "
                         "\"Status\" \"Checked\" \"Action\"\n3: \"top left\""),
              std::string::npos);
    EXPECT_NE(r.err.find("\n50: \"47\" \"Sample AU\" "), std::string::npos);
    PngImage img;
    ASSERT_TRUE(ReadPng(png.c_str(), img));
    EXPECT_EQ(img.width, 1000);
    EXPECT_EQ(img.height, 480);
    fs::remove(png);
}

TEST(HostScript, TheDemoDialogTakesItsChoiceFromStandardInput) {
    HostRun r = Host({"--display", "headless", "demo-dialog", "--script", "-"}, "button transition high -> low\nbutton OK\n");
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "chosen: OK\nparameter text: LSP=1;\n");
    // Nothing left to do: the dialog is left as a person leaves it, with Escape.
    r = Host({"--display", "headless", "demo-dialog", "--script", "-"}, "# nothing\n");
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "chosen: Cancel\n");
}

TEST(HostScript, ALineThatFailsExitsWithTwoAndItsLine) {
    const fs::path file = WriteTemp("bad.script", "scroll 2\nclick 99 1\ndump\n");
    HostRun r = Host({"--display", "headless", "demo-grid", "--rows", "5", "--script", file.string()});
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: " + file.string() + ":2: cell 99, 1 is outside the grid of 5 rows and 14 columns\n");
    // A line that is no command is found before any window opens.
    r = Host({"--display", "headless", "demo-grid", "--script", "-"}, "dump\n\nclick 1 x\n");
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "krxhost: standard input:3: \"x\" is not a column number\n");
    // A script and a screenshot are two ways to end the run: only one is taken.
    r = Host({"--display", "headless", "demo-grid", "--script", file.string(), "--screenshot", "x.png"});
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.err.find("excludes"), std::string::npos) << r.err;
}
