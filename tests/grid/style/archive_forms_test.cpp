// The archive records of styles and of the styles map: exact bytes, round trips, damaged data.
#include <gtest/gtest.h>

#include "grid/style/color.h"
#include "grid/style/styles_map.h"
#include "support/grid_host.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
auto StyleWriter(CGXStyle& style, const CGXStylesMap* pMap = nullptr) {
    return [&style, pMap](CArchive& ar) { style.Serialize(ar, pMap); };
}
void ReadStyle(CArchive& ar) { CGXStyle().Serialize(ar, nullptr); }
void ReadMap(CArchive& ar) { CGXStylesMap().Serialize(ar); }

// A styles map with every part of its record: a control name, a user attribute, and a custom
// style with every attribute away from its default.
void FillMap(CGXStylesMap& map) {
    map.CreateStandardStyles();
    map.RegisterControl(52513);
    map.AddUserAttribute(51020, &CGXStyle().SetValue("N"));
    CGXStyle custom;
    custom.SetDefault();
    custom.SetBorders(gxBorderAll, StylePen().SetStyle(GX_PS_NULL).SetWidth(3).SetColor(RGB(9, 8, 7)));
    custom.SetUserAttribute(51020, "n").SetUserAttribute(3, "three").SetBaseStyle(1).SetChoicesList("a\r\nb");
    custom.SetValue("c").SetAppData(5).SetMergeCell(6).SetDraw3dFrame(2);
    custom.SetInterior(StyleBrush().SetPattern(40).SetBkColor(RGB(1, 1, 1)));
    map.RegisterStyle("Custom", custom, false);
}
}  // namespace

TEST(ArchiveFormsTest, StyleRecordsHoldTheirItemsInOrder) {
    CGXStyle empty;
    EXPECT_EQ(Store(StyleWriter(empty)), Hex("0300 00000000 0000 0000"));  // schema, flags, no borders, no user attributes
    CGXStyle s;
    s.SetHorizontalAlignment(1).SetReadOnly(true).SetTextColor(0xF6000000).SetValue("ab").SetMaxLength(0x0102);
    s.SetBorders(gxBorderRight, StylePen().SetWidth(2)).SetAppData(0x11223344).SetFloodCell(true);
    EXPECT_EQ(Store(StyleWriter(s)), Hex("0300 25255000"              // schema 3, the flags
                                         "01000000 01 000000F6"       // alignment, read-only, text colour
                                         "02'ab' 0201"                // value, maximum length
                                         "0100 0000 0100 0B'0 2 0 0 0 0' 0000 0000"  // borders: only the right
                                         "0000 01 44332211"));        // no user attributes, flood cell, app data
}

TEST(ArchiveFormsTest, ABaseStyleIsStoredByResourceIdWithAMapGivenOrInContextAndAsNothingWithout) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle s;
    s.SetBaseStyle(map.m_wStyleRowHeader);
    const Bytes b = Store(StyleWriter(s));
    EXPECT_EQ(b, Hex("0300 00400000 0000 0000 00 0000 0000"));  // resource 0 and an empty name
    CGXStyle read;
    read.SetBaseStyle(9);
    Load(b, StyleWriter(read, &map));
    EXPECT_TRUE(read.GetIncludeBaseStyle());
    EXPECT_EQ(read.GetBaseStyle(), 9);  // the empty name is not registered: the id stays
    const Bytes withMap = Store(StyleWriter(s, &map));
    EXPECT_EQ(Bytes(withMap.begin() + 8, withMap.begin() + 10), Hex("21CE"));  // resource id 52769
    Load(withMap, StyleWriter(read, &map));
    EXPECT_EQ(read.GetBaseStyle(), map.m_wStyleRowHeader);
    // The archive's context object serves as the map when none is passed.
    CGXStyle viaContext;
    Load(Store([&](CArchive& ar) { s.Serialize(ar); }, &map), [&](CArchive& ar) { viaContext.Serialize(ar); }, &map);
    EXPECT_EQ(viaContext.GetBaseStyle(), map.m_wStyleRowHeader);
}

TEST(ArchiveFormsTest, OddButReadableRecords) {
    // Pattern indices outside the table give a hollow brush.
    for (const char* pszPattern : {"29000000", "FEFFFFFF"}) {
        CGXStyle s;
        Load(Hex(std::string("0300 10000000 03000000 00000000 00000000") + pszPattern + "FFFFFF00 0000 0000"),
             StyleWriter(s));
        EXPECT_EQ(s.GetInterior().GetStyle(), GX_BS_HOLLOW) << pszPattern;
    }
    // Schema 1 with FloatCell and AppData flagged: their items are not in the record and stay.
    CGXStyle s;
    s.SetFloatCell(true).SetAppData(42).SetValue("gone");
    Load(Hex("0100 00003000 0000 0000"), StyleWriter(s));
    EXPECT_TRUE(s.GetIncludeFloatCell() && s.GetFloatCell());
    EXPECT_EQ(s.GetAppData(), 42u);
    EXPECT_FALSE(s.GetIncludeValue());
}

TEST(ArchiveFormsTest, DamagedStyleRecordsRaiseTheArchiveException) {
    const struct {
        const char* pszHex;
        int nCause;
    } cases[] = {
        {"0400 00000000 0000 0000", CArchiveException::badSchema},
        {"0300 00000000 0000 00", CArchiveException::endOfFile},
        {"0300 0004", CArchiveException::endOfFile},
        {"0300 00040000 FF FDFF 'a'", CArchiveException::endOfFile},  // a value longer than the record
        {"0300 00020000 FFFF 0000 0700 'CGXFonx'", CArchiveException::badClass},  // a font of no class
        {"0300 00020000 FFFF 0000 0800 'CGXStyle'", CArchiveException::badClass},  // or of the wrong kind
        // A user-attribute map whose count is far beyond the data.
        {"0300 00000000 0000 FFFF 0000 1700 'CGXCollMapDWordToString' FFFF FFFFFF7F", CArchiveException::endOfFile},
    };
    for (const auto& c : cases) EXPECT_EQ(CauseOf(Hex(c.pszHex), ReadStyle), c.nCause) << c.pszHex;
    // Two styles of one archive, the second's font a back reference to the first's: one font
    // would have two owners.
    CGXStyle a;
    a.SetFont(CGXFont().SetBold(true));
    Bytes twice = Store(StyleWriter(a));
    const Bytes second = Hex("0300 00020000 0200 0000 0000");
    twice.insert(twice.end(), second.begin(), second.end());
    EXPECT_EQ(CauseOf(twice, [](CArchive& ar) {
        ReadStyle(ar);
        ReadStyle(ar);
    }), CArchiveException::badIndex);
}

TEST(ArchiveFormsTest, TheStylesMapRoundTripsExactly) {
    CGXStylesMap map;
    FillMap(map);
    const Bytes b = Store([&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(b[0], 0x02);
    CGXStylesMap read;
    read.RegisterStyle("Stale", CGXStyle(), false);
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_EQ(Store([&](CArchive& ar) { read.Serialize(ar); }), b);  // the stale style is gone
    // What the record does not hold: the standard styles' ids and the user attributes' names.
    EXPECT_EQ(read.m_wStyleRowHeader, 2);
    int n = 0;
    read.ForEachUserAttribute([&](DWORD, const CString& name, const CGXStyle& style) {
        EXPECT_EQ(name, "Unchecked Text");
        EXPECT_EQ(style.GetValue(), "N");
        ++n;
    });
    EXPECT_EQ(n, 1);
}

TEST(ArchiveFormsTest, DamagedStylesMapsRaiseTheArchiveException) {
    CGXStylesMap map;
    FillMap(map);
    const Bytes b = Store([&](CArchive& ar) { map.Serialize(ar); });
    for (size_t n = 0; n < b.size(); ++n)
        ASSERT_EQ(CauseOf(Bytes(b.begin(), b.begin() + static_cast<long>(n)), ReadMap), CArchiveException::endOfFile)
            << "cut at " << n << " of " << b.size();
    Bytes schema = b;
    schema[0] = 3;
    EXPECT_EQ(CauseOf(schema, ReadMap), CArchiveException::badSchema);
    // "Styles" and an empty control map, then 0xFFFF names in a few bytes.
    EXPECT_EQ(CauseOf(Hex("0200 06'Styles' 0000 FFFF 0100"), ReadMap), CArchiveException::endOfFile);
}
