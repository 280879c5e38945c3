#pragma once
// The escaped form of an initialisation file's section names, keys and values. A plain line
// cannot hold a line break, a key cannot hold '=' or begin with ';' or '[', and a value loses the
// blanks around it and one pair of quotes around it. Such a name or value is written as \" and
// its text and " with the text escaped as in C: \\ \" \r \n \t and \xHH for the other control
// characters:
//
//     \"a=b"=\"first line\r\n[Grid]"
//
// Everything else is written as it stands, so files without such names and values are as they
// always were. A plain text that begins with \" is escaped too, so that it is not misread.
#include <string>
#include <string_view>

std::string EncodeIniSection(std::string_view name);
std::string EncodeIniKey(std::string_view name);
std::string EncodeIniValue(std::string_view value);

// Reads an escaped text at the start of s into rText; the count of characters it takes (up to
// and with the closing quote), 0 when s does not start with a well-formed one.
size_t DecodeIniEscaped(std::string_view s, std::string& rText);

// A value as the file holds it (trimmed) to the value it stands for: the escaped form decoded,
// else one pair of matching quotes around it removed.
std::string DecodeIniValue(std::string_view raw);
