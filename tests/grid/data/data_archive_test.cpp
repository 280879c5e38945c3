// The data store's archive form: exact bytes of a small store, round trips, and damaged data
// raising only the archive exception and leaving the store as it was.
#include <gtest/gtest.h>

#include "data_invariants.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
// Cell (1, 2) holds "ab", row 1's base style the given record.
Bytes SmallStore(const char* pszRowStyle = "0180 0300 00040000 01'r' 0000 0000") {
    return Hex(std::string("0100 01000000 02000000")  // schema 1, one row, two columns
               + "0100 02000000 01000000"             // cells: schema, length 2, row 1's array,
               + "0100 03000000 02000000"             //   of length 3 with column 2:
               + "FFFF 0000 0800 'CGXStyle'"          //   a new class of schema 0 and its name,
               + "0300 00040000 02'ab' 0000 0000"     //   a style holding only the value "ab",
               + "FFFFFFFF FFFFFFFF"                  //   the ends of row 1's array and the cells
               + "0100 02000000 01000000"             // row styles: length 2, row 1:
               + pszRowStyle                          //   by default another style, holding "r"
               + "FFFFFFFF 0100 00000000 FFFFFFFF");  // no column styles
}

auto Reader(CGXData& data) {
    return [&data](CArchive& ar) { data.Serialize(ar); };
}
}  // namespace

TEST(DataArchiveTest, SmallStoresAreWrittenExactly) {
    CGXData data;
    data.StoreStyle(1, 2, Valued("ab"), ModifyMode::Override);
    data.StoreStyle(1, 0, Valued("r"), ModifyMode::Override, -1);
    EXPECT_EQ(Store([&](CArchive& ar) { data.Serialize(ar); }), SmallStore());
    EXPECT_EQ(Store([](CArchive& ar) { CGXData().Serialize(ar); }),
              Hex("0100 00000000 00000000  0100 00000000 FFFFFFFF  0100 00000000 FFFFFFFF  0100 00000000 FFFFFFFF"));
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
    // Row 1's base style refers back to the cell's style (object 2) instead of a new one.
    CGXData data;
    Load(SmallStore("0200"), Reader(data));
    ASSERT_TRUE(StoreIsSound(data));
    ASSERT_NE(data.GetStoredStyle(1, 0, -1), nullptr);
    EXPECT_EQ(data.GetStoredStyle(1, 0, -1)->GetValue(), "ab");
}
