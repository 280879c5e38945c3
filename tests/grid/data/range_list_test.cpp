// Range lists: ownership, finding cells, and the archive form with its damaged variants.
#include <gtest/gtest.h>

#include "support/archive_bytes.h"
#include "grid/data/range_list.h"

using namespace test_archive;

namespace {
CGXRangeList* ReadList(const Bytes& b) {
    auto* pList = new CGXRangeList;
    try {
        Load(b, [&](CArchive& ar) { pList->Serialize(ar); });
    } catch (...) {
        delete pList;
        throw;
    }
    return pList;
}
}  // namespace

TEST(RangeListTest, TheClassRecordIsNamedAndCreatable) {
    const CRuntimeClass* pClass = CRuntimeClass::FromName("CGXRangeList");
    ASSERT_EQ(pClass, RUNTIME_CLASS(CGXRangeList));
    EXPECT_EQ(pClass->m_wSchema, 1u);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CPtrList)));
    std::unique_ptr<CObject> p(pClass->CreateObject());
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CGXRangeList)));
    EXPECT_EQ(static_cast<CGXRangeList*>(p.get())->GetBlockSize(), 10);
}

TEST(RangeListTest, FindGivesTheFirstRangeInListOrder) {
    CGXRangeList list;
    POSITION pos1 = list.AddTail(new CGXRange(1, 1, 5, 5));
    POSITION pos2 = list.AddTail(new CGXRange(3, 3, 8, 8));
    EXPECT_EQ(list.FindRange(4, 4), pos1);
    EXPECT_EQ(list.FindRange(7, 7), pos2);
    EXPECT_EQ(list.FindRange(9, 9), nullptr);
    // Skipping the range that holds a cell leaves the others to answer.
    EXPECT_TRUE(list.IsCellInList(4, 4, pos1));
    EXPECT_FALSE(list.IsCellInList(2, 2, pos1));
    EXPECT_TRUE(list.IsCellInList(2, 2, nullptr));
    EXPECT_FALSE(list.IsCellInList(7, 7, pos2));
    list.DeleteAt(pos1);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.FindRange(2, 2), nullptr);
    list.DeleteAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(RangeListTest, OnlyValidRangesAreWritten) {
    CGXRangeList list;
    list.AddTail(new CGXRange(2, 3, 4, 5));
    auto* pInvalid = new CGXRange(9, 9, 9, 9);
    pInvalid->valid = 0;
    list.AddTail(pInvalid);
    Bytes b = Store([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(b, (Bytes{1, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0, 0, 1}));
    std::unique_ptr<CGXRangeList> pRead(ReadList(b));
    ASSERT_EQ(pRead->GetCount(), 1);
    EXPECT_EQ(*pRead->GetHead(), CGXRange(2, 3, 4, 5));
}

TEST(RangeListTest, ReadingAppendsInOrder) {
    CGXRangeList list;
    list.AddTail(new CGXRange(1, 1, 1, 2));
    list.AddTail(&(new CGXRange)->SetRows(3, 4));
    list.AddTail(&(new CGXRange)->SetTable());
    Bytes b = Store([&](CArchive& ar) { list.Serialize(ar); });
    CGXRangeList read;
    read.AddTail(new CGXRange(7, 7, 8, 8));
    Load(b, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_EQ(read.GetCount(), 4);
    POSITION pos = read.GetHeadPosition();
    EXPECT_EQ(*read.GetNext(pos), CGXRange(7, 7, 8, 8));
    for (POSITION posOrig = list.GetHeadPosition(); posOrig != nullptr;) EXPECT_EQ(*read.GetNext(pos), *list.GetNext(posOrig));
}

TEST(RangeListTest, AnEmptyListIsSchemaAndZero) {
    CGXRangeList list;
    EXPECT_EQ(Store([&](CArchive& ar) { list.Serialize(ar); }), (Bytes{1, 0, 0, 0, 0, 0}));
}

TEST(RangeListTest, DamagedListsRaiseTheArchiveExceptionAndKeepNothingHalfMade) {
    auto read = [](CArchive& ar) {
        CGXRangeList list;
        list.Serialize(ar);
    };
    EXPECT_EQ(CauseOf(Bytes{2, 0, 0, 0, 0, 0}, read), CArchiveException::badSchema);
    EXPECT_EQ(CauseOf(Bytes{0, 0, 0, 0, 0, 0}, read), CArchiveException::badSchema);
    // A count that the data cannot hold is refused before anything is made for it.
    EXPECT_EQ(CauseOf(Bytes{1, 0, 0xFF, 0xFF, 0xFF, 0xFF}, read), CArchiveException::endOfFile);
    Bytes two{1, 0};
    PutDWord(two, 2);
    for (int i = 0; i < 2; ++i) {
        for (DWORD v : {1u, 1u, 2u, 2u}) PutDWord(two, v);
        two.push_back(0);
        two.push_back(1);
    }
    EXPECT_EQ(CauseOf(two, read), -1);
    Bytes badKind = two;
    badKind.back() = 1;
    badKind[two.size() - 2] = 9;
    EXPECT_EQ(CauseOf(badKind, read), CArchiveException::genericException);
    for (size_t n = 0; n < two.size(); ++n)
        EXPECT_EQ(CauseOf(Bytes(two.begin(), two.begin() + static_cast<long>(n)), read), CArchiveException::endOfFile) << n;
}

TEST(RangeListTest, AListWrittenAsAnObjectReferenceComesBackAsOne) {
    CGXRangeList list;
    list.AddTail(new CGXRange(1, 2, 3, 4));
    Bytes b = Store([&](CArchive& ar) { ar << &list; });
    std::unique_ptr<CObject> p;
    Load(b, [&](CArchive& ar) { p.reset(ar.ReadObject(RUNTIME_CLASS(CGXRangeList))); });
    auto* pRead = dynamic_cast<CGXRangeList*>(p.get());
    ASSERT_NE(pRead, nullptr);
    EXPECT_EQ(*pRead->GetHead(), CGXRange(1, 2, 3, 4));
}
