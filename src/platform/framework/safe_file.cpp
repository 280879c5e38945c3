#include "platform/framework/safe_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/framework/read_file.h"

namespace {
std::string Folder(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// The file a path finally names, following symbolic links (relative ones from the link's folder),
// as the system would on opening it; a path to nothing is itself the file to create.
bool ResolveLinks(std::string path, std::string& rTarget, std::string& rReason) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                rReason = std::strerror(errno);
                return false;
            }
            break;
        }
        if (!S_ISLNK(st.st_mode)) break;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<size_t>(n) >= link.size()) {
            rReason = n < 0 ? std::strerror(errno) : "the link changed while it was read";
            return false;
        }
        link.resize(static_cast<size_t>(n));
        path = link.front() == '/' ? link : Folder(path) + "/" + link;
        if (hops == 39) {
            rReason = std::strerror(ELOOP);
            return false;
        }
    }
    rTarget = path;
    return true;
}

// An exclusive lock on the folder, for as long as it lives: two writers of the same file would
// otherwise write into the same temporary file. Waits a few seconds for another writer; a folder
// that cannot be locked at all (some network file systems) is written without.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_fd < 0) return;
        for (int attempt = 0; attempt < 500; ++attempt) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        m_bBusy = true;
    }
    ~FolderLock() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool Busy() const noexcept { return m_bBusy; }

private:
    int m_fd;
    bool m_bBusy = false;
};

bool WriteAll(int fd, std::string_view content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* pReason) {
    std::string reason, target;
    auto fail = [&](std::string why) {
        if (pReason != nullptr) *pReason = std::move(why);
        return false;
    };
    if (!ResolveLinks(path, target, reason)) return fail(reason);
    struct stat old {};
    bool bExists = ::stat(target.c_str(), &old) == 0;
    if (bExists && !S_ISREG(old.st_mode)) return fail(NotARegularFile(old.st_mode));

    const std::string folder = Folder(target);
    FolderLock lock(folder);
    if (lock.Busy()) return fail("another program is writing it");

    // What a crash left behind goes first; with O_EXCL the temporary file is surely our own new
    // one, not a link someone put in its place.
    const std::string temporary = target + ".tmp";
    ::unlink(temporary.c_str());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return fail(std::strerror(errno));
    if (bExists) {
        // An owner may only be kept by one who may set it; the mode can always be.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(fd, old.st_uid, old.st_gid);
        ::fchmod(fd, old.st_mode & 07777);
    }
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return fail(std::strerror(err));
    }
    // The rename itself must reach the disk too.
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}
