#include "host/mckernel/excerpt.h"

CString CMC_Excerpt(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    CString out;
    const size_t n = text.size() < CMC_ExcerptLength ? text.size() : CMC_ExcerptLength;
    for (size_t i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\\': out += "\\\\"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    const char escaped[] = {'\\', 'x', hex[c >> 4], hex[c & 15]};
                    out += std::string_view(escaped, sizeof escaped);
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    if (text.size() > n) out += "...";
    return out;
}
