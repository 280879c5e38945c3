#include <gtest/gtest.h>

#include <string>

#include "platform/framework/cstring.h"
#include "platform/framework/string_array.h"

TEST(CStringFormat, FollowsCPrintfForTheGeneratorsFormats) {
    CString s;
    // %04hX prints only the low 16 bits, with leading zeros, in upper case.
    s.Format("0x%04hX", static_cast<unsigned short>(0x12345u & 0xFFFF));
    EXPECT_EQ(s, "0x2345");
    s.Format("%04hX|%d|%s|%-3s|", static_cast<unsigned short>(0xabc), -42, "txt", "a");
    EXPECT_EQ(s, "0ABC|-42|txt|a  |");
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringFormat, LongResultsAndAppending) {
    std::string big(1000, 'x');
    CString s;
    s.Format("[%s]", big.c_str());
    ASSERT_EQ(s.GetLength(), 1002);
    EXPECT_EQ(s.view(), "[" + big + "]");
    s.AppendFormat("%d", 7);
    EXPECT_EQ(s.Right(2), "]7");
    // Formatting a string into itself reads the old content before it is replaced.
    CString t("abc");
    t.Format("%s-%s", CString(t).GetString(), "d");
    EXPECT_EQ(t, "abc-d");
}

TEST(CStringBasics, EmptyStringsShareOneBufferAndAllocateNothing) {
    CString a, b;
    EXPECT_EQ(a.GetString(), b.GetString());
    EXPECT_EQ(a.GetAllocLength(), 0);
    CString c(static_cast<const char*>(nullptr));
    EXPECT_TRUE(c.IsEmpty());
    a = "x";
    a.Empty();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_STREQ(a.GetString(), "");
}

TEST(CStringBasics, CopiesAreIndependentAndMovesLeaveEmpty) {
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
}

TEST(CStringBasics, EmbeddedNulsSurviveCopyAndCompare) {
    CString a("a\0b", 3);
    EXPECT_EQ(a.GetLength(), 3);
    CString b(a);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, CString("a"));
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
    CString s("abcdef");
    EXPECT_EQ(s.Mid(4), "ef");
    EXPECT_EQ(s.Mid(-3, 2), "ab");
    EXPECT_EQ(s.Mid(10), "");
    EXPECT_EQ(s.Mid(2, 100), "cdef");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(100), "abcdef");
    EXPECT_EQ(s.GetAt(6), '\0');
    EXPECT_EQ(s.GetAt(-1), '\0');
    s.SetAt(99, 'z');
    EXPECT_EQ(s, "abcdef");
    EXPECT_EQ(s.Delete(4, 100), 4);
    EXPECT_EQ(s, "abcd");
    s.Insert(100, "!");
    s.Insert(-5, '>');
    EXPECT_EQ(s, ">abcd!");
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
    EXPECT_EQ(s.Find('='), 4);
    EXPECT_EQ(s.Find("val"), 6);
    EXPECT_EQ(s.Find("val", 7), -1);
    EXPECT_EQ(s.Find('k', 50), -1);
    EXPECT_EQ(s.ReverseFind('e'), 10);
    EXPECT_EQ(s.Replace(" ", ""), 2);
    EXPECT_EQ(s, "key=value");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('e'), 2);
    EXPECT_EQ(s, "ky=valu");
    CString t("xxabxx");
    t.TrimLeft('x').TrimRight('x');
    EXPECT_EQ(t, "ab");
    EXPECT_EQ(CString("a,b;c").SpanExcluding(",;"), "a");
    EXPECT_EQ(CString("123abc").SpanIncluding("0123456789"), "123");
}

TEST(CStringCompare, OrderAndCase) {
    EXPECT_LT(CString("abc"), CString("abd"));
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_NE(CString("ABC").Compare("abc"), 0);
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE("x" == CString("x"));
    EXPECT_EQ(CString("Hello").MakeUpper(), "HELLO");
    EXPECT_EQ(CString("ab" ) + 'c' + CString("d") + "e", "abcde");
}

TEST(CStringBuffer, GetBufferAndRelease) {
    CString s("ab");
    char* p = s.GetBuffer(10);
    p[2] = 'c';
    p[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "abc");
    p = s.GetBufferSetLength(5);
    p[3] = 'd';
    p[4] = 'e';
    s.ReleaseBuffer(5);
    EXPECT_EQ(s, "abcde");
    s.ReleaseBuffer(1000);  // never beyond the room that is there
    EXPECT_LE(s.GetLength(), s.GetAllocLength());
}

TEST(CStringArrayTest, BadIndicesTouchNothing) {
    CStringArray a;
    a.Add("one");
    a.Add("two");
    EXPECT_EQ(a.GetAt(5), "");
    EXPECT_EQ(a.GetAt(-1), "");
    a.SetAt(7, "x");
    EXPECT_EQ(a.GetSize(), 2);
    a.InsertAt(1, "between");
    EXPECT_EQ(a[1], "between");
    a.RemoveAt(0, 100);
    EXPECT_EQ(a.GetSize(), 0);
    a.SetAtGrow(2, "z");
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[2], "z");
    EXPECT_THROW(a.ElementAt(3), std::out_of_range);
}
