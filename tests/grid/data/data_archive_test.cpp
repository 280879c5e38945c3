// The data store's archive form: exact bytes of a small store, round trips, and damaged data
// raising only the archive exception and leaving the store as it was.
#include <gtest/gtest.h>

#include "data_invariants.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
CGXStyle Valued(const char* psz) {
    CGXStyle s;
    s.SetValue(psz);
    return s;
}

void PutText(Bytes& b, const char* psz) {
    b.push_back(static_cast<BYTE>(std::strlen(psz)));
    b.insert(b.end(), psz, psz + std::strlen(psz));
}
// A style holding only a value: schema 3, flags, the value, no borders, no user attributes.
void PutValueStyle(Bytes& b, const char* psz) {
    PutWord(b, 3);
    PutDWord(b, CGXStyle::exValue);
    PutText(b, psz);
    PutWord(b, 0);
    PutWord(b, 0);
}
void PutEmptyArray(Bytes& b) {
    PutWord(b, 1);
    PutDWord(b, 0);
    PutDWord(b, 0xFFFFFFFF);
}

// Cell (1, 2) holds "ab", row 1's base style "r".
Bytes SmallStore() {
    Bytes b;
    PutWord(b, 1);
    PutDWord(b, 1);
    PutDWord(b, 2);
    // cells: row 1's array holding column 2
    PutWord(b, 1);
    PutDWord(b, 2);
    PutDWord(b, 1);
    PutWord(b, 1);
    PutDWord(b, 3);
    PutDWord(b, 2);
    PutWord(b, 0xFFFF);  // new class CGXStyle, schema 0
    PutWord(b, 0);
    PutWord(b, 8);
    PutText(b, "CGXStyle");
    b.erase(b.end() - 9);  // the class name has a 16-bit length, not a string prefix
    PutValueStyle(b, "ab");
    PutDWord(b, 0xFFFFFFFF);
    PutDWord(b, 0xFFFFFFFF);
    // row styles: row 1
    PutWord(b, 1);
    PutDWord(b, 2);
    PutDWord(b, 1);
    PutWord(b, 0x8001);  // another object of class 1
    PutValueStyle(b, "r");
    PutDWord(b, 0xFFFFFFFF);
    PutEmptyArray(b);
    return b;
}

auto Reader(CGXData& data) {
    return [&data](CArchive& ar) { data.Serialize(ar); };
}
}  // namespace

TEST(DataArchiveTest, ASmallStoreIsWrittenExactly) {
    CGXData data;
    data.StoreStyle(1, 2, Valued("ab"), ModifyMode::Override);
    data.StoreStyle(1, 0, Valued("r"), ModifyMode::Override, -1);
    EXPECT_EQ(Store([&](CArchive& ar) { data.Serialize(ar); }), SmallStore());
    CGXData empty;
    Bytes b;
    PutWord(b, 1);
    PutDWord(b, 0);
    PutDWord(b, 0);
    for (int i = 0; i < 3; ++i) PutEmptyArray(b);
    EXPECT_EQ(Store([&](CArchive& ar) { empty.Serialize(ar); }), b);
}

TEST(DataArchiveTest, AStoreRoundTripsExactly) {
    CGXData data;
    for (ROWCOL r = 1; r <= 40; r += 3)
        for (ROWCOL c = 1; c <= 6; c += r % 4 + 1) data.StoreStyle(r, c, Valued("v"), ModifyMode::Override);
    data.StoreStyle(0, 4, Valued("col"), ModifyMode::Override, -1);
    data.StoreStyle(0, 0, Valued("table"), ModifyMode::Override, -1);
    data.StoreStyle(900000000, 1, Valued("far"), ModifyMode::Override);
    data.SetColCount(1000);
    const Bytes b = Store([&](CArchive& ar) { ar << &data; });
    std::unique_ptr<CObject> p;
    Load(b, [&](CArchive& ar) { p.reset(ar.ReadObject(RUNTIME_CLASS(CGXData))); });
    auto* pRead = dynamic_cast<CGXData*>(p.get());
    ASSERT_NE(pRead, nullptr);
    ASSERT_TRUE(StoreIsSound(*pRead));
    EXPECT_EQ(pRead->GetRowCount(), 900000000u);
    EXPECT_EQ(pRead->GetColCount(), 1000u);
    EXPECT_EQ(Store([&](CArchive& ar) { ar << pRead; }), b);
}

TEST(DataArchiveTest, DamagedArchivesRaiseOnlyTheArchiveExceptionAndChangeNothing) {
    const Bytes good = SmallStore();
    CGXData data;
    data.StoreStyle(5, 5, Valued("kept"), ModifyMode::Override);
    auto unchanged = [&] {
        return data.GetRowCount() == 5 && data.GetColCount() == 5 && data.GetStoredStyle(5, 5) != nullptr &&
               data.GetStoredStyle(5, 5)->GetValue() == "kept" && StoreIsSound(data);
    };
    for (size_t n = 0; n < good.size(); ++n) {
        ASSERT_EQ(CauseOf(Bytes(good.begin(), good.begin() + static_cast<long>(n)), Reader(data)),
                  CArchiveException::endOfFile)
            << n;
        ASSERT_TRUE(unchanged()) << n;
    }
    // The store's schema, the cells array's and a row array's.
    for (size_t nAt : {0u, 10u, 20u}) {
        Bytes b = good;
        b[nAt] = 2;
        EXPECT_EQ(CauseOf(b, Reader(data)), CArchiveException::badSchema) << nAt;
    }
    // A huge length, an index outside the length, indexes out of order.
    Bytes huge = good;
    huge[15] = 0xF0;
    EXPECT_EQ(CauseOf(huge, Reader(data)), CArchiveException::genericException);
    Bytes outside = good;
    outside[16] = 2;
    EXPECT_EQ(CauseOf(outside, Reader(data)), CArchiveException::genericException);
    EXPECT_TRUE(unchanged());
}

TEST(DataArchiveTest, AReferenceBackToAStyleGetsItsOwnCopy) {
    Bytes b = SmallStore();
    // Row 1's base style refers back to the cell's style (object index 2) instead of a new one.
    const size_t nAt = b.size() - 10 - 4 - 12 - 2;
    ASSERT_EQ(b[nAt], 0x01);
    ASSERT_EQ(b[nAt + 1], 0x80);
    b.erase(b.begin() + static_cast<long>(nAt) + 2, b.begin() + static_cast<long>(nAt) + 14);
    b[nAt] = 2;
    b[nAt + 1] = 0;
    CGXData data;
    Load(b, Reader(data));
    ASSERT_TRUE(StoreIsSound(data));
    ASSERT_NE(data.GetStoredStyle(1, 0, -1), nullptr);
    EXPECT_EQ(data.GetStoredStyle(1, 0, -1)->GetValue(), "ab");
}
