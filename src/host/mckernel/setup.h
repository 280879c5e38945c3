#pragma once
// CMC_Setup: what the host knows about the drive a program is written for: its interrupts and
// software protections (bit i of every mask is entry i of the list), integer options, variables
// and the definition of the time-interrupt period.
//
// A setup comes from a drive setup file (JSON), from the built-in default drive, or is assembled
// member by member (tests do that).
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/cstring.h"
#include "platform/framework/string_array.h"

class CMC_Variable {
public:
    explicit CMC_Variable(const CString& name) : m_name(name) {}
    const CString& GetName() const noexcept { return m_name; }

private:
    CString m_name;
};

// The units a period can be given and shown in, in the order the unit lists show them.
enum CMC_PeriodUnit { CMC_UnitSeconds = 0, CMC_UnitMilliseconds = 1, CMC_UnitTicks = 2, CMC_UnitCount = 3 };

// The period parameter of a drive: the length of one tick, and the value and unit a new item has.
struct CMC_PeriodDefinition {
    long long tickNanoseconds = 1000000;  // 1 ms
    int defaultTicks = 1;
    int defaultUnit = CMC_UnitMilliseconds;
};

// A drive setup file is a few kilobytes; this bounds what a mistaken path can make us read.
constexpr size_t CMC_MaxSetupFileSize = size_t{4} << 20;

class CMC_Setup {
public:
    // A drive with nothing: no interrupts, protections, options or variables.
    CMC_Setup() = default;

    // The built-in default drive (the same as examples/default-drive.json).
    static const CMC_Setup& Default();

    // Replaces this setup with the one a drive setup file describes. On failure the setup is left
    // as it was and the error names the file and, where one is at fault, the member.
    bool LoadFile(const char* pszPath, CString& strError);
    bool LoadJson(std::string_view json, const char* pszSourceName, CString& strError);

    // What a setup holds that no item can use, one message per list: interrupts and protections
    // from bit 32 on, which the 32-bit masks cannot name. Empty for a setup without them.
    std::vector<CString> GetWarnings() const;

    int GetInterruptsCount() const noexcept { return m_interrupts.GetSize(); }
    CString GetInterruptDescription(int i) const { return m_interrupts.GetAt(i); }
    int GetSwProtectionsCount() const noexcept { return m_swProtections.GetSize(); }
    CString GetSwProtectionDescription(int i) const { return m_swProtections.GetAt(i); }
    DWORD GetSwProtectionsMask() const noexcept { return m_swProtectionsMask; }

    // 0 for an option the drive does not have.
    int GetIntOption(const char* pszName) const;

    // bExact 1: the name as written; 0: without regard to case. Null when the drive has none.
    const CMC_Variable* FindVariable(const char* pszName, int bExact) const;

    // The index of the first interrupt whose caption is exactly the name, -1 when none.
    int FindInterrupt(const char* pszName) const;

    const CMC_PeriodDefinition& GetPeriodDefinition() const noexcept { return m_period; }
    const CString& GetName() const noexcept { return m_name; }

    // Assembling a setup.
    void SetName(const CString& name) { m_name = name; }
    void AddInterrupt(const CString& caption) { m_interrupts.Add(caption); }
    void AddSwProtection(const CString& description) { m_swProtections.Add(description); }
    void SetSwProtectionsMask(DWORD mask) noexcept { m_swProtectionsMask = mask; }
    void SetIntOption(const std::string& name, int value) { m_intOptions[name] = value; }
    void AddVariable(const CString& name) { m_variables.emplace_back(name); }
    void SetPeriodDefinition(const CMC_PeriodDefinition& period) noexcept { m_period = period; }

private:
    CString m_name;
    CStringArray m_interrupts;
    CStringArray m_swProtections;
    DWORD m_swProtectionsMask = 0;
    std::map<std::string, int, std::less<>> m_intOptions;
    std::vector<CMC_Variable> m_variables;
    CMC_PeriodDefinition m_period;
};

// The mask with bits 0 to n-1 set: 0 for n <= 0 and all 32 bits from n = 32 on, where a plain
// shift would be undefined.
constexpr DWORD CMC_FullMask(int n) noexcept {
    return n <= 0 ? 0u : (n >= 32 ? 0xFFFFFFFFu : ((DWORD{1} << n) - 1u));
}
