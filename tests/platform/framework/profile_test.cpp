// The application profile in both modes, an initialisation file and the registry-like store, given
// ordinary files and hostile ones: every line end, keys and values that would break the file,
// nesting deeper than any stack, numbers beyond 32 bits, files that cannot be read, links, modes
// and crashes in the middle of a write.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/framework/profile_ini.h"
#include "platform/framework/profile_registry.h"
#include "platform/framework/read_file.h"
#include "platform/framework/safe_file.h"
#include "platform/framework/win_app.h"

namespace {
// A fresh folder per test and process, what a file holds, and how many entries a folder has (to
// see that no temporary file is left behind).
std::string FreshDir(const char* name) {
    std::string dir = ::testing::TempDir() + name + "_" + std::to_string(::getpid());
    std::string cmd = "rm -rf '" + dir + "' && mkdir -p '" + dir + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    return dir;
}

std::string FileText(const std::string& path) {
    std::string text, reason;
    ReadRegularFile(path, size_t{1} << 30, text, reason);
    return text;
}

int FilesIn(const std::string& dir) {
    int n = 0;
    DIR* d = opendir(dir.c_str());
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') ++n;
    closedir(d);
    return n;
}

std::string Join(const CStringArray& a) {
    std::string s;
    for (const CString& x : a) s += x.str() + "|";
    return s;
}

// Runs a check as an ordinary user, for whom a file's permissions count (they do not for root).
// The check's result is its exit code: 0 when it holds.
int AsOrdinaryUser(const std::function<int()>& check) {
    if (::geteuid() != 0) return check();
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(100);
        _exit(check());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

std::string Value(const CIniFile& ini, const std::string& section, const std::string& key) {
    CString v;
    return ini.GetString(section, key, v) ? v.str() : "<missing>";
}

std::string Value(const CRegistryStore& reg, const std::string& path, const std::string& name) {
    CString v;
    return reg.GetValue(path, name, v) ? v.str() : "<missing>";
}
}  // namespace

TEST(IniFile, ParsesThePlatformsWay) {
    CIniFile ini;
    ini.Parse("top=lost\r\n; a comment\r\n[ Section1 ]\r\n Key = value \r\nkey=second\r\nquoted=\"q\"\r\n"
              "single='s'\r\nhalf=\"x\r\nnameonly\r\n=empty name\r\n\r\n[section1]\r\nother=1\r\n[S2]\rk2=v2\r"
              "[S3]\na=1\nb=2\rc=3\r\n");
    const struct { const char *section, *key, *value; } cases[] = {
        {"SECTION1", "key", "value"},  // the first of two keys that compare equal
        {"section1", " quoted ", "q"}, {"section1", "single", "s"}, {"section1", "half", "\"x"},
        {"section1", "nameonly", nullptr}, {"section1", "", "empty name"},
        {"section1", "other", nullptr},  // only the first section counts
        {"", "top", nullptr},            // lines before any section cannot be addressed
        {"s2", "k2", "v2"},              // CR-only line ends
        {"s3", "a", "1"}, {"s3", "b", "2"}, {"s3", "c", "3"},  // any mix of CR, LF and CR LF
    };
    for (const auto& c : cases) {
        CString v;
        EXPECT_EQ(ini.GetString(c.section, c.key, v), c.value != nullptr) << c.section << "/" << c.key;
        if (c.value) {
            EXPECT_EQ(v, c.value) << c.section << "/" << c.key;
        }
    }
    CStringArray keys;
    ini.GetKeys("Section1", keys);
    EXPECT_EQ(Join(keys), "Key|key|quoted|single|half||");
}

TEST(IniFile, WritesInPlaceAppendsAndKeepsComments) {
    CIniFile ini;
    ini.Parse("[App]\r\n; keep me\r\na=1\r\nb=2\r\n");
    ini.SetString("APP", "A", "one");
    ini.SetString("app", "c", "3");
    ini.SetString("New", "x", "");
    EXPECT_TRUE(ini.DeleteKey("app", "B"));
    EXPECT_FALSE(ini.DeleteKey("app", "missing"));
    EXPECT_EQ(ini.Text(), "[App]\r\n; keep me\r\na=one\r\nc=3\r\n[New]\r\nx=\r\n");
    EXPECT_TRUE(ini.DeleteSection("new"));
    EXPECT_EQ(ini.Text(), "[App]\r\n; keep me\r\na=one\r\nc=3\r\n");
}

TEST(RegistryStore, KeysValuesSubkeysAndTheirFile) {
    CRegistryStore reg;
    reg.SetValue("Software\\Co\\App\\Styles\\#52768", "Value", "line1\nline2 % = [x]");
    reg.SetValue("Software\\Co\\App\\Styles\\Beta", "Font", "Arial,10,,,,");
    reg.SetValue("software\\co\\app\\styles\\alpha", "X", "1");
    reg.SetValue("Software\\Co\\App\\Styles\\Alpha", "x", "2");  // same key, same value name
    CStringArray names;
    reg.GetSubkeyNames("SOFTWARE\\CO\\APP\\STYLES", names);
    EXPECT_EQ(Join(names), "#52768|alpha|Beta|");  // by name, ignoring case; first spelling kept
    reg.GetValueNames("Software\\Co\\App\\Styles\\alpha", names);
    EXPECT_EQ(Join(names), "X|");
    EXPECT_EQ(Value(reg, "Software\\Co\\App\\Styles\\Alpha", "x"), "2");

    CRegistryStore copy;
    copy.Parse(reg.Text());
    EXPECT_EQ(Value(copy, "Software\\Co\\App\\Styles\\#52768", "Value"), "line1\nline2 % = [x]");
    EXPECT_EQ(copy.Text(), reg.Text());

    EXPECT_TRUE(reg.DeleteKey("Software\\Co\\App\\Styles"));
    EXPECT_FALSE(reg.KeyExists("Software\\Co\\App\\Styles\\Beta"));
    EXPECT_TRUE(reg.KeyExists("Software\\Co\\App"));
    EXPECT_FALSE(reg.DeleteKey(""));
    copy.Parse("garbage\n[]\nno key yet=1\n[A]\nv=%4\nw=%41\n");
    EXPECT_EQ(Value(copy, "A", "v"), "%4");
    EXPECT_EQ(Value(copy, "A", "w"), "A");
}

TEST(AppProfile, IniModePersistsEveryChange) {
    std::string dir = FreshDir("profile_ini");
    std::string path = dir + "/app.ini";
    {
        CWinApp app("ProfileTest");
        app.SetProfileFile(path.c_str());
        EXPECT_TRUE(app.WriteProfileString("Grid", "Rows", "10"));
        EXPECT_TRUE(app.WriteProfileInt("Grid", "Cols", -3));
        EXPECT_EQ(FileText(path), "[Grid]\r\nRows=10\r\nCols=-3\r\n");
        EXPECT_EQ(app.GetProfileInt("grid", "cols", 0), -3);
        EXPECT_EQ(app.GetProfileString("Grid", "Missing", "def  "), "def");
        EXPECT_TRUE(app.DeleteProfileKey("Grid", "Rows"));
        CStringArray keys;
        app.GetProfileKeys("GRID", keys);
        EXPECT_EQ(Join(keys), "Cols|");
        EXPECT_FALSE(app.WriteProfileString(nullptr, "k", "v"));
    }
    CWinApp again("ProfileTest");
    again.SetProfileFile(path.c_str());
    EXPECT_EQ(again.GetProfileString("Grid", "Cols"), "-3");
    EXPECT_TRUE(again.DeleteProfileSection("Grid"));
    EXPECT_EQ(FileText(path), "");
    EXPECT_EQ(FilesIn(dir), 1);  // no temporary file is left behind
}

TEST(AppProfile, RegistryModeUsesTheApplicationsKey) {
    std::string dir = FreshDir("profile_reg");
    std::string path = dir + "/store.registry";
    {
        CWinApp app("RegApp");
        app.SetRegistryKey("Maker");
        app.SetRegistryFile(path.c_str());
        EXPECT_EQ(app.GetAppRegistryKey(), "Software\\Maker\\RegApp");
        CProfileBatch batch(&app);
        app.WriteProfileString("Styles\\Normal", "Value", "a\nb");
        app.WriteProfileString("Styles\\Header", "Enabled", "1");
        EXPECT_EQ(FileText(path), "");  // a batch writes once, at its end
    }
    EXPECT_NE(FileText(path).find("[Software\\Maker\\RegApp\\Styles\\Header]"), std::string::npos);
    CWinApp app("RegApp");
    app.SetRegistryKey("Maker");
    app.SetRegistryFile(path.c_str());
    CStringArray subkeys;
    app.GetProfileSubkeys("Styles", subkeys);
    EXPECT_EQ(Join(subkeys), "Header|Normal|");
    EXPECT_EQ(app.GetProfileString("Styles\\Normal", "Value"), "a\nb");
    EXPECT_TRUE(app.DeleteProfileSection("Styles\\Normal"));
    app.GetProfileSubkeys("Styles", subkeys);
    EXPECT_EQ(Join(subkeys), "Header|");
}

// The profile fuzz target's smoke run catches names and values with line breaks, '=', a leading
// ';' or '[', quotes and blanks written plain; a section name in the escaped form it does not reach.
TEST(IniFile, ASectionThatLooksEscapedReadsBackExactly) {
    CIniFile ini;
    ini.SetString("\\\"S\"", "k", "in a section that looks escaped");
    CIniFile read;
    read.Parse(ini.Text());
    EXPECT_EQ(Value(read, "\\\"S\"", "k"), "in a section that looks escaped");
}

TEST(IniFile, PlainFilesStayAsTheyAreAndTheEscapedFormIsReadable) {
    const std::string plain = "; settings\r\n[Paths]\r\nHome=C:\\new\\table\r\nRatio=100%\r\nTabbed=a\tb\r\n"
                              "Half=\"open\r\n[Grid]\r\nRows=10\r\n";
    CIniFile ini;
    ini.Parse(plain);
    ini.SetString("Paths", "Other", "D:\\x \"y\"");
    EXPECT_EQ(ini.Text(), plain.substr(0, plain.find("[Grid]")) + "Other=D:\\x \"y\"\r\n[Grid]\r\nRows=10\r\n");
    EXPECT_EQ(Value(ini, "Paths", "Home"), "C:\\new\\table");

    ini.SetString("Grid", "a=b", "x\r\n[Grid]\t\x01\\\"");
    EXPECT_NE(ini.Text().find("\r\n\\\"a=b\"=\\\"x\\r\\n[Grid]\\t\\x01\\\\\\\"\"\r\n"), std::string::npos) << ini.Text();
    // Written by hand, in either case of hexadecimal digits; a form that does not end where it
    // should is read as it stands.
    ini.Parse("[S]\r\n\\\"k\\x1f\" = \\\"v\\x0a\"\r\nbad=\\\"v\\q\"\r\n\\\"open=1\r\n"
              "[\\\" T\\t\"]\r\n\\\" k \"=escaped names are trimmed too\r\n");
    EXPECT_EQ(Value(ini, "T", "k"), "escaped names are trimmed too");
    EXPECT_EQ(Value(ini, "S", "k\x1f"), "v\n");
    EXPECT_EQ(Value(ini, "S", "bad"), "\\\"v\\q\"");
    EXPECT_EQ(Value(ini, "S", "\\\"open"), "1");
}

TEST(RegistryStore, NestingIsNotBoundByTheStack) {
    std::string path;
    for (int i = 0; i < 200000; ++i) path += i == 0 ? "k" : "\\k";
    std::string text = "KRX registry 1\n[" + path + "]\nv=1\n";
    {
        CRegistryStore reg;
        reg.Parse(text);
        EXPECT_EQ(Value(reg, path, "v"), "1");
        EXPECT_EQ(reg.Text(), text);
        EXPECT_TRUE(reg.DeleteKey(path.substr(0, 2 * 100000 - 1)));
        EXPECT_FALSE(reg.KeyExists(path));
        reg.Parse(text);
    }
    CRegistryStore root;  // values of the root itself read back too
    root.SetValue("", "top", "1");
    CRegistryStore read;
    read.Parse(root.Text());
    EXPECT_EQ(Value(read, "", "top"), "1");
}

TEST(AppProfile, NumbersBeyond32BitsGiveTheDefault) {
    std::string dir = FreshDir("profile_int");
    CWinApp app("IntTest");
    app.SetProfileFile((dir + "/app.ini").c_str());
    const struct { const char* text; int expected; } cases[] = {
        {"99999999999", 7}, {"-99999999999", 7}, {"2147483648", 7}, {"-2147483649", 7},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"12abc", 12}, {"abc", 0},
    };
    for (const auto& c : cases) {
        app.WriteProfileString("S", "n", c.text);
        EXPECT_EQ(app.GetProfileInt("S", "n", 7), c.expected) << c.text;
    }
}

TEST(AppProfile, AProfileThatCannotBeReadIsNeverReplaced) {
    std::string dir = FreshDir("profile_unreadable");
    std::string fifo = dir + "/fifo.ini", folder = dir + "/folder.ini", huge = dir + "/huge.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_TRUE(WriteFileAtomically(huge, "[S]\r\nk=v\r\n"));
    ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(kMaxProfileFileSize) + 1), 0);
    const struct { std::string path, reason; } cases[] = {
        {fifo, "a FIFO, not a regular file"},
        {folder, "Is a directory"},
        {huge, "larger than 16 MiB"},
    };
    for (const auto& c : cases) {
        for (bool registry : {false, true}) {
            CWinApp app("Unreadable");
            if (registry) {
                app.SetRegistryKey("Maker");
                app.SetRegistryFile(c.path.c_str());
            } else {
                app.SetProfileFile(c.path.c_str());
            }
            EXPECT_EQ(app.GetProfileString("S", "k", "default"), "default") << c.path;
            EXPECT_FALSE(app.WriteProfileString("S", "k", "new")) << c.path;
            EXPECT_EQ(app.GetProfileString("S", "k", "default"), "default") << c.path;
            EXPECT_EQ(app.GetProfileError().str(), c.path + ": cannot be read: " + c.reason);
        }
    }
    struct stat st {};
    EXPECT_TRUE(::stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_TRUE(::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
    EXPECT_TRUE(::stat(huge.c_str(), &st) == 0 && st.st_size == static_cast<off_t>(kMaxProfileFileSize) + 1);

    // A file its user may not read.
    std::string locked = dir + "/locked.ini";
    ASSERT_TRUE(WriteFileAtomically(locked, "[S]\r\nk=kept\r\n"));
    ASSERT_EQ(::chmod(dir.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(locked.c_str(), 0222), 0);
    EXPECT_EQ(AsOrdinaryUser([&] {
                  CWinApp app("Locked");
                  app.SetProfileFile(locked.c_str());
                  if (app.WriteProfileString("S", "k", "new")) return 1;
                  return app.GetProfileError().str() == locked + ": cannot be read: Permission denied" ? 0 : 2;
              }),
              0);
    ASSERT_EQ(::chmod(locked.c_str(), 0644), 0);
    EXPECT_EQ(FileText(locked), "[S]\r\nk=kept\r\n");
}

TEST(AppProfile, AProfileThatWouldNotReadBackIsNotWritten) {
    std::string dir = FreshDir("profile_too_big");
    std::string path = dir + "/app.ini";
    CWinApp app("TooBig");
    app.SetProfileFile(path.c_str());
    ASSERT_TRUE(app.WriteProfileString("S", "k", "small"));
    EXPECT_FALSE(app.WriteProfileString("S", "big", std::string(kMaxProfileFileSize, 'x').c_str()));
    EXPECT_EQ(app.GetProfileError().str(), path + ": cannot be written: it would be larger than 16 MiB");
    EXPECT_TRUE(FileText(path) == "[S]\r\nk=small\r\n");  // (a failure would print 16 MiB)
}

TEST(SafeFile, KeepsTheModeWritesThroughLinksFailsWholeAndCleansUpAfterACrash) {
    std::string dir = FreshDir("safe_file_hostile");
    std::string path = dir + "/target";
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A link, relative to its own folder, is written through to its target and stays a link.
    ASSERT_EQ(::mkdir((dir + "/sub").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("../target", (dir + "/sub/link").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir + "/sub/link", "through"));
    EXPECT_EQ(FileText(path), "through");
    ASSERT_EQ(::lstat((dir + "/sub/link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // A directory in the way of the rename: the write fails as a whole and leaves the old file.
    ASSERT_EQ(::mkdir((dir + "/blocked").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((dir + "/blocked/inner").c_str(), 0755), 0);
    EXPECT_FALSE(WriteFileAtomically(dir + "/blocked", "new"));
    EXPECT_FALSE(WriteFileAtomically(dir + "/missing/dir/file", "x"));
    EXPECT_EQ(FileText(path), "through");

    // What a crash between writing and renaming leaves: the next write removes it.
    ASSERT_TRUE(WriteFileAtomically(path + ".tmp", "half writ"));
    ASSERT_TRUE(WriteFileAtomically(path, "after the crash"));
    EXPECT_EQ(FileText(path), "after the crash");
    EXPECT_EQ(FilesIn(dir), 3);  // target, sub and blocked

    // Something that is not a regular file is not replaced by one.
    std::string fifo = dir + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string reason;
    EXPECT_FALSE(WriteFileAtomically(fifo, "x", &reason));
    EXPECT_EQ(reason, "a FIFO, not a regular file");
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
