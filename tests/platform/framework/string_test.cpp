// Framework strings: formatting as the generators use it, copies, growth, clamped edits, aliased
// sources, the string array's bad indices, and a string showing a text that another object keeps
// inline (read, never freed, copied to a heap block of its own before anything makes it longer).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/framework/cstring.h"
#include "platform/framework/string_array.h"

TEST(CStringFormat, FollowsCPrintfForTheGeneratorsFormatsAtAnyLength) {
    CString s;
    // %04hX prints only the low 16 bits, with leading zeros, in upper case.
    s.Format("0x%04hX", static_cast<unsigned short>(0x12345u & 0xFFFF));
    EXPECT_EQ(s, "0x2345");
    s.Format("%04hX|%d|%s|%-3s|", static_cast<unsigned short>(0xabc), -42, "txt", "a");
    EXPECT_EQ(s, "0ABC|-42|txt|a  |");
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    // A long result, and appending to it.
    std::string big(1000, 'x');
    s.Format("[%s]", big.c_str());
    EXPECT_EQ(s.view(), "[" + big + "]");
    s.AppendFormat("%d", 7);
    EXPECT_EQ(s.Right(2), "]7");
    // Formatting a string into itself reads the old content before it is replaced.
    CString t("abc");
    t.Format("%s-%s", CString(t).GetString(), "d");
    EXPECT_EQ(t, "abc-d");
}

TEST(CStringBasics, CopiesAreIndependentMovesLeaveEmptyAndNulsSurvive) {
    CString a("hello");
    CString b(a);
    b.SetAt(0, 'j');
    EXPECT_EQ(a, "hello");
    EXPECT_EQ(b, "jello");
    CString c(std::move(b));
    EXPECT_EQ(c, "jello");
    EXPECT_TRUE(b.IsEmpty());  // NOLINT(bugprone-use-after-move): moved-from is defined as empty
    CString& alias = a;  // self-assignment through a reference, as containers do it
    a = alias;
    EXPECT_EQ(a, "hello");
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    CString nul("a\0b", 3);
    EXPECT_EQ(nul.GetLength(), 3);
    EXPECT_EQ(CString(nul), nul);
    EXPECT_NE(nul, CString("a"));
}

TEST(CStringBasics, GrowingKeepsTheContent) {
    // Appending moves the buffer many times over; every character must survive each move.
    CString s;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        char ch = static_cast<char>('a' + i % 26);
        s += ch;
        expected += ch;
        if (i % 7 == 0) {
            s.AppendFormat("%d", i);
            expected += std::to_string(i);
        }
    }
    EXPECT_EQ(s.view(), expected);
    EXPECT_EQ(s.GetLength(), static_cast<int>(expected.size()));
}

TEST(CStringEdit, OutOfRangePositionsAreClamped) {
    const CString s("abcdef");
    const struct { CString got; const char* expected; } cases[] = {
        {s.Mid(4), "ef"},   {s.Mid(-3, 2), "ab"}, {s.Mid(10), ""},
        {s.Mid(2, 100), "cdef"}, {s.Left(-1), ""}, {s.Right(100), "abcdef"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
    EXPECT_EQ(s.GetAt(6), '\0');
    EXPECT_EQ(s.GetAt(-1), '\0');
    CString e = s;
    e.SetAt(99, 'z');
    EXPECT_EQ(e, "abcdef");
    EXPECT_EQ(e.Delete(4, 100), 4);
    e.Insert(100, "!");
    e.Insert(-5, '>');
    EXPECT_EQ(e, ">abcd!");
    char* p = e.GetBuffer(10);
    p[6] = '?';
    p[7] = '\0';
    e.ReleaseBuffer();  // up to the first nul
    EXPECT_EQ(e, ">abcd!?");
    e.GetBuffer(10);
    e.ReleaseBuffer(1000);  // never beyond the room that is there
    EXPECT_LE(e.GetLength(), e.GetAllocLength());
}

TEST(CStringEdit, AliasedSourcesAreReadBeforeTheBufferChanges) {
    CString s("abc");
    s += s;
    EXPECT_EQ(s, "abcabc");
    s = s.Mid(1, 3);
    EXPECT_EQ(s, "bca");
    s.Insert(1, s.GetString());
    EXPECT_EQ(s, "bbcaca");
    for (int i = 0; i < 10; ++i) s.Append(s.GetString(), 2);
    EXPECT_EQ(s.GetLength(), 26);
}

TEST(CStringEdit, TrimFindReplace) {
    CString s("  \t key = value \r\n");
    s.Trim();
    EXPECT_EQ(s, "key = value");
    EXPECT_EQ(s.Find("val"), 6);
    EXPECT_EQ(s.Find("val", 7), -1);
    EXPECT_EQ(s.Find('k', 50), -1);
    EXPECT_EQ(s.ReverseFind('e'), 10);
    EXPECT_EQ(s.Replace(" ", ""), 2);
    EXPECT_EQ(s, "key=value");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('e'), 2);
    EXPECT_EQ(s, "ky=valu");
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_LT(CString("abc"), CString("abd"));
    EXPECT_EQ(CString("Hello").MakeUpper(), "HELLO");
    EXPECT_EQ(CString("a,b;c").SpanExcluding(",;"), "a");
    EXPECT_EQ(CString("123abc").SpanIncluding("0123456789"), "123");
}

TEST(CStringArrayTest, BadIndicesTouchNothing) {
    CStringArray a;
    a.Add("one");
    a.Add("two");
    EXPECT_EQ(a.GetAt(5), "");
    EXPECT_EQ(a.GetAt(-1), "");
    a.SetAt(7, "x");
    EXPECT_EQ(a.GetSize(), 2);
    a.RemoveAt(0, 100);
    EXPECT_EQ(a.GetSize(), 0);
    a.SetAtGrow(2, "z");
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[2], "z");
    EXPECT_THROW(a.ElementAt(3), std::out_of_range);
}

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
