#include "platform/framework/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
std::string TooLarge(size_t nMaxBytes) { return "larger than " + DescribeSize(nMaxBytes); }
}  // namespace

const char* NotARegularFile(unsigned int mode) {
    if (S_ISDIR(mode)) return std::strerror(EISDIR);
    if (S_ISFIFO(mode)) return "a FIFO, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device, not a regular file";
    if (S_ISSOCK(mode)) return "a socket, not a regular file";
    return "not a regular file";
}

std::string DescribeSize(size_t nBytes) {
    if (nBytes >= (size_t{1} << 20) && nBytes % (size_t{1} << 20) == 0) return std::to_string(nBytes >> 20) + " MiB";
    if (nBytes >= 1024 && nBytes % 1024 == 0) return std::to_string(nBytes >> 10) + " KiB";
    return std::to_string(nBytes) + " bytes";
}

bool ReadStream(int fd, size_t nMaxBytes, std::string& rContent, std::string& rReason) {
    rContent.clear();
    rReason.clear();
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            rReason = std::strerror(errno);
            rContent.clear();
            return false;
        }
        if (n == 0) return true;
        if (static_cast<size_t>(n) > nMaxBytes - rContent.size()) {
            rReason = TooLarge(nMaxBytes);
            rContent.clear();
            rContent.shrink_to_fit();
            return false;
        }
        rContent.append(buf, static_cast<size_t>(n));
    }
}

ReadFileResult ReadRegularFile(const std::string& path, size_t nMaxBytes, std::string& rContent,
                               std::string& rReason) {
    rContent.clear();
    rReason.clear();
    // Without O_NONBLOCK opening a FIFO would wait for a writer before we could look at what it is.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        int err = errno;
        rReason = std::strerror(err);
        return err == ENOENT ? ReadFileResult::missing : ReadFileResult::failed;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        rReason = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        rReason = NotARegularFile(st.st_mode);
    } else if (static_cast<unsigned long long>(st.st_size) > nMaxBytes) {
        rReason = TooLarge(nMaxBytes);
    } else {
        rContent.reserve(static_cast<size_t>(st.st_size));
        // The file may still grow while it is read: the bound holds for what is read, not for
        // what the size said.
        ReadStream(fd, nMaxBytes, rContent, rReason);
    }
    ::close(fd);
    return rReason.empty() ? ReadFileResult::ok : ReadFileResult::failed;
}
