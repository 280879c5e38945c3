#pragma once
// CMC_ReadLog: records, while it lives, which keys parameter blocks asked for and what became of
// each, so that a host can tell the user which entries of an item's text were not taken: unknown
// keys, values that are not numbers or lie outside their bounds, repeated keys and entries that
// are not "Key=Value".
#include <string>
#include <string_view>
#include <vector>

#include "host/mckernel/parameter_text.h"
#include "platform/framework/cstring.h"

class CMC_ReadLog {
public:
    CMC_ReadLog() noexcept;  // starts observing
    ~CMC_ReadLog();          // stops
    CMC_ReadLog(const CMC_ReadLog&) = delete;
    CMC_ReadLog& operator=(const CMC_ReadLog&) = delete;

    void Clear() noexcept { m_reads.clear(); }

    // One message per entry of the text that the reads since the last Clear did not take, in the
    // order of the text; entries whose reading failed outright (a refused period) are the
    // reader's error, not a warning, and are not listed.
    std::vector<CString> Warnings(std::string_view text) const;

private:
    struct Read {
        std::string key;
        CMC_ReadOutcome outcome;
    };
    static void Observe(void* pContext, std::string_view key, CMC_ReadOutcome outcome);
    const Read* Find(std::string_view key) const noexcept;

    std::vector<Read> m_reads;
};
