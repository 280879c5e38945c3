// CGXProperties: the defaults of a new object, colours, user properties, the getters while
// printing, and copying.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/properties/properties.h"
#include "grid/style/color.h"
#include "host_resources.h"
#include "platform/framework/exceptions.h"

TEST(Properties, Defaults) {
    CGXProperties props;
    const COLORREF colors[] = {GXSYSCOLOR(COLOR_GRAYTEXT), GXSYSCOLOR(COLOR_ACTIVECAPTION), 0x0000FF, 0x0000FF,
                               GXSYSCOLOR(COLOR_BTNFACE)};
    ASSERT_EQ(props.GetColorCount(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(props.GetColor(i), colors[i]) << i;
    EXPECT_EQ(props.GetColor(0) >> 24, 0xEDu);
    EXPECT_EQ(props.GetColorName(gxColorDragLines), "Drag Lines");
    EXPECT_EQ(props.GetColor(5), 0u);
    EXPECT_EQ(props.GetColor(-1), 0u);
    const bool switches[] = {props.GetDisplay3dHeader(), props.GetDisplayHorzLines(), props.GetDisplayVertLines(),
                             props.GetMarkRowHeader(), props.GetMarkColHeader(), props.GetCenterHorizontal(),
                             !props.GetCenterVertical(), props.GetPrintFrame()};
    for (bool b : switches) EXPECT_TRUE(b);
    EXPECT_EQ(props.GetScale() + props.GetFurtherSwitch() + props.GetPageOrder() + props.GetFirstPage(), 99);
    LONG m[4];
    props.GetMargins(m[0], m[1], m[2], m[3]);
    EXPECT_EQ(std::vector<LONG>(m, m + 4), (std::vector<LONG>{144, 96, 144, 96}));
    props.GetDistances(m[0], m[1]);
    EXPECT_EQ(m[0] + m[1], 76);
    EXPECT_EQ(props.GetDataFooter().GetRowCount(), 10u);
    EXPECT_EQ(props.GetDataHeader().GetColCount(), 3u);
    CGXStyle cell;
    ASSERT_TRUE(props.GetDataFooter().LookupStyle(1, 1, cell, ModifyMode::Copy));
    EXPECT_EQ(cell.GetValue(), "$D");
    ASSERT_TRUE(props.GetDataFooter().LookupStyle(1, 3, cell, ModifyMode::Copy));
    EXPECT_EQ(cell.GetValue(), "$P/$N");
    ASSERT_TRUE(props.GetDataHeader().LookupStyle(1, 2, cell, ModifyMode::Copy));
    EXPECT_EQ(cell.GetValue(), "$R");
    EXPECT_EQ(cell.GetFont()->GetWeight(), 700);
    EXPECT_EQ(cell.GetFont()->GetSize(), 16);
    EXPECT_EQ(props.GetTokens().GetSize(), 6);
    props.SetPrinting(true);
    EXPECT_TRUE(props.GetBlackWhite() && props.GetPrintRowHeaders() && props.GetPrintColHeaders());
}

TEST(Properties, ColourUnderAnExistingNameKeepsItsPositionAndColour) {
    CGXProperties props;
    EXPECT_EQ(props.AddColorProperty("Drag Lines", 0x123456), gxColorDragLines);
    EXPECT_EQ(props.GetColor(gxColorDragLines), 0x0000FFu);
    EXPECT_EQ(props.AddColorProperty("Highlight", 0x00FF00), 5);
    EXPECT_EQ(props.AddColorProperty(GX_IDS_COLOR_THIRD, 0), gxColorThird);
    EXPECT_THROW(props.AddColorProperty(60001u, 0), CResourceException);
    EXPECT_EQ(props.GetColorCount(), 6);
}

TEST(Properties, UserProperties) {
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
}

TEST(Properties, CopyIsDeep) {
    CGXProperties props;
    props.AddDefaultUserProperties();
    props.AddColorProperty("Highlight", 0x00FF00);
    props.SetScale(150);
    CGXProperties copy(props);
    props.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->SetValue("No Frame");
    EXPECT_EQ(copy.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->GetValue(), "Thin Line");
    EXPECT_EQ(copy.GetColor(5), 0x00FF00u);
    EXPECT_EQ(copy.GetScale(), 150);
}
