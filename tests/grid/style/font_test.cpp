// CGXFont: merging, subset test, sizes on the screen, text and archive forms, the face map.
#include <gtest/gtest.h>

#include "grid/style/face_map.h"
#include "grid/style/font.h"
#include "platform/win/sys_colors.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
struct DpiGuard {
    explicit DpiGuard(int dpi) { SetScreenDpi(dpi); }
    ~DpiGuard() { SetScreenDpi(96); }
};
}  // namespace

TEST(FontMerge, EachModeTakesWhatItShould) {
    CGXFont target;
    target.SetFaceName("Arial");
    CGXFont bold;
    bold.SetFaceName("Times New Roman").SetBold(true);
    target.ChangeFont(bold, ModifyMode::ApplyNew);  // fills only what is missing
    EXPECT_STREQ(target.GetFaceName(), "Arial");
    EXPECT_EQ(target.GetWeight(), 700);
    EXPECT_EQ(target.GetIncludeFlags(), CGXFont::incFaceName | CGXFont::incWeight);
    target.ChangeFont(bold, ModifyMode::Override);
    EXPECT_STREQ(target.GetFaceName(), "Times New Roman");
    // Exclude removes the presence only, whatever the values; a copy starts empty.
    CGXFont font;
    font.SetDefault();
    font.ChangeFont(CGXFont().SetSize(20), ModifyMode::Exclude);
    EXPECT_EQ(font.GetIncludeFlags(), CGXFont::incAll & ~CGXFont::incSize);
    font.ChangeFont(CGXFont().SetItalic(true), ModifyMode::Copy);
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

TEST(FontArchive, RecordLayoutStrikeOutThatIsNotStoredAndDamage) {
    CGXFont font;
    font.SetFaceName("Ab").SetWeight(700).SetItalic(true).SetStrikeOut(true);
    const Bytes bytes = Store([&](CArchive& ar) { font.Serialize(ar); });
    EXPECT_EQ(bytes, Hex("0100 00000000 BC020000"  // schema, height, weight 700
                         "01 00 00 02'Ab'"         // italic, underline, pitch and family, face
                         "2B000000"));             // included: weight, italic, strike-out, face
    CGXFont read;
    Load(bytes, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_TRUE(read.GetIncludeStrikeOut());
    EXPECT_EQ(read.GetLogFontRef().lfStrikeOut, 0);
    EXPECT_EQ(read.GetWeight(), 700);
    EXPECT_STREQ(read.GetFaceName(), "Ab");
    auto reader = [](CArchive& ar) { CGXFont().Serialize(ar); };
    EXPECT_EQ(CauseOf(Hex("0200"), reader), CArchiveException::badSchema);
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(n)), reader), CArchiveException::endOfFile) << n;
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
