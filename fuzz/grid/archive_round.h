#pragma once
// The round every archive target makes: read an object from the fuzzer's bytes, where an archive
// exception is the one allowed way to refuse them; then write what was read and read it back,
// where any exception is a finding and so is let through.
#include <cstdint>
#include <vector>

#include "support/archive_bytes.h"

namespace archive_round {
using test_archive::Bytes;

// False when the archive refused the bytes.
template <typename F>
bool ReadInput(const uint8_t* data, size_t size, F read, CObject* pContext = nullptr) {
    try {
        CMemFile file(data, size);
        CArchive ar(&file, CArchive::load);
        ar.m_pDocument = pContext;
        read(ar);
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

template <typename F>
Bytes Write(F write, CObject* pContext = nullptr) {
    return test_archive::Store([&](CArchive& ar) {
        ar.m_pDocument = pContext;
        write(ar);
    });
}

template <typename F>
void ReadBack(const Bytes& bytes, F read, CObject* pContext = nullptr) {
    test_archive::Load(bytes, [&](CArchive& ar) {
        ar.m_pDocument = pContext;
        read(ar);
    });
}

// The whole round of an object that serialises with Serialize(CArchive&): read from the fuzzer's
// bytes, used as a program would (`use` may change it), written, read back into a fresh object
// and written again, which must give the same bytes.
template <typename T, typename Use>
void SameBytesAgain(const uint8_t* data, size_t size, CObject* pContext, Use use) {
    auto serialize = [](T& o) { return [&o](CArchive& ar) { o.Serialize(ar); }; };
    T first;
    if (!ReadInput(data, size, serialize(first), pContext)) return;
    use(first);
    const Bytes once = Write(serialize(first), pContext);
    T again;
    ReadBack(once, serialize(again), pContext);
    if (Write(serialize(again), pContext) != once) __builtin_trap();
}
}  // namespace archive_round
