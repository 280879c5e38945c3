// The framework's pointer and 32-bit arrays and its list of pointers: bounds, growth, positions
// and the archive form of the 32-bit array.
#include <gtest/gtest.h>

#include "support/archive_bytes.h"
#include "platform/framework/collections.h"

using namespace test_archive;

namespace {
int g_a, g_b, g_c;
void* const pA = &g_a;
void* const pB = &g_b;
void* const pC = &g_c;

std::vector<void*> Items(const CPtrList& list) {
    std::vector<void*> v;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) v.push_back(list.GetNext(pos));
    return v;
}
}  // namespace

TEST(CollectionsTest, ABadIndexReadsEmptyAndWritesNothing) {
    CPtrArray a;
    a.Add(pA);
    EXPECT_EQ(a.GetAt(-1), nullptr);
    EXPECT_EQ(a.GetAt(1), nullptr);
    a.SetAt(1, pB);
    a.SetAt(-1, pB);
    EXPECT_EQ(a.GetSize(), 1);
    a.RemoveAt(5);
    a.RemoveAt(-1);
    a.InsertAt(-1, pB);
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], pA);
}

TEST(CollectionsTest, InsertBeyondTheEndGrowsWithEmptyEntries) {
    CPtrArray a;
    a.InsertAt(3, pA, 2);
    ASSERT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a[2], nullptr);
    EXPECT_EQ(a[3], pA);
    EXPECT_EQ(a[4], pA);
    a.InsertAt(0, pB);
    EXPECT_EQ(a[4], pA);
    EXPECT_EQ(a[0], pB);
    // Removing more than is there removes what is there.
    a.RemoveAt(2, 1000);
    EXPECT_EQ(a.GetSize(), 2);
    a.SetAtGrow(6, pC);
    EXPECT_EQ(a.GetSize(), 7);
    EXPECT_EQ(a.GetUpperBound(), 6);
    a.SetSize(-4);
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CollectionsTest, TheDWordArrayIsACountThenRawValues) {
    CDWordArray a;
    a.Add(0x11223344);
    a.Add(5);
    Bytes b = Store([&](CArchive& ar) { a.Serialize(ar); });
    EXPECT_EQ(b, (Bytes{2, 0, 0x44, 0x33, 0x22, 0x11, 5, 0, 0, 0}));
    CDWordArray read;
    read.Add(99);
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_EQ(read.GetSize(), 2);
    EXPECT_EQ(read[0], 0x11223344u);
    EXPECT_EQ(read[1], 5u);
}

TEST(CollectionsTest, ALongDWordArrayUsesTheWideCount) {
    CDWordArray a;
    a.SetSize(0xFFFF);
    a.SetAt(0xFFFE, 3);
    Bytes b = Store([&](CArchive& ar) { a.Serialize(ar); });
    ASSERT_EQ(b.size(), 6u + 4u * 0xFFFF);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
    CDWordArray read;
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_EQ(read.GetSize(), 0xFFFF);
    EXPECT_EQ(read[0xFFFE], 3u);
}

TEST(CollectionsTest, ADWordArrayCountBeyondTheDataIsRefusedBeforeAllocating) {
    auto read = [](CArchive& ar) {
        CDWordArray a;
        a.Serialize(ar);
    };
    EXPECT_EQ(CauseOf(Bytes{3, 0, 1, 0, 0, 0, 2, 0, 0, 0}, read), CArchiveException::endOfFile);
    Bytes huge{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 8; ++i) huge.push_back(0xFF);
    EXPECT_EQ(CauseOf(huge, read), CArchiveException::endOfFile);
    EXPECT_EQ(CauseOf(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, read), CArchiveException::endOfFile);
}

TEST(CollectionsTest, ListPositionsWalkBothWays) {
    CPtrList list(4);
    EXPECT_EQ(list.GetHead(), nullptr);
    EXPECT_EQ(list.RemoveHead(), nullptr);
    POSITION posB = list.AddTail(pB);
    list.AddHead(pA);
    list.AddTail(pC);
    EXPECT_EQ(Items(list), (std::vector<void*>{pA, pB, pC}));
    POSITION pos = list.GetTailPosition();
    EXPECT_EQ(list.GetPrev(pos), pC);
    EXPECT_EQ(list.GetPrev(pos), pB);
    EXPECT_EQ(list.GetPrev(pos), pA);
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(list.FindIndex(1), posB);
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.Find(pB), posB);
    EXPECT_EQ(list.Find(pB, posB), nullptr);
}

TEST(CollectionsTest, ListInsertionAndRemovalKeepHeadTailAndCount) {
    CPtrList list;
    POSITION posA = list.AddTail(pA);
    list.InsertBefore(posA, pB);
    list.InsertAfter(posA, pC);
    EXPECT_EQ(Items(list), (std::vector<void*>{pB, pA, pC}));
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(Items(list), (std::vector<void*>{pA}));
    EXPECT_EQ(list.GetHead(), pA);
    EXPECT_EQ(list.GetTail(), pA);
    list.InsertBefore(nullptr, pB);
    list.InsertAfter(nullptr, pC);
    EXPECT_EQ(Items(list), (std::vector<void*>{pB, pA, pC}));
    EXPECT_EQ(list.RemoveTail(), pC);
    EXPECT_EQ(list.RemoveHead(), pB);
    EXPECT_EQ(list.RemoveHead(), pA);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(pA);
    list.AddTail(&list);  // a list added to itself doubles once
    EXPECT_EQ(list.GetCount(), 2);
}
