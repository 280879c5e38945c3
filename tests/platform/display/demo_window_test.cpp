// The host's demos end to end, the demo window and the plug-in's Limit Switch dialog: on the
// headless screen, and in real SDL2 windows on a virtual X server (skipped where xvfb-run is not
// installed). Each run is bounded in time, and the picture must show the window, not a blank.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <set>
#include <string>

#include "platform/win/png_writer.h"

namespace {

std::filesystem::path Scratch() {
    auto dir = std::filesystem::temp_directory_path() / ("display_smoke_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

// The exit code of a shell command.
int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::size_t DistinctColours(const PngImage& img) {
    std::set<unsigned> seen(img.pixels.begin(), img.pixels.end());
    return seen.size();
}

void ExpectDemoPicture(const std::filesystem::path& png) {
    PngImage img;
    ASSERT_TRUE(ReadPng(png.c_str(), img)) << png;
    EXPECT_EQ(img.width, 480);
    EXPECT_EQ(img.height, 300);
    EXPECT_GE(DistinctColours(img), 6u);
    EXPECT_EQ(img.At(300, 10), 0x0A246Au);  // the active caption
    EXPECT_EQ(img.At(40, 40), 0xC82828u);   // the first colour square
}

// The dialog with its frame: the active caption, the button face and dark text and frame lines.
void ExpectDialogPicture(const std::filesystem::path& png) {
    PngImage img;
    ASSERT_TRUE(ReadPng(png.c_str(), img)) << png;
    EXPECT_EQ(img.width, 285);
    EXPECT_EQ(img.height, 205);
    EXPECT_GE(DistinctColours(img), 6u);
    EXPECT_EQ(img.At(150, 10), 0x0A246Au);   // the active caption, left of the close box
    EXPECT_EQ(img.At(150, 195), 0xD4D0C8u);  // the button face below the buttons
    int dark = 0;
    for (int y = 30; y < 150; ++y)
        for (int x = 8; x < img.width - 8; ++x) dark += (img.At(x, y) & 0x808080u) == 0u;
    EXPECT_GT(dark, 1500);  // the texts of the items, inside the frame
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The common head of the SDL runs on the virtual X server. The X and SDL libraries keep memory
// until the process ends; the leak checker of a sanitized build is told so for this program alone.
const std::string kOnXServer = "LSAN_OPTIONS=suppressions='" KRX_SDL_LSAN_SUPPRESSIONS
                               "':print_suppressions=0 timeout 60 xvfb-run -a -s '-screen 0 1024x768x24' '" KRX_HOST_PATH
                               "' --display sdl ";

TEST(DemoWindow, HeadlessWritesTheScreenshotAndExits) {
    const auto out = Scratch() / "headless.png";
    ASSERT_EQ(Shell("timeout 60 '" KRX_HOST_PATH "' --display headless demo-window --screenshot '" + out.string() +
                  "' > /dev/null"),
              0);
    ExpectDemoPicture(out);
}

TEST(DemoWindow, AnUnknownDisplayOrNoDesktopIsAUsageError) {
    EXPECT_EQ(Shell("'" KRX_HOST_PATH "' --display vga demo-window 2> /dev/null"), 2);
    EXPECT_EQ(Shell("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 '" KRX_HOST_PATH
                    "' --display sdl demo-window 2> /dev/null"),
              2);
}

TEST(DemoWindow, SdlPresentsTheWindowOnAnXServer) {
    if (Shell("command -v xvfb-run > /dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run is not installed";
    const auto out = Scratch() / "sdl.png";
    ASSERT_EQ(Shell(kOnXServer + "demo-window --screenshot '" + out.string() + "' > /dev/null"), 0);
    ExpectDemoPicture(out);
}

TEST(DemoDialog, HeadlessWritesTheDialogAndCancelsIt) {
    const auto dir = Scratch();
    const auto out = dir / "dialog.png";
    ASSERT_EQ(Shell("timeout 60 '" KRX_HOST_PATH "' --display headless demo-dialog --screenshot '" + out.string() + "' > '" +
                    (dir / "dialog.txt").string() + "'"),
              0);
    EXPECT_EQ(Slurp(dir / "dialog.txt"), out.string() + "\nchosen: Cancel\n");
    ExpectDialogPicture(out);
}

TEST(DemoDialog, WithoutThePlugInItFails) {
    EXPECT_EQ(Shell("timeout 60 '" KRX_HOST_PATH "' --display headless demo-dialog --plugin /nonexistent/plugin.so "
                    "> /dev/null 2>&1"),
              2);
}

TEST(DemoDialog, SdlPresentsTheDialogOnAnXServer) {
    if (Shell("command -v xvfb-run > /dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run is not installed";
    const auto out = Scratch() / "sdl_dialog.png";
    ASSERT_EQ(Shell(kOnXServer + "demo-dialog --screenshot '" + out.string() + "' > /dev/null"), 0);
    ExpectDialogPicture(out);
}

}  // namespace
