#pragma once
// The round a hostile profile file must survive: parsed, written, and parsed again, it reads as the
// very same contents (read(store) says what a store reads as) and writes the very same text.
#include <cstdlib>
#include <string>
#include <string_view>

template <typename Store, typename ReadFn>
void CheckHostileFile(std::string_view text, ReadFn read) {
    Store file;
    file.Parse(text);
    const std::string written = file.Text();
    Store again;
    again.Parse(written);
    if (read(again) != read(file)) std::abort();
    if (again.Text() != written) std::abort();
}
