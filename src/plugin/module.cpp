// The module's handle and its resources: the dialog templates, the version block and the
// "MODULEICON" bitmap that a host shows for the item.
#include <array>
#include <vector>

#include "dialogs/dialog_resources.h"
#include "platform/win/dib.h"
#include "platform/win/module_resources.h"
#include "platform/win/version_info.h"

namespace {

CModuleRegistration theModule("InterruptSettings");

std::vector<BYTE> VersionBlock() {
    VersionInfoSource source;
    const WORD version[4] = {1, 0, 0, 1};
    std::copy(version, version + 4, source.fileVersion);
    std::copy(version, version + 4, source.productVersion);
    source.strings = {{"FileDescription", "InterruptSettings DLL"},
                      {"FileVersion", "1.0.0.1"},
                      {"InternalName", "Interrupt Settings"},
                      {"ProductVersion", "1.0.0.1"}};
    return BuildVersionInfo(source);
}

// 16 by 16 pixels in the 16 standard colours, top row first: a yellow flash (an interrupt) on a
// navy tile with a white frame.
constexpr std::array<const char*, 16> kIconRows = {
    "FFFFFFFFFFFFFFFF",
    "F44444444444444F",
    "F44444444BB4444F",
    "F4444444BB44444F",
    "F444444BB444444F",
    "F44444BB4444444F",
    "F4444BBBBBBB444F",
    "F444444444BB444F",
    "F44444444BB4444F",
    "F4444444BB44444F",
    "F444444BB444444F",
    "F44444BB4444444F",
    "F4444BB44444444F",
    "F4444B444444444F",
    "F44444444444444F",
    "FFFFFFFFFFFFFFFF",
};

// The module's icon, 16 by 16 in the standard 16 colours, as a bitmap resource holds it.
std::vector<BYTE> IconBitmap() {
    // The standard 16 colours as blue, green, red, reserved.
    constexpr BYTE kPalette[16][4] = {
        {0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
        {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
        {128, 128, 128, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
        {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0},
    };
    auto nibble = [](char c) { return static_cast<BYTE>(c <= '9' ? c - '0' : c - 'A' + 10); };
    return PackedDib4(16, 16, kPalette, 16, [&](int x, int y) { return nibble(kIconRows[y][x]); });
}

// Adds the resources once the module has its handle (the object above is made first).
struct ModuleResources {
    ModuleResources() {
        AddDialogResources(theModule);
        const std::vector<BYTE> version = VersionBlock();
        AddModuleResource(theModule, RT_VERSION, MAKEINTRESOURCEA(1), version.data(), static_cast<DWORD>(version.size()));
        const std::vector<BYTE> icon = IconBitmap();
        AddModuleResource(theModule, RT_BITMAP, "MODULEICON", icon.data(), static_cast<DWORD>(icon.size()));
    }
} theResources;

}  // namespace
