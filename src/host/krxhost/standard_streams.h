#pragma once
// The host program's standard streams. Everything a command prints goes through StdOut, so that
// a write that fails (a full disk, a closed pipe, no standard output at all) is noticed and
// reported rather than lost behind an exit code of 0.
#include <string_view>

// Run first: a standard stream that the caller closed gets /dev/null opened the wrong way round in
// its place. Using it then fails as a closed stream would, and no file we open later can take its
// number and receive what was meant for standard output.
void ReserveStandardStreams();

class StdOut {
public:
    // Gathered and written in large blocks: translating many items must not cost a system call
    // per line. After a failed write nothing more is written.
    static void Write(std::string_view text);
    static void Printf(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));
    static void Flush();
    static bool Failed() noexcept;
    // Writes what is left; when any write failed, says why on standard error and turns a
    // successful exit code into a failure.
    static int Finish(int nExitCode);
};
