// String resources along the resource chain.
#include <gtest/gtest.h>

#include "platform/framework/exceptions.h"
#include "platform/framework/resources.h"

namespace {
int g_hostTag, g_pluginTag;
HMODULE Host() { return reinterpret_cast<HMODULE>(&g_hostTag); }
HMODULE Plugin() { return reinterpret_cast<HMODULE>(&g_pluginTag); }

const AFX_STRING_RESOURCE kHost[] = {{100, "host hundred"}, {200, "host two hundred"}};
const AFX_STRING_RESOURCE kPlugin[] = {{100, "plug-in hundred"}, {300, "plug-in three hundred"}};
}  // namespace

TEST(StringResources, TheCurrentModuleFirstThenTheChainInOrder) {
    CStringTableRegistration host(Host(), kHost);
    CStringTableRegistration plugin(Plugin(), kPlugin);
    CString s;
    ASSERT_TRUE(AfxLoadString(100, s));
    EXPECT_EQ(s, "host hundred");
    AfxSetResourceHandle(Plugin());
    ASSERT_TRUE(AfxLoadString(100, s));
    EXPECT_EQ(s, "plug-in hundred");
    ASSERT_TRUE(s.LoadString(200));  // not in the current module: found further along the chain
    EXPECT_EQ(s, "host two hundred");
    AfxSetResourceHandle(nullptr);
    EXPECT_FALSE(s.LoadString(999));
    EXPECT_EQ(s, "host two hundred");
    EXPECT_THROW(AfxLoadStringOrThrow(999), CResourceException);
}

TEST(StringResources, UnregisteredModulesAreGone) {
    {
        CStringTableRegistration plugin(Plugin(), kPlugin);
        EXPECT_EQ(AfxLoadStringOrThrow(300), "plug-in three hundred");
    }
    CString s;
    EXPECT_FALSE(AfxLoadString(300, s));
}
