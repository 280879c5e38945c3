#include "host/krxhost/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/krxhost/commands.h"

namespace {
struct OutState {
    std::string buffer;
    int nErrno = 0;  // of the first failed write
};

OutState& Out() {
    static OutState state;
    return state;
}

constexpr size_t kBlock = size_t{1} << 20;
}  // namespace

void ReserveStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free number is fd itself, as the ones below it are open.
        int opened = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != fd) ::close(opened);
    }
}

void StdOut::Write(std::string_view text) {
    OutState& out = Out();
    if (out.nErrno != 0) return;
    out.buffer.append(text);
    if (out.buffer.size() >= kBlock) Flush();
}

void StdOut::Printf(const char* pszFormat, ...) {
    char line[1024];
    va_list args;
    va_start(args, pszFormat);
    int n = std::vsnprintf(line, sizeof line, pszFormat, args);
    va_end(args);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof line) {
        Write(std::string_view(line, static_cast<size_t>(n)));
        return;
    }
    std::string longLine(static_cast<size_t>(n) + 1, '\0');
    va_start(args, pszFormat);
    std::vsnprintf(longLine.data(), longLine.size(), pszFormat, args);
    va_end(args);
    longLine.pop_back();
    Write(longLine);
}

void StdOut::Flush() {
    OutState& out = Out();
    size_t done = 0;
    while (out.nErrno == 0 && done < out.buffer.size()) {
        ssize_t n = ::write(STDOUT_FILENO, out.buffer.data() + done, out.buffer.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) out.nErrno = errno;
        else done += static_cast<size_t>(n);
    }
    out.buffer.clear();
}

bool StdOut::Failed() noexcept { return Out().nErrno != 0; }

int StdOut::Finish(int nExitCode) {
    Flush();
    if (!Failed()) return nExitCode;
    std::fprintf(stderr, "krxhost: standard output cannot be written: %s\n", std::strerror(Out().nErrno));
    return nExitCode == kExitOk ? kExitFailed : nExitCode;
}
