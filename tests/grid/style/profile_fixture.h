#pragma once
// An application with a profile of its own in a fresh folder, in either mode.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "support/grid_host.h"
#include "platform/framework/win_app.h"

class ProfileTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        // CTest runs the cases of one program side by side: each gets a folder of its own.
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        m_dir = ::testing::TempDir() + "style_profile_" + name + "_" + std::to_string(::getpid());
        ASSERT_EQ(std::system(("rm -rf '" + m_dir + "' && mkdir -p '" + m_dir + "'").c_str()), 0);
        m_app = std::make_unique<CWinApp>("GridTest");
        ASSERT_EQ(AfxGetApp(), m_app.get());
        if (Registry()) {
            m_app->SetRegistryKey("TestMaker");
            m_app->SetRegistryFile((m_dir + "/profile.registry").c_str());
        } else {
            m_app->SetProfileFile((m_dir + "/profile.ini").c_str());
        }
    }
    void TearDown() override { m_app.reset(); }

    bool Registry() const { return GetParam(); }
    CWinApp& App() { return *m_app; }
    // The section of a style of the styles map, as the map names it in this mode.
    CString MapSection(const char* name) const { return CString("Styles") + (Registry() ? "\\" : ".") + name; }
    // The section's keys and values, a "key=value" line each, in the profile's order.
    std::string Section(const char* pszSection) {
        CStringArray keys;
        m_app->GetProfileKeys(pszSection, keys);
        std::string text;
        for (const CString& key : keys) text += key.str() + "=" + m_app->GetProfileString(pszSection, key).str() + "\n";
        return text;
    }

    std::string m_dir;
    std::unique_ptr<CWinApp> m_app;
};

inline std::string ModeName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Registry" : "IniFile"; }
