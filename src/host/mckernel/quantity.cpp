#include "host/mckernel/quantity.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace {
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsAlpha(char ch) { return std::isalpha(static_cast<unsigned char>(ch)) != 0; }
}  // namespace

std::string_view CMC_TrimSpace(std::string_view text) noexcept {
    while (!text.empty() && CMC_IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && CMC_IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool CMC_ParseQuantity(std::string_view text, CMC_Quantity& quantity) {
    text = CMC_TrimSpace(text);
    // The number: [+-] digits [. digits], or [+-] . digits. Checked by hand, because the library
    // conversions also take exponents, "inf", "nan" and hexadecimal forms.
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    size_t intDigits = 0, fracDigits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++intDigits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos, ++fracDigits;
    }
    if (intDigits + fracDigits == 0) return false;
    std::string_view number = text.substr(0, pos);
    if (number.front() == '+') number.remove_prefix(1);  // from_chars takes no plus sign
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Hundreds of digits: beyond any double when the integer part has a non-zero digit,
        // otherwise too small to tell from zero.
        bool large = number.substr(0, number.find('.')).find_first_of("123456789") != std::string_view::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
        if (number.front() == '-') value = -value;
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        return false;
    }

    std::string_view unit = CMC_TrimSpace(text.substr(pos));
    for (char ch : unit)
        if (!IsAlpha(ch)) return false;
    quantity.value = value;
    quantity.unit = unit;
    return true;
}

long long CMC_TimeUnitNanoseconds(std::string_view unit) noexcept {
    if (unit == "s") return 1000000000LL;
    if (unit == "ms") return 1000000LL;
    if (unit == "us") return 1000LL;
    if (unit == "ns") return 1LL;
    return 0;
}
