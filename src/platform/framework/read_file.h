#pragma once
// Reading a whole file that a user names, or a whole stream, without trusting it: only regular
// files are read (a FIFO waits for a writer that may never come, a device may never end), and no
// more than a bound, so that a mistaken path or a hostile input cannot hang the program or eat its
// memory.
#include <cstddef>
#include <string>

enum class ReadFileResult { ok, missing, failed };

// The content of a regular file of at most nMaxBytes (symbolic links are followed). missing when
// there is no such file; failed with the reason otherwise: the system's text where it has one
// ("Is a directory", "Permission denied"), else ours ("a FIFO, not a regular file", "larger than
// 64 MiB"). rContent is empty unless the result is ok.
ReadFileResult ReadRegularFile(const std::string& path, size_t nMaxBytes, std::string& rContent,
                               std::string& rReason);

// All that a descriptor (standard input: a pipe, a terminal, a file) gives until its end, at most
// nMaxBytes. False with the reason when reading fails or the bound is passed.
bool ReadStream(int fd, size_t nMaxBytes, std::string& rContent, std::string& rReason);

// Why a file of this type (a stat mode) is not read or replaced as a file: "Is a directory",
// "a FIFO, not a regular file", "a device, not a regular file".
const char* NotARegularFile(unsigned int mode);

// A size for messages: "64 MiB", "512 KiB", "100 bytes".
std::string DescribeSize(size_t nBytes);
