// CGXProperties: the defaults of a new object, colours, user properties, the getters while
// printing, and copying.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/properties/properties.h"
#include "grid/style/color.h"
#include "host_resources.h"
#include "platform/framework/exceptions.h"

TEST(PropertiesDefaults, ColoursInTheirPositions) {
    CGXProperties props;
    ASSERT_EQ(props.GetColorCount(), 5);
    EXPECT_EQ(props.GetColor(gxColorGridLines), GXSYSCOLOR(COLOR_GRAYTEXT));
    EXPECT_EQ(props.GetColor(gxColorGridLines) >> 24, 0xEDu);
    EXPECT_EQ(props.GetColor(gxColorSecond) >> 24, 0xFCu);
    EXPECT_EQ(props.GetColor(gxColorThird), 0x0000FFu);
    EXPECT_EQ(props.GetColor(gxColorDragLines), 0x0000FFu);
    EXPECT_EQ(props.GetColor(gxColorBackground) >> 24, 0xEFu);
    EXPECT_EQ(props.GetColorName(gxColorGridLines), "Grid Lines");
    EXPECT_EQ(props.GetColorName(gxColorDragLines), "Drag Lines");
    EXPECT_EQ(props.GetColorName(gxColorBackground), "Background");
    EXPECT_EQ(props.GetColor(5), 0u);
    EXPECT_EQ(props.GetColor(-1), 0u);
}

TEST(PropertiesDefaults, SwitchesAndPrintSettings) {
    CGXProperties props;
    EXPECT_TRUE(props.GetDisplay3dHeader());
    EXPECT_TRUE(props.GetDisplayHorzLines());
    EXPECT_TRUE(props.GetDisplayVertLines());
    EXPECT_TRUE(props.GetMarkRowHeader());
    EXPECT_TRUE(props.GetMarkColHeader());
    EXPECT_EQ(props.GetFurtherSwitch(), 0);
    EXPECT_EQ(props.GetScale(), 100);
    EXPECT_TRUE(props.GetCenterHorizontal());
    EXPECT_FALSE(props.GetCenterVertical());
    EXPECT_TRUE(props.GetPrintFrame());
    EXPECT_EQ(props.GetPageOrder(), 0);
    EXPECT_EQ(props.GetFirstPage(), -1);
    LONG t, l, b, r;
    props.GetMargins(t, l, b, r);
    EXPECT_EQ(t, 144);
    EXPECT_EQ(l, 96);
    EXPECT_EQ(b, 144);
    EXPECT_EQ(r, 96);
    props.GetDistances(t, b);
    EXPECT_EQ(t, 38);
    EXPECT_EQ(b, 38);
    props.SetPrinting(true);
    EXPECT_TRUE(props.GetBlackWhite());
    EXPECT_TRUE(props.GetPrintRowHeaders());
    EXPECT_TRUE(props.GetPrintColHeaders());
}

TEST(PropertiesDefaults, PageStoresAndTokens) {
    CGXProperties props;
    EXPECT_EQ(props.GetDataFooter().GetRowCount(), 10u);
    EXPECT_EQ(props.GetDataFooter().GetColCount(), 3u);
    EXPECT_EQ(props.GetDataHeader().GetRowCount(), 10u);
    EXPECT_EQ(props.GetDataHeader().GetColCount(), 3u);
    const CStringArray& tokens = props.GetTokens();
    ASSERT_EQ(tokens.GetSize(), 6);
    EXPECT_EQ(tokens[0], "$F");
    EXPECT_EQ(tokens[5], "$R");
}

TEST(PropertiesColours, ExistingNameKeepsItsPositionAndColour) {
    CGXProperties props;
    EXPECT_EQ(props.AddColorProperty("Drag Lines", 0x123456), gxColorDragLines);
    EXPECT_EQ(props.GetColor(gxColorDragLines), 0x0000FFu);
    EXPECT_EQ(props.AddColorProperty("Highlight", 0x00FF00), 5);
    EXPECT_EQ(props.GetColor(5), 0x00FF00u);
    EXPECT_EQ(props.AddColorProperty(GX_IDS_COLOR_THIRD, 0), gxColorThird);
    EXPECT_THROW(props.AddColorProperty(60001u, 0), CResourceException);
    EXPECT_EQ(props.GetColorCount(), 6);
}

TEST(PropertiesUserProperties, DefaultFrameProperty) {
    CGXProperties props;
    EXPECT_EQ(props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME), nullptr);
    props.AddDefaultUserProperties();
    const CGXStyle* p = props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetControlId(), GX_IDS_CTRL_DROPDOWNLIST);
    EXPECT_EQ(p->GetChoicesList(), "Thin Line\nThick Line\nNo Frame\nInverted Thick\nInverted Thin");
    EXPECT_EQ(p->GetValue(), "Thin Line");
    EXPECT_EQ(props.GetUserPropertyName(GX_IDS_UP_CURRENTCELLFRAME), "Current Cell Frame");
}

TEST(PropertiesUserProperties, AddingAgainReplacesTheStyleAndKeepsACopy) {
    CGXProperties props;
    CGXStyle style;
    style.SetValue("1");
    props.AddUserProperty(51100, style);
    style.SetValue("2");
    EXPECT_EQ(props.GetUserProperty(51100)->GetValue(), "1");
    props.AddUserProperty(51100, CGXStyle().SetControlId(7));
    const CGXStyle* p = props.GetUserProperty(51100);
    EXPECT_EQ(p->GetControlId(), 7u);
    EXPECT_FALSE(p->GetIncludeValue());
    EXPECT_EQ(props.GetUserPropertyCount(), 1);
    EXPECT_THROW(props.AddUserProperty(60002, style), CResourceException);
    EXPECT_EQ(props.GetUserPropertyCount(), 1);
}

TEST(PropertiesPrinting, LineAndHeaderGettersFollowThePrintState) {
    CGXProperties props;
    props.SetDisplayHorzLines(false);
    props.SetPrintHorzLines(true);
    props.SetDisplayVertLines(true);
    props.SetPrintVertLines(false);
    props.SetPrintRowHeaders(false);
    props.SetPrintColHeaders(false);
    EXPECT_FALSE(props.GetDisplayHorzLines());
    EXPECT_TRUE(props.GetDisplayVertLines());
    EXPECT_TRUE(props.GetPrintRowHeaders());
    EXPECT_TRUE(props.GetPrintColHeaders());
    EXPECT_FALSE(props.GetBlackWhite());
    props.SetPrinting(true);
    EXPECT_TRUE(props.GetDisplayHorzLines());
    EXPECT_FALSE(props.GetDisplayVertLines());
    EXPECT_FALSE(props.GetPrintRowHeaders());
    EXPECT_FALSE(props.GetPrintColHeaders());
}

TEST(PropertiesCopy, CopyIsDeepAndComplete) {
    CGXProperties props;
    props.AddDefaultUserProperties();
    props.AddColorProperty("Highlight", 0x00FF00);
    props.SetMargins(1, 2, 3, 4);
    props.SetScale(150);
    CGXProperties copy(props);
    props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->SetValue("No Frame");
    EXPECT_EQ(copy.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->GetValue(), "Thin Line");
    EXPECT_EQ(copy.GetColor(5), 0x00FF00u);
    EXPECT_EQ(copy.GetScale(), 150);
    LONG t, l, b, r;
    copy.GetMargins(t, l, b, r);
    EXPECT_EQ(r, 4);
    CGXProperties other;
    other = copy;
    const CGXProperties& self = other;
    other = self;
    EXPECT_EQ(other.GetColorCount(), 6);
    EXPECT_EQ(other.GetUserPropertyCount(), 1);
}
