// CGXFont: attributes, merging, subset test, text and archive forms, the face map.
#include <gtest/gtest.h>

#include "grid/style/face_map.h"
#include "grid/style/font.h"
#include "platform/win/sys_colors.h"

namespace {
struct DpiGuard {
    explicit DpiGuard(int dpi) { SetScreenDpi(dpi); }
    ~DpiGuard() { SetScreenDpi(96); }
};

std::vector<BYTE> Store(CGXFont& font) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    font.Serialize(ar);
    ar.Close();
    return file.GetBytes();
}
}  // namespace

TEST(FontMerge, ApplyNewFillsOnlyWhatIsMissing) {
    CGXFont target;
    target.SetFaceName("Arial");
    CGXFont bold;
    bold.SetFaceName("Times New Roman").SetBold(true);
    target.ChangeFont(bold, ModifyMode::ApplyNew);
    EXPECT_STREQ(target.GetFaceName(), "Arial");
    EXPECT_EQ(target.GetWeight(), 700);
    EXPECT_EQ(target.GetIncludeFlags(), CGXFont::incFaceName | CGXFont::incWeight);
    target.ChangeFont(bold, ModifyMode::Override);
    EXPECT_STREQ(target.GetFaceName(), "Times New Roman");
}

TEST(FontMerge, ExcludeRemovesPresenceOnlyAndCopyStartsEmpty) {
    CGXFont font;
    font.SetDefault();
    CGXFont size;
    size.SetSize(20);
    font.ChangeFont(size, ModifyMode::Exclude);
    EXPECT_FALSE(font.GetIncludeSize());
    EXPECT_EQ(font.GetIncludeFlags(), CGXFont::incAll & ~CGXFont::incSize);
    CGXFont italic;
    italic.SetItalic(true);
    font.ChangeFont(italic, ModifyMode::Copy);
    EXPECT_EQ(font.GetIncludeFlags(), CGXFont::incItalic);
    EXPECT_STREQ(font.GetFaceName(), "");
}

TEST(FontSubset, ComparesOnlyWhatTheOtherIncludes) {
    CGXFont font;
    font.SetDefault();
    CGXFont other;
    EXPECT_TRUE(font.IsSubSet(other));
    other.SetFaceName("arial");
    EXPECT_FALSE(font.IsSubSet(other));  // face names compare with case
    other.SetFaceName("Arial").SetSize(8);
    EXPECT_TRUE(font.IsSubSet(other));
    other.SetUnderline(true);
    EXPECT_FALSE(font.IsSubSet(other));
    EXPECT_FALSE(CGXFont().IsSubSet(font));
}

TEST(FontSize, PointsAndPixelHeightsFollowTheScreen) {
    CGXFont font;
    font.SetDefault();
    EXPECT_EQ(font.GetLogFontRef().lfHeight, -11);
    EXPECT_EQ(font.GetSize(), 8);
    DpiGuard dpi(120);
    font.SetSize(8);
    EXPECT_EQ(font.GetLogFontRef().lfHeight, -13);
    EXPECT_EQ(font.GetSize(), 8);
    EXPECT_EQ(GXMulDiv(-5, 3, 2), -8);  // halves away from zero
    EXPECT_EQ(GXMulDiv(5, 3, 2), 8);
    EXPECT_EQ(GXMulDiv(1, 1, 0), -1);
}

TEST(FontText, WriteAndReadTheSixFields) {
    CGXFont font;
    font.SetDefault();
    EXPECT_EQ(font.GetDescription(), "Arial,8,400,0,0,0");
    EXPECT_EQ(CGXFont().GetDescription(), ",,,,,");

    CGXFont read(",10,,1,,");
    EXPECT_EQ(read.GetIncludeFlags(), CGXFont::incSize | CGXFont::incItalic);
    EXPECT_EQ(read.GetSize(), 10);
    EXPECT_EQ(read.GetItalic(), 1);

    read.SetDescription("Courier New");
    EXPECT_EQ(read.GetIncludeFlags(), CGXFont::incFaceName);
    EXPECT_STREQ(read.GetFaceName(), "Courier New");

    read.SetDescription("X,abc,700x,2,0,1,trailing");
    EXPECT_EQ(read.GetSize(), 0);  // not a number reads as 0
    EXPECT_EQ(read.GetWeight(), 700);
    EXPECT_EQ(read.GetItalic(), 1);
    EXPECT_EQ(read.GetStrikeOut(), 1);
    EXPECT_EQ(read.GetIncludeFlags(), CGXFont::incAll);

    read.SetDescription("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,9");
    EXPECT_STREQ(read.GetFaceName(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");  // 31 characters
    read.SetDescription("");
    EXPECT_TRUE(read.IsEmpty());
}

TEST(FontArchive, RecordLayoutAndStrikeOutThatIsNotStored) {
    CGXFont font;
    font.SetFaceName("Ab").SetWeight(700).SetItalic(true).SetStrikeOut(true);
    std::vector<BYTE> expected = {0x01, 0x00,              // schema
                                  0x00, 0x00, 0x00, 0x00,  // height
                                  0xBC, 0x02, 0x00, 0x00,  // weight 700
                                  0x01, 0x00, 0x00,        // italic, underline, pitch and family
                                  0x02, 'A',  'b',         // face
                                  0x2B, 0x00, 0x00, 0x00}; // weight, italic, strike-out, face
    std::vector<BYTE> bytes = Store(font);
    EXPECT_EQ(bytes, expected);
    CMemFile file(bytes.data(), bytes.size());
    CArchive ar(&file, CArchive::load);
    CGXFont read;
    read.Serialize(ar);
    EXPECT_TRUE(read.GetIncludeStrikeOut());
    EXPECT_EQ(read.GetLogFontRef().lfStrikeOut, 0);
    EXPECT_EQ(read.GetWeight(), 700);
    EXPECT_STREQ(read.GetFaceName(), "Ab");
}

TEST(FontArchive, UnknownSchemaAndTruncation) {
    std::vector<BYTE> bad = {0x02, 0x00};
    CMemFile file(bad.data(), bad.size());
    CArchive ar(&file, CArchive::load);
    CGXFont font;
    try {
        font.Serialize(ar);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
    CGXFont def;
    def.SetDefault();
    std::vector<BYTE> bytes = Store(def);
    bytes.resize(bytes.size() - 1);
    CMemFile cut(bytes.data(), bytes.size());
    CArchive ar2(&cut, CArchive::load);
    try {
        font.Serialize(ar2);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

TEST(FaceMap, InstalledFamiliesGiveTheirCharacterSet) {
    WORD w = 0;
    ASSERT_TRUE(GXGetFaceNameMap().Lookup("Liberation Sans", w));
    EXPECT_EQ(w >> 8, GX_TRUETYPE_FONTTYPE);
    EXPECT_EQ(GXGetFaceCharSet("Liberation Sans"), 0);
    EXPECT_EQ(GXGetFaceCharSet("No Such Face"), 0);
    CGXFont font;
    font.SetFaceName("Liberation Sans");
    EXPECT_EQ(font.GetLogFontRef().lfCharSet, 0);
}
