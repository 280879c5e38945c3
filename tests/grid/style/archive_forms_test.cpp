// The archive records of styles and of the styles map: exact bytes, round trips, damaged data.
#include <gtest/gtest.h>

#include "grid/style/color.h"
#include "grid/style/styles_map.h"
#include "host_resources.h"

namespace {
using Bytes = std::vector<BYTE>;

class ArchiveFormsTest : public ::testing::Test {
protected:
    test_host::Resources m_resources;
};

template <typename F>
Bytes Store(F write, CObject* pContext = nullptr) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar.m_pDocument = pContext;
    write(ar);
    ar.Close();
    return file.GetBytes();
}

template <typename F>
void Load(const Bytes& bytes, F read, CObject* pContext = nullptr) {
    CMemFile file(bytes.data(), bytes.size());
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = pContext;
    read(ar);
}

CGXStyle RoundTrip(CGXStyle& style, const CGXStylesMap* pMap = nullptr) {
    Bytes b = Store([&](CArchive& ar) { style.Serialize(ar, pMap); });
    CGXStyle read;
    Load(b, [&](CArchive& ar) { read.Serialize(ar, pMap); });
    return read;
}

int CauseOfStyle(const Bytes& bytes) {
    try {
        Load(bytes, [](CArchive& ar) {
            CGXStyle s;
            s.Serialize(ar, nullptr);
        });
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}

void AppendString(Bytes& b, const char* s) {
    b.push_back(static_cast<BYTE>(std::strlen(s)));
    b.insert(b.end(), s, s + std::strlen(s));
}
}  // namespace

TEST_F(ArchiveFormsTest, AStyleWithoutAttributesIsSchemaFlagsBordersAndNull) {
    CGXStyle empty;
    Bytes b = Store([&](CArchive& ar) { empty.Serialize(ar, nullptr); });
    EXPECT_EQ(b, (Bytes{0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(ArchiveFormsTest, ItemsInTheirOrder) {
    CGXStyle s;
    s.SetHorizontalAlignment(1).SetReadOnly(true).SetTextColor(0xF6000000).SetValue("ab").SetMaxLength(0x0102);
    s.SetBorders(gxBorderRight, StylePen().SetWidth(2)).SetAppData(0x11223344).SetFloodCell(true);
    Bytes b = Store([&](CArchive& ar) { s.Serialize(ar, nullptr); });
    Bytes expected = {0x03, 0x00, 0x25, 0x25, 0x50, 0x00,  // flags 0x00502525
                      0x01, 0x00, 0x00, 0x00,              // horizontal alignment
                      0x01,                                // read-only
                      0x00, 0x00, 0x00, 0xF6,              // text colour
                      0x02, 'a', 'b',                      // value
                      0x02, 0x01,                          // maximum length
                      0x01, 0x00,                          // borders
                      0x00, 0x00, 0x01, 0x00};
    AppendString(expected, "0 2 0 0 0 0");
    expected.insert(expected.end(), {0x00, 0x00, 0x00, 0x00,  // top, bottom absent
                                     0x00, 0x00,              // no user attributes
                                     0x01,                    // flood cell
                                     0x44, 0x33, 0x22, 0x11});
    EXPECT_EQ(b, expected);
}

TEST_F(ArchiveFormsTest, EveryAttributeRoundTrips) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle s;
    s.SetDefault();
    s.SetBorders(gxBorderAll, StylePen().SetStyle(GX_PS_NULL).SetWidth(3).SetColor(RGB(9, 8, 7)));
    s.SetUserAttribute(51019, "Y").SetUserAttribute(3, "three").SetBaseStyle(map.m_wStyleRowHeader);
    s.SetChoicesList("a\r\nb").SetAppData(5).SetMergeCell(6).SetDraw3dFrame(2);
    StyleBrush brush;
    brush.SetPattern(40).SetBkColor(RGB(1, 1, 1));
    s.SetInterior(brush);
    CGXStyle read = RoundTrip(s, &map);
    EXPECT_TRUE(read.IsSubSet(s));
    EXPECT_TRUE(s.IsSubSet(read));
    EXPECT_EQ(read.GetIncludeFlags(), s.GetIncludeFlags());
    // The archive's context object serves as the styles map when none is passed.
    Bytes b = Store([&](CArchive& ar) { s.Serialize(ar); }, &map);
    CGXStyle viaContext;
    Load(b, [&](CArchive& ar) { viaContext.Serialize(ar); }, &map);
    EXPECT_EQ(viaContext.GetBaseStyle(), map.m_wStyleRowHeader);
}

TEST_F(ArchiveFormsTest, WithoutAMapTheBaseStyleIsResourceZeroAndAnEmptyName) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle s;
    s.SetBaseStyle(map.m_wStyleRowHeader);
    Bytes b = Store([&](CArchive& ar) { s.Serialize(ar, nullptr); });
    EXPECT_EQ(b, (Bytes{0x03, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
    CGXStyle read;
    read.SetBaseStyle(9);
    Load(b, [&](CArchive& ar) { read.Serialize(ar, &map); });
    EXPECT_TRUE(read.GetIncludeBaseStyle());
    EXPECT_EQ(read.GetBaseStyle(), 9);  // the empty name is not registered: the id stays
    // With the map, the resource id is stored and found again.
    b = Store([&](CArchive& ar) { s.Serialize(ar, &map); });
    EXPECT_EQ(b[8], 0x21);  // after the borders word: resource id 52769
    EXPECT_EQ(b[9], 0xCE);
    Load(b, [&](CArchive& ar) { read.Serialize(ar, &map); });
    EXPECT_EQ(read.GetBaseStyle(), map.m_wStyleRowHeader);
}

TEST_F(ArchiveFormsTest, PatternIndicesOutsideTheTableGiveAHollowBrush) {
    for (LONG pattern : {41, -2}) {
        Bytes b = {0x03, 0x00, 0x10, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0};
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<BYTE>(static_cast<DWORD>(pattern) >> (8 * i)));
        b.insert(b.end(), {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00});
        CGXStyle s;
        Load(b, [&](CArchive& ar) { s.Serialize(ar, nullptr); });
        EXPECT_EQ(s.GetInterior().GetStyle(), GX_BS_HOLLOW) << pattern;
    }
}

TEST_F(ArchiveFormsTest, OlderSchemasKeepWhatTheyLack) {
    // Schema 1 with FloatCell and AppData flagged: their items are not in the record.
    Bytes b = {0x01, 0x00, 0x00, 0x00, 0x30, 0x00, 0x00, 0x00, 0x00, 0x00};
    CGXStyle s;
    s.SetFloatCell(true).SetAppData(42).SetValue("gone");
    Load(b, [&](CArchive& ar) { s.Serialize(ar, nullptr); });
    EXPECT_TRUE(s.GetIncludeFloatCell());
    EXPECT_TRUE(s.GetFloatCell());
    EXPECT_EQ(s.GetAppData(), 42u);
    EXPECT_FALSE(s.GetIncludeValue());
}

TEST_F(ArchiveFormsTest, DamagedStyleRecords) {
    EXPECT_EQ(CauseOfStyle({0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}), CArchiveException::badSchema);
    EXPECT_EQ(CauseOfStyle({0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}), CArchiveException::endOfFile);
    EXPECT_EQ(CauseOfStyle({0x03, 0x00, 0x00, 0x04}), CArchiveException::endOfFile);
    // A value whose length claims more than the record holds.
    EXPECT_EQ(CauseOfStyle({0x03, 0x00, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xFD, 0xFF, 'a'}), CArchiveException::endOfFile);
    // A font reference that names an unknown class, or a class of the wrong kind.
    Bytes unknown = {0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x07, 0x00};
    for (char c : std::string("CGXFonx")) unknown.push_back(static_cast<BYTE>(c));
    EXPECT_EQ(CauseOfStyle(unknown), CArchiveException::badClass);
    Bytes wrongKind = {0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00};
    for (char c : std::string("CGXStyle")) wrongKind.push_back(static_cast<BYTE>(c));
    EXPECT_EQ(CauseOfStyle(wrongKind), CArchiveException::badClass);
    // A user-attribute map whose count is far beyond the data.
    Bytes count = {0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 23, 0x00};
    for (char c : std::string("CGXCollMapDWordToString")) count.push_back(static_cast<BYTE>(c));
    count.insert(count.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    EXPECT_EQ(CauseOfStyle(count), CArchiveException::endOfFile);
}

TEST_F(ArchiveFormsTest, AFontSharedBetweenTwoStylesIsDamage) {
    // Two styles of one archive, the second's font a back reference to the first's.
    CGXStyle a;
    a.SetFont(CGXFont().SetBold(true));
    Bytes b = Store([&](CArchive& ar) { a.Serialize(ar, nullptr); });
    Bytes twice = b;
    twice.insert(twice.end(), {0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00});
    try {
        Load(twice, [](CArchive& ar) {
            CGXStyle s1, s2;
            s1.Serialize(ar, nullptr);
            s2.Serialize(ar, nullptr);
        });
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
    }
}

TEST_F(ArchiveFormsTest, TheStylesMapRoundTrips) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    map.RegisterControl(52513);
    map.AddUserAttribute(51020, &CGXStyle().SetValue("N"));
    map.RegisterStyle("Custom", CGXStyle().SetValue("c").SetBaseStyle(1), false);
    Bytes b = Store([&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(b[0], 0x02);
    CGXStylesMap read;
    read.RegisterStyle("Stale", CGXStyle(), false);
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_EQ(read.GetCount(), 4);
    EXPECT_EQ(read.GetBaseStyleId("Stale"), 0);
    EXPECT_EQ(read.m_wStyleRowHeader, 2);
    EXPECT_EQ(read.GetSection(), "Styles");
    const CGXStyle* p = nullptr;
    ASSERT_TRUE(read.LookupStyle(read.GetBaseStyleId("Custom"), p));
    EXPECT_EQ(p->GetBaseStyle(), 1);
    EXPECT_EQ(read.RegisterStyle("Next", CGXStyle(), false), 4);
    CString name;
    EXPECT_TRUE(read.GetControlNames().Lookup(52513, name));
    int n = 0;
    read.ForEachUserAttribute([&](DWORD, const CString& uaName, const CGXStyle& style) {
        EXPECT_EQ(uaName, "Unchecked Text");
        EXPECT_EQ(style.GetValue(), "N");
        ++n;
    });
    EXPECT_EQ(n, 1);
    // Written again, the bytes are the same.
    EXPECT_EQ(Store([&](CArchive& ar) { map.Serialize(ar); }), b);
}

TEST_F(ArchiveFormsTest, DamagedStylesMaps) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    Bytes b = Store([&](CArchive& ar) { map.Serialize(ar); });
    auto cause = [](const Bytes& bytes) {
        try {
            CGXStylesMap m;
            Load(bytes, [&](CArchive& ar) { m.Serialize(ar); });
        } catch (const CArchiveException& e) {
            return e.m_cause;
        }
        return -1;
    };
    Bytes schema = b;
    schema[0] = 3;
    EXPECT_EQ(cause(schema), CArchiveException::badSchema);
    for (size_t n : {size_t(1), b.size() / 2, b.size() - 1}) EXPECT_EQ(cause(Bytes(b.begin(), b.begin() + n)), CArchiveException::endOfFile) << n;
    // "Styles" and an empty control map, then 0xFFFF names in a few bytes.
    Bytes names = {0x02, 0x00};
    AppendString(names, "Styles");
    names.insert(names.end(), {0x00, 0x00, 0xFF, 0xFF, 0x01, 0x00});
    EXPECT_EQ(cause(names), CArchiveException::endOfFile);
}

TEST_F(ArchiveFormsTest, EveryTruncationOfAFullMapIsAnEndOfFile) {
    CGXStylesMap map;
    map.CreateStandardStyles();
    map.RegisterControl(52523);
    map.AddUserAttribute(51019, &CGXStyle().SetValue("Y"));
    CGXStyle custom;
    custom.SetDefault();
    custom.SetBorders(gxBorderAll, StylePen()).SetUserAttribute(51019, "y").SetBaseStyle(1).SetChoicesList("a\r\nb");
    map.RegisterStyle("Custom", custom, false);
    Bytes b = Store([&](CArchive& ar) { map.Serialize(ar); });
    for (size_t n = 0; n < b.size(); ++n) {
        Bytes cut(b.begin(), b.begin() + static_cast<long>(n));
        int cause = -1;
        try {
            CGXStylesMap m;
            Load(cut, [&](CArchive& ar) { m.Serialize(ar); });
        } catch (const CArchiveException& e) {
            cause = e.m_cause;
        }
        ASSERT_EQ(cause, CArchiveException::endOfFile) << "cut at " << n << " of " << b.size();
    }
}
