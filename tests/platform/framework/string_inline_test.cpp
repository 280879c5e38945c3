// CString showing a text that another object keeps inline: the string reads it, never frees it,
// and copies it to a heap block of its own before anything makes it longer.
#include <gtest/gtest.h>

#include "platform/framework/cstring.h"

namespace {
struct Owner {
    CString str;
    CString::InlineText<8> text;
    explicit Owner(const char* psz) {
        text.Set(psz, static_cast<int>(std::strlen(psz)));
        str.ShowInline(text);
    }
};
}  // namespace

TEST(StringInlineText, ReadsTheOwnersTextWithoutOwningIt) {
    Owner o("abc");
    EXPECT_EQ(o.str, "abc");
    EXPECT_EQ(o.str.GetLength(), 3);
    EXPECT_EQ(o.str.GetAllocLength(), 0);
    o.text.Set("xy", 2);
    EXPECT_EQ(o.str, "xy");
    const CString copy(o.str);
    EXPECT_NE(copy.GetString(), o.str.GetString());
    EXPECT_EQ(copy, "xy");
}

TEST(StringInlineText, GrowingOrEmptyingLetsGoOfTheOwnersText) {
    Owner appended("abc"), buffered("abc"), emptied("abc");
    appended.str += "defghijkl";
    EXPECT_EQ(appended.str, "abcdefghijkl");
    char* p = buffered.str.GetBuffer(10);
    EXPECT_STREQ(p, "abc");
    buffered.str.ReleaseBuffer(2);
    EXPECT_EQ(buffered.str, "ab");
    emptied.str.Empty();
    EXPECT_TRUE(emptied.str.IsEmpty());
    for (const Owner* o : {&appended, &buffered, &emptied}) EXPECT_STREQ(o->text.ach, "abc");
}
