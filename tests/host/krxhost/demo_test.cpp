// The demos end to end on the headless screen: the demo grid's picture and its row count's usage
// errors, and scripts that dump, scroll and photograph it or choose in the demo dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/krxhost/host_run.h"
#include "platform/win/png_writer.h"
#include "support/reference_picture.h"

namespace fs = std::filesystem;

namespace {

// Runs the demo grid with the row count and returns its picture, and where it was written.
PngImage Picture(const std::string& rows, std::string* path = nullptr) {
    const std::string png = WriteTemp("grid.png", "").string();
    if (path != nullptr) *path = png;
    ExpectHost({{"--display", "headless", "demo-grid", "--rows", rows, "--screenshot", png}, 0, png + "\n", ""});
    PngImage img;
    EXPECT_TRUE(ReadPng(png.c_str(), img)) << png;
    return img;
}

// The demo grid's picture against the one at tests/host/krxhost/reference/<name>, with the
// tolerance for glyph rendering (KRX_UPDATE_REFERENCE writes it anew).
void ExpectLooksLikeReference(const PngImage& got, const std::string& png, const char* name) {
    const std::string reference = KRX_SOURCE_DIR "/tests/host/krxhost/reference/" + std::string(name);
    if (std::getenv("KRX_UPDATE_REFERENCE") != nullptr)
        fs::copy_file(png, reference, fs::copy_options::overwrite_existing);
    PngImage want;
    ASSERT_TRUE(ReadPng(reference.c_str(), want)) << reference;
    ASSERT_EQ(got.width, want.width);
    ASSERT_EQ(got.height, want.height);
    EXPECT_LE(DifferentPixels(got, want), static_cast<int>(got.pixels.size() / 200)) << name;
}

}  // namespace

// The frame and caption, the headers, the frozen titles (one across C to H), the styled row, the
// wrapped text, and the computed rows banded with their values drawn. Ten rows (a leading zero is
// no octal prefix): row 10 is the last, below it the background.
TEST(HostDemoGrid, TheScreenshotShowsHeadersTitlesStylesAndComputedRows) {
    std::string png;
    const PngImage img = Picture("010", &png);
    ExpectLooksLikeReference(img, png, "demo_grid.png");
    // What the tolerance would let pass: the band's light colour, the title's last column, the red cell.
    EXPECT_EQ(img.At(203, 145), 0xEEF3FAu);
    EXPECT_EQ(img.At(540, 44), 0x31705Eu);
    EXPECT_EQ(img.At(580, 85), 0xC02020u);
    // The last row there can be.
    EXPECT_EQ(Picture("4294967294").width, 1000);
}

TEST(HostDemoGrid, RowCountsOutsideOneToTheLastRowAreUsageErrors) {
    const std::string png = WriteTemp("never.png", "").string();
    fs::remove(png);
    for (const char* rows : {"-1", "1.5", "0x10", "", "4294967295", "99999999999999999999999"}) {
        ExpectHost({{"--display", "headless", "demo-grid", "--rows", rows, "--screenshot", png}, 2, "",
                    "krxhost: --rows: ..."});
        EXPECT_FALSE(fs::exists(png)) << rows;
    }
    ExpectHost({{"demo-grid", "--rows", "ten"}, 2, "", "krxhost: --rows: \"ten\" is not a whole number..."});
    ExpectHost({{"demo-grid", "--rows", "0"}, 2, "", "krxhost: --rows: 0 is not between 1 and 4294967294..."});
}

TEST(HostScript, TheDemoGridIsDumpedScrolledAndPhotographed) {
    const std::string png = WriteTemp("scripted_grid.png", "").string();
    const fs::path script = WriteTemp("grid.script", "# the first rows\ndump\nscroll 40\nsnapshot " + png + "\n");
    HostRun r = Host({"--display", "headless", "demo-grid", "--rows", "50", "--script", script.string()});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 50) << r.err;
    EXPECT_EQ(r.err.find("1: \"Sample\" \"Sample\" \"Readings (mV)\""), 0u) << r.err;
    EXPECT_NE(r.err.find("\n2: \"No.\" \"Name\" \"Ch 1\" \"Ch 2\" \"Ch 3\" \"Ch 4\" \"Ch 5\" \"Ch 6\" \"Min\" \"Max\" "
                         "\"Mean\" \"Status\" \"Checked\" \"Action\"\n3: \"top left\""),
              std::string::npos);
    EXPECT_NE(r.err.find("\n50: \"47\" \"Sample AU\" "), std::string::npos);
    PngImage img;
    ASSERT_TRUE(ReadPng(png.c_str(), img));
    EXPECT_EQ(img.width, 1000);
    EXPECT_EQ(img.height, 480);
}

TEST(HostScript, DialogChoicesAndLinesThatFail) {
    WriteTemp("bad.script", "scroll 2\nclick 99 1\ndump\n");
    const HostCase cases[] = {
        {{"--display", "headless", "demo-dialog", "--script", "-"}, 0, "chosen: OK\nparameter text: LSP=1;\n", "",
         {.stdinText = "button transition high -> low\nbutton OK\n"}},
        // Nothing left to do: the dialog is left as a person leaves it, with Escape.
        {{"--display", "headless", "demo-dialog", "--script", "-"}, 0, "chosen: Cancel\n", "",
         {.stdinText = "# nothing\n"}},
        {{"--display", "headless", "demo-grid", "--rows", "5", "--script", "$Tbad.script"}, 2, "",
         "krxhost: $Tbad.script:2: cell 99, 1 is outside the grid of 5 rows and 14 columns\n"},
        {{"--display", "headless", "demo-dialog", "--script", "-"}, 2, "",
         "krxhost: standard input:2: the active window has no button \"Nope\"\n",
         {.stdinText = "\nbutton Nope\nbutton OK\n"}},
        {{"--display", "headless", "demo-grid", "--rows", "50", "--script", "-"}, 2, "",
         "krxhost: standard input:2: cell 5, 1 is not in view (scrolled out or hidden)\n",
         {.stdinText = "scroll 40\nclick 5 1\n"}},
        {{"--display", "headless", "demo-grid", "--rows", "5", "--script", "-"}, 2, "",
         "krxhost: standard input:1: row 9 is outside the grid of 5 rows\n", {.stdinText = "scroll 9\n"}},
        // A line that is no command is found before any window opens.
        {{"--display", "headless", "demo-grid", "--script", "-"}, 2, "",
         "krxhost: standard input:3: \"x\" is not a column number\n", {.stdinText = "dump\n\nclick 1 x\n"}},
        // A script and a screenshot are two ways to end the run: only one is taken.
        {{"--display", "headless", "demo-grid", "--script", "$Tbad.script", "--screenshot", "x.png"}, 2, "",
         "krxhost: --screenshot excludes --script\n..."},
    };
    for (const HostCase& c : cases) ExpectHost(c);
}
