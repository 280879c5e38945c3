// CGXProperties: the profile form in section "Grid", with an initialisation file and with the
// registry.
#include "grid/style/profile_fixture.h"

#include <algorithm>

#include "grid/properties/properties.h"
#include "host_resources.h"

using PropertiesProfileTest = ProfileTest;

TEST_P(PropertiesProfileTest, RoundTripRestoresEverySetting) {
    {
        CGXProperties props;
        props.AddDefaultUserProperties();
        props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->SetValue("No Frame");
        props.SetColor(gxColorGridLines, 0x00123456);
        props.SetDisplay3dHeader(false);
        props.SetMarkColHeader(false);
        props.SetDisplayVertLines(false);
        props.SetCenterVertical(true);
        props.SetPrintColHeaders(false);
        props.SetPrintHorzLines(false);
        props.SetPageOrder(1);
        props.SetBlackWhite(false);
        props.SetMargins(10, -20, 30, 40);
        props.SetDistances(5, 6);
        props.SetFirstPage(3);
        props.WriteProfile();
    }
    EXPECT_EQ(App().GetProfileString("Grid", "Margins"), "10,-20,30,40");
    EXPECT_EQ(App().GetProfileString("Grid", "UP51005"), "No Frame");
    const std::string written = Section("Grid");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 5 + 5 + 1 + 9 + 3);
    // What is read writes the same again: no setting is lost or changed on the way.
    CGXProperties props;
    props.AddDefaultUserProperties();
    props.ReadProfile();
    props.WriteProfile();
    EXPECT_EQ(Section("Grid"), written);
}

TEST_P(PropertiesProfileTest, WritesTheSettingsNotTheGettersAnswers) {
    CGXProperties props;
    props.SetPrintRowHeaders(false);
    props.WriteProfile();  // not printing: the getters would answer 1 and 0
    EXPECT_EQ(App().GetProfileString("Grid", "Print Row Headers"), "0");
    EXPECT_EQ(App().GetProfileString("Grid", "Print Only Black&White"), "1");
    EXPECT_EQ(App().GetProfileString("Grid", "Distances"), "38,38");
}

TEST_P(PropertiesProfileTest, MissingEmptyAndBadValues) {
    App().WriteProfileString("Grid", "Margins", " 1, 2");
    App().WriteProfileString("Grid", "Distances", "x,7");
    App().WriteProfileString("Grid", "Page Order", "");
    App().WriteProfileString("Grid", "Start Page Numbering", "abc");
    App().WriteProfileString("Grid", "UP51100", "not registered");
    CGXProperties props;
    props.SetPageOrder(5);
    props.ReadProfile();
    LONG m[4];
    props.GetMargins(m[0], m[1], m[2], m[3]);
    EXPECT_EQ(std::vector<LONG>(m, m + 4), (std::vector<LONG>{1, 2, 144, 96}));
    props.GetDistances(m[0], m[1]);
    EXPECT_EQ(m[0], 0);
    EXPECT_EQ(m[1], 7);
    EXPECT_EQ(props.GetPageOrder(), 5);
    EXPECT_EQ(props.GetFirstPage(), 0);
    EXPECT_EQ(props.GetUserProperty(51100), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Modes, PropertiesProfileTest, ::testing::Bool(), ModeName);
