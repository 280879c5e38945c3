#pragma once
// Runs the real krxhost binary as a child process, with the standard streams a test asks for.
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
    std::string stdinText;
    std::string stdinPath;       // this file (a directory, a device) as standard input instead
    bool closeStdin = false;     // no standard input at all
    std::string stdoutPath;      // standard output to this file (/dev/full) instead of captured
    bool closeStdout = false;    // no standard output at all
    bool stdoutToClosedPipe = false;  // a pipe whose reader has gone
};

inline HostStreams InputFrom(const std::string& path) {
    HostStreams s;
    s.stdinPath = path;
    return s;
}
inline HostStreams WithoutInput() {
    HostStreams s;
    s.closeStdin = true;
    return s;
}
inline HostStreams OutputTo(const std::string& path) {
    HostStreams s;
    s.stdoutPath = path;
    return s;
}
inline HostStreams WithoutOutput() {
    HostStreams s;
    s.closeStdout = true;
    return s;
}
inline HostStreams OutputToClosedPipe() {
    HostStreams s;
    s.stdoutToClosedPipe = true;
    return s;
}

// Arguments pass as they are (no shell).
HostRun Host(const std::vector<std::string>& args, const HostStreams& streams);
inline HostRun Host(const std::vector<std::string>& args, const std::string& stdinText = "") {
    HostStreams streams;
    streams.stdinText = stdinText;
    return Host(args, streams);
}

// A file in the temporary folder, named after the process so that parallel tests do not meet.
std::filesystem::path WriteTemp(const std::string& name, const std::string& content);
