#pragma once
// CMC_Parameter: a typed value with a unit. The drive's one such parameter is the period of the
// time interrupt: a tick count shown in a selected unit. The key it was last read with is the key
// it is written under.
#include <string_view>

#include "host/mckernel/period.h"
#include "host/mckernel/setup.h"
#include "platform/framework/cstring.h"

class CMC_Parameter {
public:
    // The setup's period parameter with its default value and unit.
    explicit CMC_Parameter(const CMC_Setup& setup);
    CMC_Parameter(const CMC_Parameter&) = default;
    CMC_Parameter& operator=(const CMC_Parameter&) = default;

    CString PrintValue() const;        // in the selected unit, as the user sees it: "2"
    CString PrintValueForKRX() const;  // the tick count, as KRX takes it: "8"
    CString GetSelectedUnit() const { return CMC_PeriodUnitName(m_nUnit); }

    int GetUnitsCount() const noexcept { return CMC_UnitCount; }
    CString GetUnitName(int nUnit) const { return CMC_PeriodUnitName(nUnit); }
    int GetSelectedUnitIndex() const noexcept { return m_nUnit; }
    // Shows the same period in another unit; false (nothing changed) for a unit that is not one.
    bool SelectUnit(int nUnit) noexcept;

    // Sets the value from a text such as "2", "2.5 ms" or "8 ticks"; a unit in the text becomes the
    // selected unit. On failure nothing changes and the error says what is wrong.
    bool SetValueText(std::string_view text, CString& strError);

    int GetTicks() const noexcept { return m_nTicks; }
    // False (nothing changed) outside 1 to 65535.
    bool SetTicks(int nTicks) noexcept;
    long long GetTickNanoseconds() const noexcept { return m_tickNanoseconds; }

    const CString& GetKey() const noexcept { return m_key; }
    void SetKey(const char* pszKey) { m_key = pszKey; }

    bool operator==(const CMC_Parameter& other) const noexcept {
        return m_nTicks == other.m_nTicks && m_nUnit == other.m_nUnit &&
               m_tickNanoseconds == other.m_tickNanoseconds && m_key == other.m_key;
    }

private:
    CString m_key;
    long long m_tickNanoseconds;
    int m_nTicks;
    int m_nUnit;
};
