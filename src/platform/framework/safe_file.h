#pragma once
// Replacing a file so that a crash never leaves it half-written: the new content goes into a
// temporary file beside it, reaches the disk, and is then renamed over the old file.
#include <string>
#include <string_view>

// False when the file cannot be written; the old file is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view content);
// The whole content of a file; false (and rContent empty) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& rContent);
