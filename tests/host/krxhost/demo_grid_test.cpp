// demo-grid end to end on the headless screen: the picture it writes and its row count's usage
// errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/krxhost/host_run.h"
#include "platform/win/png_writer.h"

namespace fs = std::filesystem;

namespace {

fs::path Shot(const std::string& name) { return fs::temp_directory_path() / (std::to_string(getpid()) + "_" + name); }

// Runs the demo with the row count and returns its picture.
PngImage Picture(const std::string& rows) {
    const fs::path png = Shot("grid_" + rows + ".png");
    HostRun r = Host({"--display", "headless", "demo-grid", "--rows", rows, "--screenshot", png.string()});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, png.string() + "\n");
    EXPECT_EQ(r.err, "");
    PngImage img;
    EXPECT_TRUE(ReadPng(png.c_str(), img)) << png;
    fs::remove(png);
    return img;
}

constexpr unsigned kButtonFace = 0xD4D0C8;

}  // namespace

// Where the cells lie follows from the window's frame and caption, the row heights the grid's
// font gives and the demo's column widths.
TEST(HostDemoGrid, TheScreenshotShowsHeadersTitlesStylesAndComputedRows) {
    const PngImage img = Picture("50");
    ASSERT_EQ(img.width, 1000);
    ASSERT_EQ(img.height, 480);
    EXPECT_EQ(img.At(300, 10), 0x0A246Au);     // the active caption
    EXPECT_EQ(img.At(40, 30), kButtonFace);    // the column header A, left of its letter
    EXPECT_EQ(img.At(12, 180), kButtonFace);   // a row header, right of its number
    EXPECT_EQ(img.At(40, 50), 0x1F497Du);      // the frozen row's "Sample" title
    EXPECT_EQ(img.At(380, 44), 0x31705Eu);     // "Readings" reaches across C to H as one cell
    EXPECT_EQ(img.At(540, 44), 0x31705Eu);
    EXPECT_EQ(img.At(580, 85), 0xC02020u);     // the red cell of the styled row
    EXPECT_EQ(img.At(190, 120), 0xFFF9C4u);    // the wrapped text's cell, below its lines
    EXPECT_EQ(img.At(203, 130), 0xFFFFFFu);    // the first computed row
    EXPECT_EQ(img.At(203, 145), 0xEEF3FAu);    // the second, banded
    // Dark text in the computed rows: their values are drawn.
    int ink = 0;
    for (int y = 126; y < 470; ++y)
        for (int x = 200; x < 540; ++x) ink += (img.At(x, y) & 0x808080u) == 0u;
    EXPECT_GT(ink, 2000);
    const unsigned cell = img.At(203, 300);
    EXPECT_TRUE(cell == 0xFFFFFFu || cell == 0xEEF3FAu) << std::hex << cell << ": fifty rows reach that far";
    // Ten rows (a leading zero is no octal prefix): row 10 is the last, below it the background.
    const PngImage ten = Picture("010");
    ASSERT_EQ(ten.width, 1000);
    EXPECT_EQ(ten.At(203, 223), 0xFFFFFFu);
    EXPECT_EQ(ten.At(203, 245), kButtonFace);
}

TEST(HostDemoGrid, RowCountsOutsideOneToTheLastRowAreUsageErrors) {
    const fs::path png = Shot("never.png");
    for (const char* rows : {"0", "-1", "ten", "1.5", "0x10", "", "4294967295", "99999999999999999999999"}) {
        HostRun r = Host({"--display", "headless", "demo-grid", "--rows", rows, "--screenshot", png.string()});
        EXPECT_EQ(r.rc, 2) << rows;
        EXPECT_EQ(r.err.find("krxhost: --rows: "), 0u) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(fs::exists(png)) << rows;
    }
    EXPECT_NE(Host({"demo-grid", "--rows", "ten"}).err.find("\"ten\" is not a whole number"), std::string::npos);
    EXPECT_NE(Host({"demo-grid", "--rows", "0"}).err.find("0 is not between 1 and 4294967294"), std::string::npos);
    // The last row there can be.
    HostRun r = Host({"--display", "headless", "demo-grid", "--rows", "4294967294", "--screenshot", png.string()});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(fs::exists(png));
    fs::remove(png);
}
