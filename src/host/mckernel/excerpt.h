#pragma once
// How messages quote what a user wrote: at most 80 characters of it, then "...", with control
// characters and the backslash escaped (\t, \n, \r, \\, \xHH), so that a huge or binary entry
// gives a short, printable message that still shows where it went wrong.
#include <cstddef>
#include <string_view>

#include "platform/framework/cstring.h"

constexpr size_t CMC_ExcerptLength = 80;

CString CMC_Excerpt(std::string_view text);
