#include "host/mckernel/read_log.h"

#include <algorithm>

#include "host/mckernel/excerpt.h"

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
    std::vector<CMC_TextEntry> entries = CMC_ParseParameterText(text);

    // Which entries repeat an earlier key: sorting the entries by key (then by position) puts every
    // key's first entry first, in n log n for any text; a list of keys seen so far would be
    // quadratic, and a hash set can be driven there by chosen keys.
    std::vector<bool> repeated(entries.size(), false);
    std::vector<size_t> order;
    order.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].wellFormed) order.push_back(i);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        int c = entries[a].key.compare(entries[b].key);
        return c != 0 ? c < 0 : a < b;
    });
    for (size_t i = 1; i < order.size(); ++i)
        if (entries[order[i]].key == entries[order[i - 1]].key) repeated[order[i]] = true;

    std::vector<CString> warnings;
    for (size_t i = 0; i < entries.size(); ++i) {
        const CMC_TextEntry& entry = entries[i];
        auto quoted = [&](const char* what) {
            warnings.push_back(FormatString("\"%s\": %s, ignored", CMC_Excerpt(entry.whole).GetString(), what));
        };
        if (!entry.wellFormed) {
            quoted("not an entry Key=Value");
            continue;
        }
        if (repeated[i]) {
            quoted("repeated key (the first one counts)");
            continue;
        }
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
