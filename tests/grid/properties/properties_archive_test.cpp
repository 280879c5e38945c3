// CGXProperties: its archive form, round trips and damaged records.
#include <gtest/gtest.h>

#include "grid/data/data.h"
#include "grid/properties/properties.h"
#include "host_resources.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
Bytes StoreProps(const CGXProperties& props) {
    return Store([&](CArchive& ar) { const_cast<CGXProperties&>(props).Serialize(ar); });
}

CGXProperties Sample() {
    CGXProperties props;
    props.AddDefaultUserProperties();
    props.AddUserProperty(51100, CGXStyle().SetValue("x").SetControlId(3));
    props.AddColorProperty("Highlight", 0x00ABCDEF);
    props.SetColor(gxColorThird, 0x00010203);
    props.SetDisplayVertLines(false);
    props.SetFurtherSwitch(7);
    props.SetScale(80);
    props.SetPrintFrame(false);
    props.SetMargins(1, 2, 3, 4);
    props.SetDistances(5, 6);
    props.SetFirstPage(11);
    props.GetDataHeader().SetRowCount(4);
    return props;
}
}  // namespace

TEST(PropertiesArchive, RoundTripKeepsEverything) {
    const CGXProperties props = Sample();
    const Bytes bytes = StoreProps(props);
    CGXProperties back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(back.GetColorCount(), 6);
    EXPECT_EQ(back.GetColor(gxColorThird), 0x00010203u);
    EXPECT_EQ(back.GetColor(5), 0x00ABCDEFu);
    EXPECT_FALSE(back.GetDisplayVertLines());
    EXPECT_EQ(back.GetFurtherSwitch(), 7);
    EXPECT_EQ(back.GetScale(), 80);
    EXPECT_FALSE(back.GetPrintFrame());
    EXPECT_EQ(back.GetFirstPage(), 11);
    ASSERT_NE(back.GetUserProperty(51100), nullptr);
    EXPECT_EQ(back.GetUserProperty(51100)->GetControlId(), 3u);
    EXPECT_EQ(back.GetUserPropertyName(51100), "Test Property");
    EXPECT_EQ(back.GetUserProperty(GX_IDS_UP_CURRENTCELLFRAME)->GetValue(), "Thin Line");
    EXPECT_EQ(back.GetDataHeader().GetRowCount(), 4u);
    EXPECT_EQ(back.GetDataFooter().GetRowCount(), 10u);
    EXPECT_EQ(StoreProps(back), bytes);
}

TEST(PropertiesArchive, StartsWithSchemaAndColours) {
    CGXProperties props;
    const Bytes bytes = StoreProps(props);
    Bytes head;
    PutWord(head, 1);
    PutWord(head, 5);
    head.push_back(10);
    for (char c : std::string("Grid Lines")) head.push_back(static_cast<BYTE>(c));
    PutDWord(head, props.GetColor(0));
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(head.size())), head);
}

TEST(PropertiesArchive, ColoursAreMatchedByName) {
    CGXProperties writer;
    writer.AddColorProperty("Extra", 0x00000001);
    writer.SetColor(gxColorBackground, 0x00000002);
    const Bytes bytes = StoreProps(writer);
    CGXProperties reader;
    reader.AddColorProperty("Mine", 0x00000003);
    Load(bytes, [&](CArchive& ar) { reader.Serialize(ar); });
    EXPECT_EQ(reader.GetColor(5), 0x00000003u);  // positions of this object stay
    EXPECT_EQ(reader.GetColor(6), 0x00000001u);
    EXPECT_EQ(reader.GetColor(gxColorBackground), 0x00000002u);
}

TEST(PropertiesArchive, DamagedRecordsRaiseArchiveExceptionsAndChangeNothing) {
    const Bytes bytes = StoreProps(Sample());
    CGXProperties props;
    const Bytes before = StoreProps(props);
    for (size_t n = 0; n < bytes.size(); ++n) {
        Bytes cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
        EXPECT_EQ(CauseOf(cut, [&](CArchive& ar) { props.Serialize(ar); }), CArchiveException::endOfFile) << n;
    }
    EXPECT_EQ(StoreProps(props), before);

    Bytes bad = bytes;
    bad[0] = 2;
    EXPECT_EQ(CauseOf(bad, [&](CArchive& ar) { props.Serialize(ar); }), CArchiveException::badSchema);
    bad = bytes;
    bad[2] = 0xFF;  // more colours than the record holds
    bad[3] = 0xFF;
    EXPECT_EQ(CauseOf(bad, [&](CArchive& ar) { props.Serialize(ar); }), CArchiveException::endOfFile);
    EXPECT_EQ(StoreProps(props), before);
}

TEST(PropertiesArchive, AsAnObjectReference) {
    const Bytes bytes = Store([](CArchive& ar) {
        CGXProperties props;
        props.SetScale(42);
        ar << &props;
    });
    CObject* p = nullptr;
    Load(bytes, [&](CArchive& ar) { p = ar.ReadObject(RUNTIME_CLASS(CGXProperties)); });
    std::unique_ptr<CGXProperties> props(static_cast<CGXProperties*>(p));
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(props->GetScale(), 42);
    EXPECT_EQ(CauseOf(bytes, [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(CGXData)); }),
              CArchiveException::badClass);
}
