// The plug-in as a host sees it: loaded by path, its functions found by name and its resources by
// the module's handle.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <tuple>

#include "host/mckernel/plugin_abi.h"
#include "platform/win/module_resources.h"
#include "platform/win/version_info.h"

namespace {

class PluginTest : public ::testing::Test {
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
    template <typename Fn>
    Fn Get(const char* name) {
        return reinterpret_cast<Fn>(dlsym(handle, name));
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

// The dynamic symbols the plug-in defines: its exported interface.
std::set<std::string> DefinedDynamicSymbols() {
    std::set<std::string> names;
    std::string command = "nm -D --defined-only " KRX_PLUGIN_PATH;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return names;
    char line[512];
    while (fgets(line, sizeof line, pipe)) {
        std::string s(line);
        auto space = s.rfind(' ');
        std::string type = s.size() > 17 ? s.substr(17, 1) : "";
        std::string name = s.substr(space + 1);
        name.erase(name.find_last_not_of("\r\n") + 1);
        if (type == "T" || type == "W" || type == "D" || type == "B" || type == "R") names.insert(name);
    }
    pclose(pipe);
    return names;
}

}  // namespace

TEST_F(PluginTest, ExportsExactlyTheSevenPlainNames) {
    for (const char* name : CMC_ExportNames) EXPECT_NE(dlsym(handle, name), nullptr) << name;
    std::set<std::string> expected(std::begin(CMC_ExportNames), std::end(CMC_ExportNames));
    std::set<std::string> functions;
    for (const std::string& name : DefinedDynamicSymbols())
        if (name.rfind("_", 0) != 0) functions.insert(name);  // runtime symbols of the toolchain aside
    EXPECT_EQ(functions, expected);
}

// The rest of what the exports answer is checked through krxhost, which calls each one.
TEST_F(PluginTest, NewItemsAreEmptyAndTranslationReportsParseErrorsAsItsOutput) {
    CMC_Motion motion;
    CString text = "old";
    Get<CMC_GetDefaultParametersFn>("GetDefaultParameters")(CMC_Setup::Default(), motion, text);
    EXPECT_TRUE(text.IsEmpty());
    auto translate = Get<CMC_TranslateMotionSequenceFn>("TranslateMotionSequence");
    CString output = "stale";
    EXPECT_EQ(translate(CMC_Setup::Default(), motion, text, output), 1);
    EXPECT_TRUE(output.IsEmpty());
    EXPECT_EQ(translate(CMC_Setup::Default(), motion, "SetupInterrupt=2;KRXINTPER=9 h;", output), 0);
    EXPECT_EQ(output, "KRXINTPER: \"9 h\" has an unknown unit (the units are s, ms and ticks)");
}

TEST_F(PluginTest, VersionBlockNamesTheModule) {
    const std::vector<BYTE> block = Bytes(RT_VERSION, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(block.empty());
    std::string text;
    ASSERT_TRUE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\040904b0\\FileDescription", text));
    EXPECT_EQ(text, "InterruptSettings DLL");
    ASSERT_TRUE(VerQueryString(block.data(), block.size(), "\\StringFileInfo\\040904b0\\InternalName", text));
    EXPECT_EQ(text, "Interrupt Settings");
    VS_FIXEDFILEINFO info{};
    ASSERT_TRUE(VerQueryFixedFileInfo(block.data(), block.size(), info));
    const auto versions = std::make_tuple(info.dwFileVersionMS, info.dwFileVersionLS, info.dwProductVersionMS,
                                          info.dwProductVersionLS);
    EXPECT_EQ(versions, std::make_tuple(0x00010000u, 0x00000001u, 0x00010000u, 0x00000001u));
}

TEST_F(PluginTest, ModuleIconIsA16By16BitmapIn16ColoursAndGoesWithTheModule) {
    const std::vector<BYTE> dib = Bytes(RT_BITMAP, "MODULEICON");
    ASSERT_EQ(dib.size(), 40u + 16 * 4 + 16 * 8);
    auto dword = [&](size_t at) { return dib[at] | dib[at + 1] << 8 | dib[at + 2] << 16 | dib[at + 3] << 24; };
    // The header's size, width, height and bits per pixel.
    EXPECT_EQ(std::make_tuple(dword(0), dword(4), dword(8), int{dib[14]}), std::make_tuple(40, 16, 16, 4));
    EXPECT_EQ(Bytes(RT_BITMAP, "moduleicon"), dib);  // names compare without regard to case
    dlclose(handle);
    handle = nullptr;
    EXPECT_EQ(GetModuleHandleA("InterruptSettings"), nullptr);
}
