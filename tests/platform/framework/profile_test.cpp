// The application profile in both modes: an initialisation file and the registry-like store.
#include <gtest/gtest.h>

#include <string>

#include "platform/framework/profile_ini.h"
#include "platform/framework/profile_registry.h"
#include "platform/framework/win_app.h"
#include "profile_files.h"

namespace {
std::string Join(const CStringArray& a) {
    std::string s;
    for (const CString& x : a) s += x.str() + "|";
    return s;
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
    CString v;
    ASSERT_TRUE(reg.GetValue("Software\\Co\\App\\Styles\\Alpha", "x", v));
    EXPECT_EQ(v, "2");

    CRegistryStore copy;
    copy.Parse(reg.Text());
    ASSERT_TRUE(copy.GetValue("Software\\Co\\App\\Styles\\#52768", "Value", v));
    EXPECT_EQ(v, "line1\nline2 % = [x]");
    EXPECT_EQ(copy.Text(), reg.Text());

    EXPECT_TRUE(reg.DeleteKey("Software\\Co\\App\\Styles"));
    EXPECT_FALSE(reg.KeyExists("Software\\Co\\App\\Styles\\Beta"));
    EXPECT_TRUE(reg.KeyExists("Software\\Co\\App"));
    EXPECT_FALSE(reg.DeleteKey(""));
    copy.Parse("garbage\n[]\nno key yet=1\n[A]\nv=%4\nw=%41\n");
    ASSERT_TRUE(copy.GetValue("A", "v", v));
    EXPECT_EQ(v, "%4");
    ASSERT_TRUE(copy.GetValue("A", "w", v));
    EXPECT_EQ(v, "A");
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
