// CGXStylesMap: standard styles, registration, assignment, and its profile form in both modes.
#include "profile_fixture.h"

#include "grid/style/color.h"
#include "grid/style/styles_map.h"
#include "support/archive_bytes.h"

TEST(StylesMapTest, StandardStylesInRegistrationOrder) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    EXPECT_EQ(map.m_wStyleStandard, 0);
    EXPECT_EQ(map.m_wStyleColHeader, 1);
    EXPECT_EQ(map.m_wStyleRowHeader, 2);
    EXPECT_TRUE(map.IsSystemStyle(0));  // what the styles hold shows in the compose and drawing tests
    EXPECT_EQ(map.GetBaseStyleId("Row Header"), 2);
    EXPECT_EQ(map.GetBaseStyleIdFromResource(GX_IDS_STYLE_COLHEADER), 1);
    EXPECT_EQ(map.GetBaseStyleId("nothing"), 0);
    CString name;
    UINT nResource = 1;
    EXPECT_FALSE(map.LookupName(77, name, nResource));
    EXPECT_EQ(nResource, 0u);
}

TEST(StylesMapTest, RegisteringAgainReplacesOnlyTheStyle) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle s;
    s.SetValue("one");
    WORD id = map.RegisterStyle("Mine", s, true);
    s.SetValue("two");
    EXPECT_EQ(map.RegisterStyle("Mine", s, false), id);
    EXPECT_TRUE(map.IsSystemStyle(id));  // the flag stays
    const CGXStyle* p = nullptr;
    ASSERT_TRUE(map.LookupStyle(id, p));
    EXPECT_EQ(p->GetValue(), "two");
    EXPECT_NE(p, &s);  // a clone
    EXPECT_EQ(map.RegisterStyle(GX_IDS_STYLE_STANDARD, s, false), 0);
    EXPECT_EQ(map.GetCount(), 4);
}

TEST(StylesMapTest, MissingResourcesRaiseTheResourceException) {
    CGXStylesMap map;
    EXPECT_THROW(map.RegisterStyle(60000u, CGXStyle(), false), CResourceException);
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_THROW(map.RegisterControl(60001), CResourceException);
    map.RegisterControl(52513);
    CString name;
    ASSERT_TRUE(map.GetControlNames().Lookup(52513, name));
    EXPECT_EQ(name, "Static Text");
}

TEST(StylesMapTest, AssignCopiesEverythingDeeply) {
    CGXStylesMap a;
    a.CreateStandardStyles();
    a.RegisterControl(52523);
    a.AddUserAttribute(51019, &CGXStyle().SetValue("ua"));
    CGXStylesMap b;
    b.RegisterStyle("Stale", CGXStyle(), false);
    b = a;
    auto record = [](CGXStylesMap& map) { return test_archive::Store([&](CArchive& ar) { map.Serialize(ar); }); };
    EXPECT_EQ(record(b), record(a));
    EXPECT_EQ(b.GetBaseStyleId("Stale"), 0);
    const CGXStyle* pa = nullptr;
    const CGXStyle* pb = nullptr;
    ASSERT_TRUE(a.LookupStyle(0, pa) && b.LookupStyle(0, pb));
    EXPECT_NE(pa, pb);
    int n = 0;  // user attribute names are not in the record
    b.ForEachUserAttribute([&](DWORD id, const CString& name, const CGXStyle& style) {
        EXPECT_EQ(id, 51019u);
        EXPECT_EQ(name, "Checked Text");
        EXPECT_EQ(style.GetValue(), "ua");
        ++n;
    });
    EXPECT_EQ(n, 1);
    // The next id carries over: a new style after assignment does not take a used id.
    EXPECT_EQ(b.RegisterStyle("New", CGXStyle(), false), 3);
}

using StylesMapProfileTest = ProfileTest;

TEST_P(StylesMapProfileTest, WriteThenReadRestoresTheStyles) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle custom;
    custom.SetValue("x").SetBaseStyle(map.m_wStyleColHeader);
    map.RegisterStyle("Custom", custom, false);
    map.WriteProfile();
    if (!Registry()) {
        EXPECT_EQ(App().GetProfileString("Styles", "#52768"), "1");
        EXPECT_EQ(App().GetProfileString("Styles", "Custom"), "1");
        CStringArray keys;
        App().GetProfileKeys("Styles", keys);
        // In the order of the name map: names ascending.
        EXPECT_EQ(std::vector<CString>(keys.begin(), keys.end()), (std::vector<CString>{"#52770", "Custom", "#52769", "#52768"}));
    } else {
        CStringArray subkeys;
        App().GetProfileSubkeys("Styles", subkeys);
        EXPECT_EQ(subkeys.GetSize(), 4);
    }
    EXPECT_EQ(App().GetProfileString(MapSection("Custom"), "BaseStyle"), "#52770");
    EXPECT_EQ(App().GetProfileString(MapSection("#52768"), "ControlId"), "52512");

    CGXStylesMap read;
    read.CreateStandardStyles();
    read.ReadProfile();
    EXPECT_EQ(read.GetCount(), 4);
    WORD id = read.GetBaseStyleId("Custom");
    const CGXStyle* p = nullptr;
    ASSERT_TRUE(read.LookupStyle(id, p));
    EXPECT_EQ(p->GetValue(), "x");
    EXPECT_EQ(p->GetBaseStyle(), read.m_wStyleColHeader);

    // Writing again replaces what was there: a style gone from the map is gone from the profile.
    CGXStylesMap fewer;
    fewer.CreateStandardStyles();
    fewer.WriteProfile();
    CGXStylesMap again;
    again.CreateStandardStyles();
    again.ReadProfile();
    EXPECT_EQ(again.GetBaseStyleId("Custom"), 0);
    EXPECT_EQ(again.GetCount(), 3);
}

TEST_P(StylesMapProfileTest, AProfileThatSetsOnlyTheTextColourKeepsEveryDefault) {
    if (Registry()) App().WriteProfileString("Styles\\#52768", "TextColor", "255 0 0");
    else {
        App().WriteProfileString("Styles", "#52768", "1");
        App().WriteProfileString("Styles.#52768", "TextColor", "255 0 0");
    }
    App().WriteProfileString(MapSection("#99"), "Value", "no such resource");
    if (!Registry()) App().WriteProfileString("Styles", "#99", "1");
    CGXStylesMap map;
    map.CreateStandardStyles();
    map.ReadProfile();
    const CGXStyle* p = nullptr;
    ASSERT_TRUE(map.LookupStyle(map.m_wStyleStandard, p));
    EXPECT_EQ(p->GetTextColorNA(), RGB(255, 0, 0));
    CGXStyle defaults;
    defaults.SetDefault();
    defaults.SetTextColor(RGB(255, 0, 0));
    EXPECT_TRUE(p->IsSubSet(defaults));
    EXPECT_TRUE(map.IsSystemStyle(map.m_wStyleStandard));
    EXPECT_EQ(map.GetCount(), 3);  // the style of a resource nobody has is skipped
}

INSTANTIATE_TEST_SUITE_P(BothModes, StylesMapProfileTest, ::testing::Values(false, true), ModeName);
