#include "host/mckernel/parameter.h"

CMC_Parameter::CMC_Parameter(const CMC_Setup& setup)
    : m_tickNanoseconds(setup.GetPeriodDefinition().tickNanoseconds),
      m_nTicks(setup.GetPeriodDefinition().defaultTicks),
      m_nUnit(setup.GetPeriodDefinition().defaultUnit) {}

CString CMC_Parameter::PrintValue() const { return CMC_FormatPeriod(m_nTicks, m_tickNanoseconds, m_nUnit); }

CString CMC_Parameter::PrintValueForKRX() const { return CMC_FormatPeriod(m_nTicks, m_tickNanoseconds, CMC_UnitTicks); }

bool CMC_Parameter::SelectUnit(int nUnit) noexcept {
    if (nUnit < 0 || nUnit >= CMC_UnitCount) return false;
    m_nUnit = nUnit;
    return true;
}

bool CMC_Parameter::SetValueText(std::string_view text, CString& strError) {
    int nTicks = 0, nUnit = 0;
    CMC_PeriodError error = CMC_ReadPeriod(text, m_tickNanoseconds, m_nUnit, nTicks, nUnit);
    if (error != CMC_PeriodError::None) {
        strError = CMC_DescribePeriodError(error, text, m_tickNanoseconds);
        return false;
    }
    m_nTicks = nTicks;
    m_nUnit = nUnit;
    strError.Empty();
    return true;
}

bool CMC_Parameter::SetTicks(int nTicks) noexcept {
    if (nTicks < CMC_MinPeriodTicks || nTicks > CMC_MaxPeriodTicks) return false;
    m_nTicks = nTicks;
    return true;
}
