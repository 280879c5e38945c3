// CGXProperties: the profile form in section "Grid", with an initialisation file and with the
// registry.
#include "grid/style/profile_fixture.h"

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
    CStringArray keys;
    App().GetProfileKeys("Grid", keys);
    EXPECT_EQ(keys.GetSize(), 5 + 5 + 1 + 9 + 3);

    CGXProperties props;
    props.AddDefaultUserProperties();
    props.ReadProfile();
    EXPECT_EQ(props.GetColor(gxColorGridLines), 0x00123456u);
    EXPECT_EQ(props.GetColor(gxColorDragLines), 0x0000FFu);
    EXPECT_FALSE(props.GetDisplay3dHeader() || props.GetMarkColHeader() || props.GetDisplayVertLines());
    EXPECT_TRUE(props.GetMarkRowHeader() && props.GetCenterVertical());
    EXPECT_EQ(props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->GetValue(), "No Frame");
    EXPECT_EQ(props.GetPageOrder() + props.GetFirstPage(), 4);
    props.SetPrinting(true);  // so that the print getters answer with what was read
    EXPECT_FALSE(props.GetPrintColHeaders() || props.GetDisplayHorzLines() || props.GetBlackWhite());
    LONG m[4];
    props.GetMargins(m[0], m[1], m[2], m[3]);
    EXPECT_EQ(std::vector<LONG>(m, m + 4), (std::vector<LONG>{10, -20, 30, 40}));
    props.GetDistances(m[0], m[1]);
    EXPECT_EQ(m[0] * 10 + m[1], 56);
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
