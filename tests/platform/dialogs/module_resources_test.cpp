// Module handles and resource tables: look-ups by id and by name, the resource chain, stale and
// foreign handles.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/framework/dialog.h"
#include "platform/framework/resources.h"
#include "platform/win/module_resources.h"

namespace {

const BYTE kIcon[] = {'B', 'M', 1, 2, 3};
const BYTE kDialog[] = {1, 2, 3, 4, 5, 6, 7, 8};
const BYTE kVersion[] = {9, 9};

const MODULE_RESOURCE kPlugin[] = {
    {RT_BITMAP, "MODULEICON", kIcon, sizeof kIcon},
    {RT_DIALOG, MAKEINTRESOURCE(5002), kDialog, sizeof kDialog},
    {RT_VERSION, MAKEINTRESOURCE(1), kVersion, sizeof kVersion},
};

TEST(ModuleResources, FoundByIdAndByNameInTheirModule) {
    CModuleRegistration plugin("InterruptSettings", kPlugin);
    ASSERT_NE(plugin.Handle(), nullptr);
    EXPECT_EQ(GetModuleHandle("interruptsettings"), plugin.Handle());
    char name[64];
    EXPECT_EQ(GetModuleFileNameA(plugin, name, sizeof name), 17u);
    EXPECT_STREQ(name, "InterruptSettings");
    EXPECT_EQ(RegisterModule("INTERRUPTSETTINGS"), nullptr);  // a name is taken once

    HRSRC r = FindResourceA(plugin, MAKEINTRESOURCE(5002), RT_DIALOG);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(FindResourceA(plugin, "#5002", RT_DIALOG), r);
    EXPECT_EQ(SizeofResource(plugin, r), sizeof kDialog);
    HGLOBAL loaded = LoadResource(plugin, r);
    const void* bytes = LockResource(loaded);
    ASSERT_NE(bytes, nullptr);
    EXPECT_NE(bytes, static_cast<const void*>(kDialog));  // a copy, owned by the module
    EXPECT_EQ(std::memcmp(bytes, kDialog, sizeof kDialog), 0);
    EXPECT_EQ(SizeofLoadedResource(bytes), sizeof kDialog);

    HRSRC icon = FindResourceA(plugin, "moduleicon", RT_BITMAP);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(SizeofResource(plugin, icon), sizeof kIcon);
    EXPECT_NE(FindResourceA(plugin, MAKEINTRESOURCE(1), RT_VERSION), nullptr);
    // Wrong type, unknown id, the program's own module: nothing.
    EXPECT_EQ(FindResourceA(plugin, MAKEINTRESOURCE(5002), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(plugin, MAKEINTRESOURCE(5009), RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(5002), RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceA(plugin, "", RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceA(plugin, nullptr, RT_DIALOG), nullptr);
    // A handle of one module is no handle of another.
    CModuleRegistration host("krxhost");
    EXPECT_EQ(LoadResource(host, r), nullptr);
    EXPECT_EQ(SizeofResource(host, r), 0u);
}

TEST(ModuleResources, ReplacedAndUnregisteredResourcesGoStale) {
    HMODULE h = RegisterModule("Transient");
    ASSERT_TRUE(AddModuleResource(h, RT_DIALOG, MAKEINTRESOURCE(1), kDialog, sizeof kDialog));
    HGLOBAL first = LoadResource(h, FindResourceA(h, MAKEINTRESOURCE(1), RT_DIALOG));
    ASSERT_NE(LockResource(first), nullptr);
    ASSERT_TRUE(AddModuleResource(h, RT_DIALOG, MAKEINTRESOURCE(1), kVersion, sizeof kVersion));
    EXPECT_EQ(LockResource(first), nullptr);
    HRSRC second = FindResourceA(h, MAKEINTRESOURCE(1), RT_DIALOG);
    EXPECT_EQ(SizeofResource(h, second), sizeof kVersion);
    HGLOBAL loaded = LoadResource(h, second);
    UnregisterModule(h);
    EXPECT_EQ(LockResource(loaded), nullptr);
    EXPECT_EQ(FindResourceA(h, MAKEINTRESOURCE(1), RT_DIALOG), nullptr);
    EXPECT_EQ(GetModuleHandle("Transient"), nullptr);
    EXPECT_FALSE(AddModuleResource(h, RT_DIALOG, MAKEINTRESOURCE(1), kDialog, sizeof kDialog));
    // Made-up handles fail instead of being read.
    EXPECT_EQ(LockResource(reinterpret_cast<HGLOBAL>(&loaded)), nullptr);
    EXPECT_FALSE(AddModuleResource(GetModuleHandle(nullptr), RT_DIALOG, MAKEINTRESOURCE(1), nullptr, 4));
}

TEST(ModuleResources, TheChainLooksInTheCurrentResourceModuleFirst) {
    const BYTE a[] = {1}, b[] = {2, 2};
    const MODULE_RESOURCE ra[] = {{RT_DIALOG, MAKEINTRESOURCE(7), a, 1}};
    const MODULE_RESOURCE rb[] = {{RT_DIALOG, MAKEINTRESOURCE(7), b, 2}, {RT_DIALOG, "ONLYB", b, 2}};
    CModuleRegistration first("First", ra);
    CModuleRegistration second("Second", rb);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(7), RT_DIALOG), first.Handle());
    AfxSetResourceHandle(second);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(7), RT_DIALOG), second.Handle());
    EXPECT_EQ(AfxFindResourceHandle("onlyb", RT_DIALOG), second.Handle());
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxFindResourceHandle("onlyb", RT_DIALOG), second.Handle());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(8), RT_DIALOG), nullptr);
}

}  // namespace
