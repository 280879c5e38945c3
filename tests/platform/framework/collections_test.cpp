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
    // Short arrays with their word count, and one long enough for the escaped wide count.
    const struct { int size; Bytes count; } cases[] = {
        {2, {2, 0}}, {0xFFFE, {0xFE, 0xFF}}, {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        CDWordArray a;
        a.SetSize(c.size);
        a.SetAt(0, 0x11223344);
        a.SetAt(c.size - 1, 5);
        Bytes b = Store([&](CArchive& ar) { a.Serialize(ar); });
        Bytes head = c.count;
        head.insert(head.end(), {0x44, 0x33, 0x22, 0x11});
        ASSERT_EQ(b.size(), c.count.size() + 4u * static_cast<size_t>(c.size));
        EXPECT_EQ(Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(head.size())), head);
        EXPECT_EQ(Bytes(b.end() - 4, b.end()), (Bytes{5, 0, 0, 0}));
        CDWordArray read;
        read.Add(99);
        Load(b, [&](CArchive& ar) { read.Serialize(ar); });
        ASSERT_EQ(read.GetSize(), c.size);
        EXPECT_EQ(read[0], 0x11223344u);
        EXPECT_EQ(read[c.size - 1], 5u);
    }
}

TEST(CollectionsTest, ADWordArrayCountBeyondTheDataIsRefusedBeforeAllocating) {
    auto read = [](CArchive& ar) {
        CDWordArray a;
        a.Serialize(ar);
    };
    EXPECT_EQ(CauseOf(Bytes{3, 0, 1, 0, 0, 0, 2, 0, 0, 0}, read), CArchiveException::endOfFile);
    EXPECT_EQ(CauseOf(Bytes(14, 0xFF), read), CArchiveException::endOfFile);
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
    std::vector<void*> back;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;) back.push_back(list.GetPrev(pos));
    EXPECT_EQ(back, (std::vector<void*>{pC, pB, pA}));
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
    EXPECT_EQ(list.GetTail(), pA);
    list.InsertBefore(nullptr, pB);
    list.InsertAfter(nullptr, pC);
    EXPECT_EQ(Items(list), (std::vector<void*>{pB, pA, pC}));
    EXPECT_EQ(list.RemoveTail(), pC);
    EXPECT_EQ(list.RemoveHead(), pB);
    EXPECT_EQ(list.RemoveHead(), pA);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(pA);
    list.AddTail(&list);  // a list added to itself doubles once
    EXPECT_EQ(list.GetCount(), 2);
}
