#include "platform/framework/safe_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    size_t nSlash = path.rfind('/');
    std::string dir = nSlash == std::string::npos ? "." : (nSlash == 0 ? "/" : path.substr(0, nSlash));
    std::vector<char> tmpl(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    tmpl.insert(tmpl.end(), suffix, suffix + sizeof suffix);  // with the terminator
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    bool ok = true;
    size_t nDone = 0;
    while (ok && nDone < content.size()) {
        ssize_t n = ::write(fd, content.data() + nDone, content.size() - nDone);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        else nDone += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(tmpl.data(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tmpl.data());
        return false;
    }
    // The rename itself must reach the disk too.
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& rContent) {
    rContent.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            rContent.clear();
            return false;
        }
        if (n == 0) break;
        rContent.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}
