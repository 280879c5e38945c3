#pragma once
// The key/value syntax of parameter texts: a sequence of entries "Key=Value;". White space around
// entries, keys and values is ignored; keys are case-sensitive; the last entry's ";" may be left
// out. The first entry of a key is the one that counts.
//
//   radio values        decimal integers: "SetupInterrupt=1;"
//   hexadecimal values  written "0x" and 8 upper-case digits, read with 1 to 8 digits in either
//                       case: "Mask=0x0000001F;"
//   periods             a decimal number and an optional unit: "KRXINTPER=2 ms;"
#include <string_view>
#include <vector>

#include "platform/win/windef.h"

struct CMC_TextEntry {
    std::string_view key;    // trimmed; empty for an entry that is not "Key=Value"
    std::string_view value;  // trimmed
    std::string_view whole;  // the entry as written, trimmed, without its ";"
    bool wellFormed = false;
};

// Walks the entries of a text in order, without allocating. Empty entries (";;") are skipped.
class CMC_EntryScanner {
public:
    explicit CMC_EntryScanner(std::string_view text) noexcept : m_rest(text) {}
    bool Next(CMC_TextEntry& entry) noexcept;

private:
    std::string_view m_rest;
};

std::vector<CMC_TextEntry> CMC_ParseParameterText(std::string_view text);

// The value of the first entry with this key; false when there is none.
bool CMC_FindEntry(std::string_view text, std::string_view key, std::string_view& value) noexcept;

// Strict value readers: the whole value must be the number.
bool CMC_ParseRadioValue(std::string_view value, int& n) noexcept;
bool CMC_ParseHexaValue(std::string_view value, DWORD& n) noexcept;

// What became of one key a block asked for. Hosts watch this to tell the user which entries were
// not taken (see CMC_ReadLog).
enum class CMC_ReadOutcome { Absent, Accepted, NotANumber, OutOfBounds, Refused };
using CMC_ReadObserver = void (*)(void* pContext, std::string_view key, CMC_ReadOutcome outcome);

// Installs an observer (null removes it); there is one per process, as there is one thread.
void CMC_SetReadObserver(CMC_ReadObserver observer, void* pContext) noexcept;
void CMC_NotifyRead(std::string_view key, CMC_ReadOutcome outcome) noexcept;
