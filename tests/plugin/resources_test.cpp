// The module's resources as a host finds them: by the module's handle once it is loaded.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/win/module_resources.h"
#include "platform/win/version_info.h"

namespace {

class PluginResources : public ::testing::Test {
protected:
    void SetUp() override {
        handle = dlopen(KRX_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        module = GetModuleHandleA("InterruptSettings");
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override {
        if (handle) dlclose(handle);
    }
    // The bytes of a resource, empty when there is none.
    std::vector<BYTE> Bytes(LPCSTR type, LPCSTR name) const {
        HRSRC found = FindResourceA(module, name, type);
        if (found == nullptr) return {};
        const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        return {p, p + SizeofResource(module, found)};
    }
    void* handle = nullptr;
    HMODULE module = nullptr;
};

TEST_F(PluginResources, VersionBlockNamesTheModule) {
    const std::vector<BYTE> block = Bytes(RT_VERSION, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(block.empty());
    std::string text;
    ASSERT_TRUE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\040904b0\\FileDescription", text));
    EXPECT_EQ(text, "InterruptSettings DLL");
    ASSERT_TRUE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\040904b0\\InternalName", text));
    EXPECT_EQ(text, "Interrupt Settings");
    VS_FIXEDFILEINFO info{};
    ASSERT_TRUE(VerQueryFixedFileInfo(block.data(), block.size(), info));
    EXPECT_EQ(info.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info.dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(info.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(info.dwProductVersionLS, 0x00000001u);
}

TEST_F(PluginResources, ModuleIconIsA16By16BitmapIn16Colours) {
    const std::vector<BYTE> dib = Bytes(RT_BITMAP, "MODULEICON");
    ASSERT_EQ(dib.size(), 40u + 16 * 4 + 16 * 8);
    auto dword = [&](size_t at) { return dib[at] | dib[at + 1] << 8 | dib[at + 2] << 16 | dib[at + 3] << 24; };
    EXPECT_EQ(dword(0), 40);
    EXPECT_EQ(dword(4), 16);
    EXPECT_EQ(dword(8), 16);
    EXPECT_EQ(dib[14], 4);  // bits per pixel
    EXPECT_EQ(Bytes(RT_BITMAP, "moduleicon"), dib);  // names compare without regard to case
}

TEST_F(PluginResources, UnloadingForgetsTheModule) {
    dlclose(handle);
    handle = nullptr;
    EXPECT_EQ(GetModuleHandleA("InterruptSettings"), nullptr);
}

}  // namespace
