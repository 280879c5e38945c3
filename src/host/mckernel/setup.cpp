#include "host/mckernel/setup.h"

#include <cstring>

#include "host/mckernel/default_drive.h"
#include "host/mckernel/excerpt.h"

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

namespace {
// Names the entries of a list from bit 32 on: the first few by name, then how many more.
CString BeyondTheMasks(const char* pszWhat, const CStringArray& entries) {
    constexpr int kNamed = 8;
    CString message = FormatString("%s from bit 32 on cannot be used by the 32-bit masks: ", pszWhat);
    const int nBeyond = entries.GetSize() - 32;
    for (int i = 32; i < entries.GetSize() && i < 32 + kNamed; ++i)
        message.AppendFormat("%s\"%s\" (bit %d)", i > 32 ? ", " : "", CMC_Excerpt(entries[i].view()).GetString(), i);
    if (nBeyond > kNamed) message.AppendFormat(" and %d more", nBeyond - kNamed);
    return message;
}
}  // namespace

std::vector<CString> CMC_Setup::GetWarnings() const {
    std::vector<CString> warnings;
    if (m_interrupts.GetSize() > 32) warnings.push_back(BeyondTheMasks("interrupts", m_interrupts));
    if (m_swProtections.GetSize() > 32) warnings.push_back(BeyondTheMasks("software protections", m_swProtections));
    return warnings;
}
