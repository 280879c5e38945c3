#include "host/mckernel/setup.h"

#include <cstring>

#include "host/mckernel/default_drive.h"

const CMC_Setup& CMC_Setup::Default() {
    static const CMC_Setup setup = [] {
        CMC_Setup s;
        CString error;
        // The text is part of the program and checked by the tests; it cannot fail here.
        s.LoadJson(CMC_DefaultDriveJson(), "built-in default drive", error);
        return s;
    }();
    return setup;
}

int CMC_Setup::GetIntOption(const char* pszName) const {
    if (pszName == nullptr) return 0;
    auto it = m_intOptions.find(std::string_view(pszName));
    return it == m_intOptions.end() ? 0 : it->second;
}

const CMC_Variable* CMC_Setup::FindVariable(const char* pszName, int bExact) const {
    if (pszName == nullptr) return nullptr;
    for (const CMC_Variable& variable : m_variables) {
        bool same = bExact ? variable.GetName() == pszName : variable.GetName().CompareNoCase(pszName) == 0;
        if (same) return &variable;
    }
    return nullptr;
}

int CMC_Setup::FindInterrupt(const char* pszName) const {
    if (pszName == nullptr) return -1;
    for (int i = 0; i < m_interrupts.GetSize(); ++i)
        if (m_interrupts[i] == pszName) return i;
    return -1;
}
