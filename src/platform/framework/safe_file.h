#pragma once
// Replacing a file so that a crash never leaves it half-written: the new content goes into the
// temporary file "<file>.tmp" beside it, reaches the disk, and is then renamed over the old file.
//
// A symbolic link is written through to its target (the link stays), the file keeps its mode (and
// owner, where we may set it), and only a regular file is ever replaced. A crash can leave the one
// temporary file behind; the next write removes it. Writers of the same folder take turns.
#include <string>
#include <string_view>

// False when the file cannot be written, with the reason when asked; the old file is then
// untouched.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* pReason = nullptr);
