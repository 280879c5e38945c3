// CGXProperties: colours by position and by name, user properties, the getters while printing,
// and copying.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/properties/properties.h"
#include "grid/style/color.h"
#include "host_resources.h"
#include "platform/framework/exceptions.h"

TEST(Properties, ColoursByPositionAndAColourUnderAnExistingNameKeepsItsPlace) {
    CGXProperties props;
    const COLORREF colors[] = {GXSYSCOLOR(COLOR_GRAYTEXT), GXSYSCOLOR(COLOR_ACTIVECAPTION), 0x0000FF, 0x0000FF,
                               GXSYSCOLOR(COLOR_BTNFACE)};
    ASSERT_EQ(props.GetColorCount(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(props.GetColor(i), colors[i]) << i;
    EXPECT_EQ(props.GetColor(5), 0u);
    EXPECT_EQ(props.GetColor(-1), 0u);
    EXPECT_EQ(props.AddColorProperty("Drag Lines", 0x123456), gxColorDragLines);
    EXPECT_EQ(props.GetColor(gxColorDragLines), 0x0000FFu);
    EXPECT_EQ(props.AddColorProperty("Highlight", 0x00FF00), 5);
    EXPECT_EQ(props.AddColorProperty(GX_IDS_COLOR_THIRD, 0), gxColorThird);
    EXPECT_THROW(props.AddColorProperty(60001u, 0), CResourceException);
    EXPECT_EQ(props.GetColorCount(), 6);
}

TEST(Properties, UserPropertiesAreCopiesAndACopyOfThePropertiesIsDeep) {
    CGXProperties props;
    EXPECT_EQ(props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME), nullptr);
    props.AddDefaultUserProperties();
    const CGXStyle* p = props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetControlId(), GX_IDS_CTRL_DROPDOWNLIST);
    EXPECT_EQ(p->GetChoicesList(), "Thin Line\nThick Line\nNo Frame\nInverted Thick\nInverted Thin");
    EXPECT_EQ(p->GetValue(), "Thin Line");
    EXPECT_EQ(props.GetUserPropertyName(GX_IDS_UP_CURRENTCELLFRAME), "Current Cell Frame");
    // The properties keep a copy; adding again replaces the style.
    CGXStyle style;
    style.SetValue("1");
    props.AddUserProperty(51100, style);
    style.SetValue("2");
    EXPECT_EQ(props.GetUserProperty(51100)->GetValue(), "1");
    props.AddUserProperty(51100, CGXStyle().SetControlId(7));
    EXPECT_FALSE(props.GetUserProperty(51100)->GetIncludeValue());
    EXPECT_THROW(props.AddUserProperty(60002, style), CResourceException);
    EXPECT_EQ(props.GetUserPropertyCount(), 2);

    props.AddColorProperty("Highlight", 0x00FF00);
    props.SetScale(150);
    CGXProperties copy(props);
    props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->SetValue("No Frame");
    EXPECT_EQ(copy.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->GetValue(), "Thin Line");
    EXPECT_EQ(copy.GetColor(5), 0x00FF00u);
    EXPECT_EQ(copy.GetScale(), 150);
}

TEST(Properties, LineAndHeaderGettersFollowThePrintState) {
    CGXProperties props;
    props.SetDisplayHorzLines(false);
    props.SetPrintVertLines(false);
    props.SetPrintRowHeaders(false);
    EXPECT_FALSE(props.GetDisplayHorzLines());
    EXPECT_TRUE(props.GetDisplayVertLines());
    EXPECT_TRUE(props.GetPrintRowHeaders());
    EXPECT_FALSE(props.GetBlackWhite());
    props.SetPrinting(true);
    EXPECT_TRUE(props.GetDisplayHorzLines());
    EXPECT_FALSE(props.GetDisplayVertLines());
    EXPECT_FALSE(props.GetPrintRowHeaders());
    EXPECT_TRUE(props.GetBlackWhite() && props.GetPrintColHeaders());
}
