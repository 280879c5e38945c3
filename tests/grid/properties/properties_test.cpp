// CGXProperties: colours by position and by name, user properties, the getters while printing,
// copying, and the archive form with its damaged records.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/properties/properties.h"
#include "grid/style/color.h"
#include "host_resources.h"
#include "platform/framework/exceptions.h"
#include "support/archive_bytes.h"

using namespace test_archive;

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

namespace {
Bytes StoreProps(CGXProperties& props) {
    return Store([&](CArchive& ar) { props.Serialize(ar); });
}

void Fill(CGXProperties& props) {
    props.AddDefaultUserProperties();
    props.AddUserProperty(51100, CGXStyle().SetValue("x").SetControlId(3));
    props.AddColorProperty("Highlight", 0x00ABCDEF);
    props.SetColor(gxColorThird, 0x00010203);
    props.SetFurtherSwitch(7);
    props.SetPrintFrame(false);
    props.SetFirstPage(11);
    props.GetDataHeader().StoreStyle(4, 1, CGXStyle().SetValue("$F"), ModifyMode::Override);
}
}  // namespace

// Only the bytes first written show a setting that reading loses; another round would repeat the loss.
TEST(PropertiesArchive, ARecordReadsBackToTheSameBytes) {
    CGXProperties props;
    Fill(props);
    const Bytes bytes = StoreProps(props);
    CGXProperties back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(StoreProps(back), bytes);
    EXPECT_EQ(back.GetUserPropertyName(51100), "Test Property");  // names are not in the record
}

TEST(PropertiesArchive, ColoursAreMatchedByName) {
    CGXProperties writer;
    writer.AddColorProperty("Extra", 1);
    writer.SetColor(gxColorBackground, 2);
    const Bytes bytes = StoreProps(writer);
    CGXProperties reader;
    reader.AddColorProperty("Mine", 3);
    Load(bytes, [&](CArchive& ar) { reader.Serialize(ar); });
    EXPECT_EQ(reader.GetColor(5), 3u);  // the reader's positions stay
    EXPECT_EQ(reader.GetColor(6), 1u);
    EXPECT_EQ(reader.GetColor(gxColorBackground), 2u);
}

TEST(PropertiesArchive, DamagedRecordsRaiseArchiveExceptionsAndChangeNothing) {
    CGXProperties source;
    Fill(source);
    const Bytes bytes = StoreProps(source);
    CGXProperties props;
    const Bytes before = StoreProps(props);
    for (size_t n = 0; n < bytes.size(); ++n) {
        Bytes cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
        EXPECT_EQ(CauseOf(cut, [&](CArchive& ar) { props.Serialize(ar); }), CArchiveException::endOfFile) << n;
    }
    Bytes bad = bytes;
    bad[0] = 2;
    EXPECT_EQ(CauseOf(bad, [&](CArchive& ar) { props.Serialize(ar); }), CArchiveException::badSchema);
    bad = bytes;
    bad[2] = bad[3] = 0xFF;  // more colours than the record holds
    EXPECT_EQ(CauseOf(bad, [&](CArchive& ar) { props.Serialize(ar); }), CArchiveException::endOfFile);
    EXPECT_EQ(StoreProps(props), before);
}
