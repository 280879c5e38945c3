#pragma once
// Version blocks: the version resource of a module in the platform's binary form (a tree of
// records, each a length, a value length, a type, a 16-bit key and its value, aligned to four
// bytes), with a fixed part holding the numeric versions and string tables holding texts such as
// "FileDescription". BuildVersionInfo writes one; the queries read it.
#include <string>
#include <utility>
#include <vector>

#include "platform/win/windef.h"

struct VS_FIXEDFILEINFO {
    DWORD dwSignature;  // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};
static_assert(sizeof(VS_FIXEDFILEINFO) == 52);

constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;
constexpr DWORD VOS__WINDOWS32 = 0x00000004;
constexpr DWORD VFT_APP = 1, VFT_DLL = 2;

struct VersionInfoSource {
    WORD fileVersion[4] = {};
    WORD productVersion[4] = {};
    DWORD fileType = VFT_DLL;
    // The string table's language and code page, as the eight hex digits of its key.
    const char* stringTable = "040904b0";
    std::vector<std::pair<std::string, std::string>> strings;  // name, text (8-bit characters)
};

std::vector<BYTE> BuildVersionInfo(const VersionInfoSource& source);

// The fixed part; FALSE when the block is damaged or runs past cbBlock.
BOOL VerQueryFixedFileInfo(const void* pBlock, size_t cbBlock, VS_FIXEDFILEINFO& info);
// A text of a string table by the path "\\StringFileInfo\\040904b0\\FileDescription" (as 8-bit
// characters); FALSE when it is not there or the block is damaged or runs past cbBlock.
BOOL VerQueryString(const void* pBlock, size_t cbBlock, const char* lpSubBlock, std::string& text);
