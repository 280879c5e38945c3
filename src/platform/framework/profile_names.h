#pragma once
// Names in profiles compare the way the platform's profiles compare them: without regard to ASCII
// case (and, in an initialisation file, after trimming blanks).
#include <string_view>

// Blanks around an initialisation file's names and values: space, tab, CR, LF and the old
// end-of-file mark ^Z.
constexpr bool IsProfileBlank(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1a';
}
std::string_view TrimProfileName(std::string_view s) noexcept;
bool ProfileNamesEqual(std::string_view a, std::string_view b) noexcept;  // trimmed, any case

// Orders names without regard to case (as given: callers trim first where that applies), so
// that maps find them in log n whatever a file holds.
struct ProfileNameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};
