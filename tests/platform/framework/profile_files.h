#pragma once
// Folders and files for the profile tests: a fresh folder per test and process, what a file
// holds, and how many entries a folder has (to see that no temporary file is left behind).
#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/framework/read_file.h"

inline std::string FreshDir(const char* name) {
    std::string dir = ::testing::TempDir() + name + "_" + std::to_string(::getpid());
    std::string cmd = "rm -rf '" + dir + "' && mkdir -p '" + dir + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    return dir;
}

inline std::string FileText(const std::string& path) {
    std::string text, reason;
    ReadRegularFile(path, size_t{1} << 30, text, reason);
    return text;
}

inline int FilesIn(const std::string& dir) {
    int n = 0;
    DIR* d = opendir(dir.c_str());
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') ++n;
    closedir(d);
    return n;
}
