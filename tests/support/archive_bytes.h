#pragma once
// Writing to and reading from archives in memory, for tests of archive forms.
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/framework/archive.h"

namespace test_archive {
using Bytes = std::vector<BYTE>;

// The context object, when given, is the archive's document, as the grid's readers expect it.
template <typename F>
Bytes Store(F write, CObject* pContext = nullptr) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar.m_pDocument = pContext;
    write(ar);
    ar.Close();
    return file.GetBytes();
}

template <typename F>
void Load(const Bytes& bytes, F read, CObject* pContext = nullptr) {
    CMemFile file(bytes.data(), bytes.size());
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = pContext;
    read(ar);
}

// The cause of the archive exception that reading raises, -1 when it raises none.
template <typename F>
int CauseOf(const Bytes& bytes, F read) {
    try {
        Load(bytes, read);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}

// Bytes written as hexadecimal pairs, with text between single quotes taken byte for byte;
// blanks are for reading only. Write multi-byte values low byte first, as archives hold them.
inline Bytes Hex(std::string_view text) {
    Bytes b;
    auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
        } else if (text[i] == '\'') {
            for (++i; i < text.size() && text[i] != '\''; ++i) b.push_back(static_cast<BYTE>(text[i]));
            ++i;
        } else {
            if (i + 1 == text.size()) throw std::invalid_argument("a lone hexadecimal digit");
            b.push_back(static_cast<BYTE>(digit(text[i]) * 16 + digit(text[i + 1])));
            i += 2;
        }
    }
    return b;
}

inline void PutDWord(Bytes& b, DWORD v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<BYTE>(v >> (8 * i)));
}
inline void PutWord(Bytes& b, WORD v) {
    b.push_back(static_cast<BYTE>(v));
    b.push_back(static_cast<BYTE>(v >> 8));
}
}  // namespace test_archive
