#pragma once
// Quantities as users and drive setup files write them: a decimal number (fractions allowed, no
// exponent), optionally followed by a unit, with white space anywhere around and between them.
#include <string_view>

struct CMC_Quantity {
    double value = 0;
    std::string_view unit;  // empty when none was given
};

// False when the text does not start with a decimal number, or something other than a unit
// name (letters) follows it.
bool CMC_ParseQuantity(std::string_view text, CMC_Quantity& quantity);

// Nanoseconds of one time unit among "s", "ms", "us" and "ns"; 0 for any other name.
long long CMC_TimeUnitNanoseconds(std::string_view unit) noexcept;

// White space as the C locale has it, without a library call per character.
constexpr bool CMC_IsSpace(char ch) noexcept { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }
std::string_view CMC_TrimSpace(std::string_view text) noexcept;
