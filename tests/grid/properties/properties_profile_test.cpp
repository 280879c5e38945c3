// CGXProperties: the profile form in section "Grid", with an initialisation file and with the
// registry.
#include "grid/style/profile_fixture.h"

#include "grid/properties/properties.h"
#include "host_resources.h"

namespace {
using PropertiesProfileTest = ProfileTest;

CGXProperties Changed() {
    CGXProperties props;
    props.AddDefaultUserProperties();
    props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->SetValue("No Frame");
    props.SetColor(gxColorGridLines, 0x00123456);
    props.SetDisplay3dHeader(false);
    props.SetDisplayHorzLines(false);
    props.SetDisplayVertLines(false);
    props.SetMarkRowHeader(false);
    props.SetMarkColHeader(false);
    props.SetCenterHorizontal(false);
    props.SetCenterVertical(true);
    props.SetPrintColHeaders(false);
    props.SetPrintRowHeaders(false);
    props.SetPrintHorzLines(false);
    props.SetPrintVertLines(false);
    props.SetPageOrder(1);
    props.SetBlackWhite(false);
    props.SetPrintFrame(false);
    props.SetMargins(10, -20, 30, 40);
    props.SetDistances(5, 6);
    props.SetFirstPage(3);
    return props;
}
}  // namespace

TEST_P(PropertiesProfileTest, RoundTripRestoresEverySetting) {
    Changed().WriteProfile();
    CGXProperties props;
    props.AddDefaultUserProperties();
    props.ReadProfile();
    props.SetPrinting(true);  // so that the print getters answer with what was read
    EXPECT_EQ(props.GetColor(gxColorGridLines), 0x00123456u);
    EXPECT_EQ(props.GetColor(gxColorDragLines), 0x0000FFu);
    EXPECT_FALSE(props.GetDisplay3dHeader());
    EXPECT_FALSE(props.GetMarkRowHeader());
    EXPECT_FALSE(props.GetMarkColHeader());
    EXPECT_FALSE(props.GetCenterHorizontal());
    EXPECT_TRUE(props.GetCenterVertical());
    EXPECT_FALSE(props.GetPrintColHeaders());
    EXPECT_FALSE(props.GetPrintRowHeaders());
    EXPECT_FALSE(props.GetDisplayHorzLines());  // the print values, all switched off
    EXPECT_FALSE(props.GetDisplayVertLines());
    EXPECT_EQ(props.GetPageOrder(), 1);
    EXPECT_FALSE(props.GetBlackWhite());
    EXPECT_FALSE(props.GetPrintFrame());
    EXPECT_EQ(props.GetFirstPage(), 3);
    EXPECT_EQ(props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->GetValue(), "No Frame");
    props.SetPrinting(false);
    EXPECT_FALSE(props.GetDisplayHorzLines());
    EXPECT_FALSE(props.GetDisplayVertLines());
    LONG a, b, c, d;
    props.GetMargins(a, b, c, d);
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, -20);
    EXPECT_EQ(c, 30);
    EXPECT_EQ(d, 40);
    props.GetDistances(a, b);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 6);
}

TEST_P(PropertiesProfileTest, WritesTheKeysAndFormats) {
    CGXProperties props;
    props.AddDefaultUserProperties();
    props.WriteProfile();
    EXPECT_EQ(App().GetProfileString("Grid", "Margins"), "144,96,144,96");
    EXPECT_EQ(App().GetProfileString("Grid", "Distances"), "38,38");
    EXPECT_EQ(App().GetProfileString("Grid", "Start Page Numbering"), "-1");
    EXPECT_EQ(App().GetProfileString("Grid", "Print Only Black&White"), "1");
    EXPECT_EQ(App().GetProfileString("Grid", "Center Vertical"), "0");
    EXPECT_EQ(App().GetProfileString("Grid", "3dHeader"), "1");
    EXPECT_EQ(App().GetProfileString("Grid", "UP51005"), "Thin Line");
    EXPECT_EQ(App().GetProfileString("Grid", "Drag Lines"), "255");
    const auto nGridLines = static_cast<unsigned long>(props.GetColor(0));
    EXPECT_EQ(App().GetProfileString("Grid", "Grid Lines"), FormatString("%lu", nGridLines));
    CStringArray keys;
    App().GetProfileKeys("Grid", keys);
    EXPECT_EQ(keys.GetSize(), 5 + 5 + 1 + 9 + 3);
}

TEST_P(PropertiesProfileTest, WritingWhilePrintingStoresTheSettingsNotTheAnswers) {
    CGXProperties props;
    props.SetPrintRowHeaders(false);
    props.SetBlackWhite(true);
    props.WriteProfile();  // not printing: the getters would say 1 and 0
    EXPECT_EQ(App().GetProfileString("Grid", "Print Row Headers"), "0");
    EXPECT_EQ(App().GetProfileString("Grid", "Print Only Black&White"), "1");
}

TEST_P(PropertiesProfileTest, MissingEmptyAndBadValues) {
    App().WriteProfileString("Grid", "Margins", " 1, 2");
    App().WriteProfileString("Grid", "Distances", "x,7");
    App().WriteProfileString("Grid", "Page Order", "");
    App().WriteProfileString("Grid", "Start Page Numbering", "abc");
    App().WriteProfileString("Grid", "UP51100", "not registered");
    App().WriteProfileString("Grid", "Print Frame", "0x1");
    CGXProperties props;
    props.SetPageOrder(5);
    props.ReadProfile();
    LONG a, b, c, d;
    props.GetMargins(a, b, c, d);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 144);
    EXPECT_EQ(d, 96);
    props.GetDistances(a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(props.GetPageOrder(), 5);
    EXPECT_EQ(props.GetFirstPage(), 0);
    EXPECT_FALSE(props.GetPrintFrame());
    EXPECT_EQ(props.GetUserProperty(51100), nullptr);
    EXPECT_TRUE(props.GetMarkRowHeader());
}

TEST_P(PropertiesProfileTest, OtherSection) {
    CGXProperties props;
    props.SetSection("Other Grid");
    props.SetScale(1);
    props.SetFirstPage(9);
    props.WriteProfile();
    EXPECT_EQ(App().GetProfileString("Grid", "Start Page Numbering"), "");
    CGXProperties back;
    back.SetSection("Other Grid");
    back.ReadProfile();
    EXPECT_EQ(back.GetFirstPage(), 9);
}

INSTANTIATE_TEST_SUITE_P(Modes, PropertiesProfileTest, ::testing::Bool(), ModeName);
