// The profile form of a style, in both profile modes.
#include "profile_fixture.h"

#include <utility>

#include "grid/style/color.h"
#include "grid/style/style.h"
#include "grid/style/styles_map.h"

TEST_P(ProfileTest, KeysMirrorTheStyleAndReadBack) {
    CGXStyle style;
    style.SetDefault();
    style.SetValue("line1\nline2").SetMaxLength(12).SetMergeCell(5).SetAppData(99).SetChoicesList("x");
    style.SetBorders(gxBorderTop, StylePen().SetWidth(2).SetColor(RGB(1, 2, 3)));
    style.WriteProfile("Cell", nullptr);
    EXPECT_EQ(App().GetProfileString("Cell", "Value"), "line1\nline2");  // written unchanged
    EXPECT_EQ(App().GetProfileString("Cell", "ControlId"), "52512");
    EXPECT_EQ(App().GetProfileString("Cell", "Font"), "Arial,8,400,0,0,0");
    EXPECT_EQ(App().GetProfileString("Cell", "Interior"), "0 0 255 255 255 255 255 255 249");
    EXPECT_EQ(App().GetProfileString("Cell", "Borders"), "1");
    EXPECT_EQ(App().GetProfileString("Cell", "Bottom"), "0 2 1 2 3 0");  // the top edge's key
    EXPECT_EQ(App().GetProfileString("Cell", "Top", "none"), "none");
    EXPECT_EQ(App().GetProfileString("Cell", "AppData", "none"), "none");

    // What is read writes the same keys again.
    CGXStyle read;
    ASSERT_TRUE(read.ReadProfile("Cell", nullptr));
    read.WriteProfile("Again", nullptr);
    EXPECT_EQ(Section("Again"), Section("Cell"));

    // Attributes that are not included delete their keys; the side keys stay without borders.
    CGXStyle small;
    small.SetControlId(7);
    small.WriteProfile("Cell", nullptr);
    EXPECT_EQ(App().GetProfileString("Cell", "Value", "gone"), "gone");
    EXPECT_EQ(App().GetProfileString("Cell", "Borders", "gone"), "gone");
    EXPECT_EQ(App().GetProfileString("Cell", "Bottom"), "0 2 1 2 3 0");
    EXPECT_FALSE(read.ReadProfile(nullptr, nullptr));
    EXPECT_FALSE(read.ReadProfile("", nullptr));
}

TEST_P(ProfileTest, ChoicesListsAreEscaped) {
    const struct {
        const char *pszList, *pszKey, *pszRead;
    } cases[] = {
        {"a\r\nb", "a\\nb", "a\r\nb"},
        {"a\nb", "a\\nb", "a\r\nb"},
        {"x\\ny\\", "x\\\\ny\\\\", "x\\ny\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszKey);
        CGXStyle style;
        style.SetChoicesList(c.pszList);
        style.WriteProfile("Choices", nullptr);
        EXPECT_EQ(App().GetProfileString("Choices", "ChoicesList"), c.pszKey);
        CGXStyle read;
        read.ReadProfile("Choices", nullptr);
        EXPECT_EQ(read.GetChoicesList(), c.pszRead);
    }
}

TEST_P(ProfileTest, TextColourComesBackAsPlainRgbAndNeedsThreeNumbers) {
    CGXStyle style;
    style.SetTextColor(GXSYSCOLOR(COLOR_HIGHLIGHT));
    style.WriteProfile("Colour", nullptr);
    EXPECT_EQ(App().GetProfileString("Colour", "TextColor"), "10 36 106");
    CGXStyle read;
    read.ReadProfile("Colour", nullptr);
    EXPECT_EQ(read.GetTextColorNA(), RGB(10, 36, 106));
    for (const char* psz : {"1 2", "1 2 3 4"}) {
        App().WriteProfileString("Colour", "TextColor", psz);
        read.ReadProfile("Colour", nullptr);
        EXPECT_FALSE(read.GetIncludeTextColor()) << psz;
    }
    App().WriteProfileString("Colour", "WrapText", "3");
    App().WriteProfileString("Colour", "HorizontalAlignment", "-1x");
    App().WriteProfileString("Colour", "Interior", "2 1");
    read.ReadProfile("Colour", nullptr);
    EXPECT_TRUE(read.GetWrapText());
    EXPECT_EQ(read.GetHorizontalAlignment(), 0xFFFFFFFFu);
    EXPECT_FALSE(read.GetIncludeInterior());
}

TEST_P(ProfileTest, BaseStylesByResourceIdOrByName) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    const WORD custom = map.RegisterStyle("Custom", CGXStyle().SetValue("c"), false);
    for (auto [id, pszKey] : {std::pair{map.m_wStyleRowHeader, "#52769"}, std::pair{custom, "Custom"}}) {
        CGXStyle style;
        style.SetBaseStyle(id).WriteProfile("Base", &map);
        EXPECT_EQ(App().GetProfileString("Base", "BaseStyle"), pszKey);
        CGXStyle read;
        read.ReadProfile("Base", &map);
        EXPECT_EQ(read.GetBaseStyle(), id) << pszKey;
    }
    CGXStyle style;
    style.SetBaseStyle(500).WriteProfile("Base", &map);  // an id the map does not know: the key goes
    EXPECT_EQ(App().GetProfileString("Base", "BaseStyle", "gone"), "gone");
    App().WriteProfileString("Base", "BaseStyle", "Unknown");
    CGXStyle read;
    read.ReadProfile("Base", &map);
    EXPECT_TRUE(read.GetIncludeBaseStyle());
    EXPECT_EQ(read.GetBaseStyle(), 0);
}

TEST_P(ProfileTest, UserAttributesFollowTheMapsRegistrations) {
    CGXStylesMap map;
    map.AddUserAttribute(51019);
    map.AddUserAttribute(51020);
    CGXStyle style;
    style.SetUserAttribute(51019, "Y").SetUserAttribute(7, "not registered");
    style.WriteProfile("UA", &map);
    EXPECT_EQ(App().GetProfileString("UA", "UA51019"), "Y");
    EXPECT_EQ(App().GetProfileString("UA", "UA7"), "not registered");
    CGXStyle read;
    read.ReadProfile("UA", &map);
    EXPECT_EQ(read.GetUserAttribute(51019), "Y");
    CString unchecked;
    EXPECT_TRUE(read.GetUserAttribute(51020, unchecked));  // registered: read as empty text
    EXPECT_EQ(unchecked, "");
    EXPECT_FALSE(read.GetUserAttribute(7, unchecked));
    EXPECT_THROW(map.AddUserAttribute(4242), CResourceException);
}

INSTANTIATE_TEST_SUITE_P(BothModes, ProfileTest, ::testing::Values(false, true), ModeName);
