#include "host/mckernel/read_log.h"

#include <algorithm>

CMC_ReadLog::CMC_ReadLog() noexcept { CMC_SetReadObserver(&CMC_ReadLog::Observe, this); }

CMC_ReadLog::~CMC_ReadLog() { CMC_SetReadObserver(nullptr, nullptr); }

void CMC_ReadLog::Observe(void* pContext, std::string_view key, CMC_ReadOutcome outcome) {
    auto* self = static_cast<CMC_ReadLog*>(pContext);
    if (self->Find(key) == nullptr) self->m_reads.push_back({std::string(key), outcome});
}

const CMC_ReadLog::Read* CMC_ReadLog::Find(std::string_view key) const noexcept {
    auto it = std::find_if(m_reads.begin(), m_reads.end(), [&](const Read& r) { return r.key == key; });
    return it == m_reads.end() ? nullptr : &*it;
}

std::vector<CString> CMC_ReadLog::Warnings(std::string_view text) const {
    std::vector<CString> warnings;
    std::vector<std::string_view> seen;
    CMC_EntryScanner scanner(text);
    CMC_TextEntry entry;
    while (scanner.Next(entry)) {
        auto quoted = [&](const char* what) {
            warnings.push_back(FormatString("\"%.*s\": %s, ignored", static_cast<int>(entry.whole.size()),
                                            entry.whole.data(), what));
        };
        if (!entry.wellFormed) {
            quoted("not an entry Key=Value");
            continue;
        }
        if (std::find(seen.begin(), seen.end(), entry.key) != seen.end()) {
            quoted("repeated key (the first one counts)");
            continue;
        }
        seen.push_back(entry.key);
        const Read* read = Find(entry.key);
        if (read == nullptr) {
            quoted("unknown key");
        } else if (read->outcome == CMC_ReadOutcome::NotANumber) {
            quoted("not a number");
        } else if (read->outcome == CMC_ReadOutcome::OutOfBounds) {
            quoted("out of bounds");
        }
    }
    return warnings;
}
