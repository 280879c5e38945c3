#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "host/mckernel/plugin_abi.h"

namespace {

// The plug-in as a host sees it: loaded by path, functions found by name.
class PluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        handle = dlopen(KRX_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
    }
    void TearDown() override {
        if (handle) dlclose(handle);
    }
    template <typename Fn>
    Fn Get(const char* name) {
        return reinterpret_cast<Fn>(dlsym(handle, name));
    }
    void* handle = nullptr;
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
