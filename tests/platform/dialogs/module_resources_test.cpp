// Module handles and resource tables: look-ups by id and by name, the resource chain, stale and
// foreign handles; cursors loaded from a module's resources.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "platform/framework/dialog.h"
#include "platform/framework/resources.h"
#include "platform/win/cursor_resource.h"
#include "platform/win/module_resources.h"
#include "platform/win/window.h"

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

// ---- cursor resources -----------------------------------------------------------------------------

// A 16 by 16 arrow: black outline, white inside, hotspot at its tip.
std::vector<std::string> ArrowRows() {
    std::vector<std::string> rows(16, std::string(16, '.'));
    for (int y = 0; y < 12; ++y) {
        rows[y][0] = '#';
        for (int x = 1; x < y; ++x) rows[y][x] = 'o';
        if (y > 0) rows[y][y] = '#';
    }
    rows[12].replace(0, 8, "########");
    rows[13][1] = '~';
    return rows;
}

TEST(ModuleCursors, LoadedByIdAndByNameFromTheirModuleAndShared) {
    const std::vector<BYTE> arrow = BuildMonochromeCursor(POINT{0, 0}, ArrowRows());
    ASSERT_EQ(arrow.size(), 10u + 2 * 2 * 16);
    const std::vector<BYTE> dot = BuildColorCursor(POINT{1, 2}, 3, 4, std::vector<std::uint32_t>(12, 0x80FF0000u));
    CModuleRegistration plugin("CursorModule");
    ASSERT_TRUE(AddModuleResource(plugin, RT_CURSOR, MAKEINTRESOURCE(301), arrow.data(), static_cast<DWORD>(arrow.size())));
    ASSERT_TRUE(AddModuleResource(plugin, RT_CURSOR, "DOT", dot.data(), static_cast<DWORD>(dot.size())));

    HCURSOR a = LoadCursor(plugin, MAKEINTRESOURCE(301));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(LoadCursor(plugin, "#301"), a);  // the same resource, the same shared cursor
    EXPECT_EQ(LoadCursor(plugin, MAKEINTRESOURCE(301)), a);
    unsigned serialA = 0;
    const CursorImage* img = GetCursorImage(a, &serialA);
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(std::make_tuple(img->width, img->height, img->hotspot.x), std::make_tuple(16, 16, LONG{0}));
    // The outline, inside it, transparent beside it, and inverted (black).
    EXPECT_EQ(std::make_tuple(img->argb[0], img->argb[5 * 16 + 2], img->argb[5 * 16 + 9], img->argb[13 * 16 + 1]),
              std::make_tuple(0xFF000000u, 0xFFFFFFFFu, 0x00000000u, 0xFF000000u));
    EXPECT_EQ(GetCursorId(a), 0u);  // no standard cursor

    HCURSOR d = LoadCursor(plugin, "dot");  // names ignore case
    ASSERT_NE(d, nullptr);
    EXPECT_NE(d, a);
    unsigned serialD = 0;
    img = GetCursorImage(d, &serialD);
    ASSERT_NE(img, nullptr);
    EXPECT_NE(serialD, serialA);
    EXPECT_EQ(img->hotspot.y, 2);
    EXPECT_EQ(img->argb, std::vector<std::uint32_t>(12, 0x80FF0000u));

    // Set, replaced and destroyed as the platform's shared cursors are.
    const HCURSOR before = SetCursor(a);
    EXPECT_EQ(GetCursor(), a);
    EXPECT_TRUE(DestroyCursor(a));
    EXPECT_NE(GetCursorImage(a), nullptr);  // still there
    EXPECT_EQ(SetCursor(d), a);
    SetCursor(before);
    // Unknown names, another module, the standard table: null.
    EXPECT_EQ(LoadCursor(plugin, MAKEINTRESOURCE(302)), nullptr);
    EXPECT_EQ(LoadCursor(plugin, "ARROW"), nullptr);
    EXPECT_EQ(LoadCursor(GetModuleHandle(nullptr), MAKEINTRESOURCE(301)), nullptr);
    EXPECT_EQ(LoadCursor(plugin, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadCursor(nullptr, "DOT"), nullptr);
    EXPECT_EQ(GetCursorImage(LoadCursor(nullptr, IDC_ARROW)), nullptr);
}

TEST(ModuleCursors, BadResourceDataIsRefused) {
    CModuleRegistration m("BadCursors");
    const std::vector<BYTE> good = BuildMonochromeCursor(POINT{1, 1}, {"##", "#."});
    ASSERT_EQ(good.size(), 10u + 4);
    auto refused = [&](std::vector<BYTE> bytes) {
        AddModuleResource(m, RT_CURSOR, "C", bytes.data(), static_cast<DWORD>(bytes.size()));
        return LoadCursor(m, "C") == nullptr;
    };
    EXPECT_FALSE(refused(good));
    EXPECT_TRUE(refused({good.begin(), good.end() - 1}));   // short
    std::vector<BYTE> longer = good;
    longer.push_back(0);
    EXPECT_TRUE(refused(longer));                             // too long
    EXPECT_TRUE(refused({good.begin(), good.begin() + 6}));  // a header cut off
    std::vector<BYTE> bad = good;
    bad[0] = 2;                                               // hotspot outside
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[8] = 8;                                               // 8 bits per pixel: none of ours
    EXPECT_TRUE(refused(bad));
    bad = good;
    bad[4] = 0;                                               // no width
    EXPECT_TRUE(refused(bad));
    // A header that claims a huge picture is refused before anything is read.
    bad = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 32, 0};
    EXPECT_TRUE(refused(bad));
    EXPECT_TRUE(refused(std::vector<BYTE>(10, 0)));
    // The builders refuse what is no picture.
    EXPECT_TRUE(BuildMonochromeCursor(POINT{0, 0}, {"##", "#"}).empty());
    EXPECT_TRUE(BuildMonochromeCursor(POINT{0, 0}, {"#x"}).empty());
    EXPECT_TRUE(BuildMonochromeCursor(POINT{2, 0}, {"##"}).empty());
    EXPECT_TRUE(BuildColorCursor(POINT{0, 0}, 2, 2, std::vector<std::uint32_t>(3)).empty());
    EXPECT_TRUE(BuildColorCursor(POINT{0, 0}, 257, 1, std::vector<std::uint32_t>(257)).empty());
}

TEST(ModuleCursors, ACursorGoesWithItsResourceUnlessItIsInUse) {
    HMODULE h = RegisterModule("ShortLived");
    const std::vector<BYTE> one = BuildMonochromeCursor(POINT{0, 0}, {"#."});
    const std::vector<BYTE> two = BuildMonochromeCursor(POINT{0, 0}, {".#"});
    ASSERT_TRUE(AddModuleResource(h, RT_CURSOR, "C", one.data(), static_cast<DWORD>(one.size())));
    HCURSOR first = LoadCursor(h, "C");
    ASSERT_NE(first, nullptr);
    // Replaced: the next load gives the new picture.
    ASSERT_TRUE(AddModuleResource(h, RT_CURSOR, "C", two.data(), static_cast<DWORD>(two.size())));
    HCURSOR second = LoadCursor(h, "C");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetCursorImage(first), nullptr);  // the old picture went with its resource
    ASSERT_NE(GetCursorImage(second), nullptr);
    EXPECT_EQ(GetCursorImage(second)->argb[1], 0xFF000000u);
    SetCursor(second);
    UnregisterModule(h);
    // The cursor in use stays shown; a load from the module that went finds nothing.
    CModuleRegistration other("Another");
    EXPECT_EQ(LoadCursor(other, "C"), nullptr);
    EXPECT_EQ(GetCursor(), second);
    EXPECT_NE(GetCursorImage(second), nullptr);
    SetCursor(nullptr);
}

}  // namespace
