#include "platform/framework/profile_names.h"

namespace {
constexpr unsigned char Lower(char c) noexcept {
    auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}
}  // namespace

std::string_view TrimProfileName(std::string_view s) noexcept {
    while (!s.empty() && IsProfileBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsProfileBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool ProfileNamesEqual(std::string_view a, std::string_view b) noexcept {
    a = TrimProfileName(a);
    b = TrimProfileName(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool ProfileNameLess::operator()(std::string_view a, std::string_view b) const noexcept {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = Lower(a[i]), cb = Lower(b[i]);
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}
