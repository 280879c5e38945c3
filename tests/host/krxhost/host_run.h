#pragma once
// Runs the real krxhost binary as a child process, with the standard streams a test asks for, and
// checks runs given as rows of a table.
#include <filesystem>
#include <string>
#include <vector>

struct HostRun {
    std::string out, err;
    int rc = -1;  // the exit code, or 128 + the signal that ended it
};

// Where the child's standard input comes from and its standard output goes. By default the input
// is stdinText and the output is captured.
struct HostStreams {
    std::string stdinText{};
    std::string stdinPath{};           // this file (a directory, a device) as standard input instead
    bool closeStdin = false;          // no standard input at all
    std::string stdoutPath{};          // standard output to this file (/dev/full) instead of captured
    bool closeStdout = false;         // no standard output at all
    bool stdoutToClosedPipe = false;  // a pipe whose reader has gone
};

// Arguments pass as they are (no shell).
HostRun Host(const std::vector<std::string>& args, const HostStreams& streams = {});
inline HostRun Host(const std::vector<std::string>& args, const std::string& stdinText) {
    return Host(args, HostStreams{.stdinText = stdinText});
}

// A file in the temporary folder, named after the process so that parallel tests do not meet, and
// removed when the test program ends.
std::filesystem::path WriteTemp(const std::string& name, const std::string& content);

// One run and what it must give. "$T" in the arguments, the input and the expected texts stands
// for the prefix WriteTemp gives its files; an expected error ending in "..." is what standard
// error starts with, any other is all of it.
struct HostCase {
    std::vector<std::string> args;
    int rc;
    std::string out;
    std::string err;
    HostStreams streams = {};
};
void ExpectHost(const HostCase& c);
