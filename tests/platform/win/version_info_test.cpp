// Version blocks: what is written reads back, and damaged blocks are refused without reading past
// their end.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/win/version_info.h"

namespace {

VersionInfoSource Sample() {
    VersionInfoSource source;
    const WORD file[4] = {1, 2, 3, 4}, product[4] = {5, 6, 7, 8};
    std::copy(file, file + 4, source.fileVersion);
    std::copy(product, product + 4, source.productVersion);
    source.strings = {{"FileDescription", "A module"}, {"InternalName", "Odd"}, {"Comments", ""}};
    return source;
}

TEST(VersionInfo, TextsAndNumbersReadBack) {
    const std::vector<BYTE> block = BuildVersionInfo(Sample());
    ASSERT_EQ(block.size() % 4, 0u);
    EXPECT_EQ(block[0] | block[1] << 8, static_cast<int>(block.size()));

    VS_FIXEDFILEINFO info{};
    ASSERT_TRUE(VerQueryFixedFileInfo(block.data(), block.size(), info));
    EXPECT_EQ(std::make_tuple(info.dwFileVersionMS, info.dwFileVersionLS, info.dwProductVersionMS,
                              info.dwProductVersionLS, info.dwFileType),
              std::make_tuple(0x00010002u, 0x00030004u, 0x00050006u, 0x00070008u, static_cast<DWORD>(VFT_DLL)));

    std::string text;
    ASSERT_TRUE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\040904b0\\FileDescription", text));
    EXPECT_EQ(text, "A module");
    // Keys compare without regard to case; the odd-length text keeps the next record aligned.
    ASSERT_TRUE(VerQueryString(block.data(), block.size(), "\\stringfileinfo\\040904B0\\internalname", text));
    EXPECT_EQ(text, "Odd");
    ASSERT_TRUE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\040904b0\\Comments", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\040904b0\\ProductName", text));
    EXPECT_FALSE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\04070000\\FileDescription", text));
}

TEST(VersionInfo, DamagedBlocksAreRefused) {
    const std::vector<BYTE> block = BuildVersionInfo(Sample());
    std::string text;
    VS_FIXEDFILEINFO info{};
    // Cut short anywhere: nothing is read past the end (ASan watches the copy's end).
    for (size_t n = 0; n < block.size(); ++n) {
        const std::vector<BYTE> cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(VerQueryString(cut.data(), cut.size(), "\\StringFileInfo\\040904b0\\Comments", text)) << n;
        EXPECT_FALSE(VerQueryFixedFileInfo(cut.data(), cut.size(), info)) << n;
    }
    // A record that claims more than its parent holds.
    std::vector<BYTE> bad = block;
    bad[0] = 5;
    bad[1] = 0;
    EXPECT_FALSE(VerQueryFixedFileInfo(bad.data(), bad.size(), info));
    bad = block;
    bad[92] = 0xFF;  // the string file info's length (after the 40-byte head and the fixed part)
    bad[93] = 0xFF;
    EXPECT_FALSE(VerQueryString(bad.data(), bad.size(), "\\StringFileInfo\\040904b0\\Comments", text));
    EXPECT_FALSE(VerQueryString(nullptr, 0, "\\", text));
}

}  // namespace
