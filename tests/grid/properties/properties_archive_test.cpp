// CGXProperties: its archive form, round trips and damaged records.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/properties/properties.h"
#include "host_resources.h"
#include "support/archive_bytes.h"

using namespace test_archive;

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

TEST(PropertiesArchive, RoundTripKeepsEverything) {
    CGXProperties props;
    Fill(props);
    const Bytes bytes = StoreProps(props);
    CGXProperties back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(StoreProps(back), bytes);
    EXPECT_EQ(back.GetColor(5), 0x00ABCDEFu);
    EXPECT_EQ(back.GetFurtherSwitch(), 7);
    EXPECT_EQ(back.GetUserProperty(51100)->GetControlId(), 3u);
    EXPECT_EQ(back.GetUserPropertyName(51100), "Test Property");
    CGXStyle cell;
    ASSERT_TRUE(back.GetDataHeader().LookupStyle(4, 1, cell, ModifyMode::Copy));
    EXPECT_EQ(cell.GetValue(), "$F");
    ASSERT_TRUE(back.GetDataFooter().LookupStyle(1, 1, cell, ModifyMode::Copy));
    EXPECT_EQ(cell.GetValue(), "$D");
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
