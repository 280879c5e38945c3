#include "host/krxhost/host_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace {
std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string TempPrefix() { return (std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "_")).string(); }

// Every file WriteTemp wrote is removed when the test program ends.
struct WrittenFiles {
    std::vector<std::filesystem::path> paths;
    ~WrittenFiles() {
        for (const auto& p : paths) std::filesystem::remove(p);
    }
} g_written;

std::string Expand(std::string s) {
    for (size_t at = s.find("$T"); at != std::string::npos; at = s.find("$T", at)) s.replace(at, 2, TempPrefix());
    return s;
}
}  // namespace

std::filesystem::path WriteTemp(const std::string& name, const std::string& content) {
    std::filesystem::path path = TempPrefix() + name;
    std::ofstream(path, std::ios::binary) << content;
    g_written.paths.push_back(path);
    return path;
}

HostRun Host(const std::vector<std::string>& args, const HostStreams& streams) {
    auto dir = std::filesystem::temp_directory_path() / ("krxhost_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    { std::ofstream(dir / "in", std::ios::binary) << streams.stdinText; }
    const std::string in = streams.stdinPath.empty() ? (dir / "in").string() : streams.stdinPath;
    const std::string out = streams.stdoutPath.empty() ? (dir / "out").string() : streams.stdoutPath;
    const std::string err = (dir / "err").string();
    int pipeFds[2] = {-1, -1};
    if (streams.stdoutToClosedPipe && ::pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (streams.closeStdin) posix_spawn_file_actions_addclose(&actions, 0);
    else posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    if (streams.stdoutToClosedPipe) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    } else if (streams.closeStdout) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv{const_cast<char*>(KRX_HOST_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, KRX_HOST_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (streams.stdoutToClosedPipe) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
    }
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid) return {};
    HostRun r;
    r.out = Slurp(dir / "out");
    r.err = Slurp(err);
    r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::filesystem::remove_all(dir);
    return r;
}

void ExpectHost(const HostCase& c) {
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back(Expand(a));
    HostStreams streams = c.streams;
    streams.stdinText = Expand(streams.stdinText);
    const HostRun r = Host(args, streams);
    const std::string what = args.empty() ? "(no arguments)" : args[0] + (args.size() > 1 ? " " + args.back() : "");
    EXPECT_EQ(r.rc, c.rc) << what << "\n" << r.err;
    EXPECT_EQ(r.out, Expand(c.out)) << what;
    const std::string err = Expand(c.err);
    if (err.size() >= 3 && err.compare(err.size() - 3, 3, "...") == 0) {
        EXPECT_EQ(r.err.substr(0, err.size() - 3), err.substr(0, err.size() - 3)) << what;
    } else {
        EXPECT_EQ(r.err, err) << what;
    }
}
