// Random sequences of stores, inserts, removes, moves and count changes on a data store, each
// step checked against a map of (kind, row, column) to value and by the store's shape check.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>

#include "data_invariants.h"
#include "line_remap.h"

namespace {
// Kind 0 is a cell (r, c); kind 1 a row style (r, 0); kind 2 a column style or the table (0, c).
// A stored style without a value is "".
using Key = std::tuple<int, ROWCOL, ROWCOL>;

struct Model {
    ROWCOL nRows = 0, nCols = 0;
    std::map<Key, std::string> slots;

    // Every key whose row (bRows) or column coordinate is x goes where f sends it, or away.
    void Remap(bool bRows, const line_remap::Map& f) {
        std::map<Key, std::string> out;
        for (auto& [key, v] : slots) {
            auto [kind, r, c] = key;
            ROWCOL& x = bRows ? r : c;
            if (kind != (bRows ? 2 : 1)) {
                std::optional<line_remap::Line> to = f(x);
                if (!to) continue;
                x = static_cast<ROWCOL>(*to);
            }
            out[{kind, r, c}] = v;
        }
        slots.swap(out);
    }
    void Insert(bool bRows, ROWCOL at, ROWCOL n) {
        Remap(bRows, line_remap::Insert(at, n));
        (bRows ? nRows : nCols) += n;
    }
    // The count goes down by the counted lines of the block.
    void Remove(bool bRows, ROWCOL from, ROWCOL to) {
        Remap(bRows, line_remap::Remove(from, to));
        ROWCOL& count = bRows ? nRows : nCols;
        const ROWCOL lo = std::max<ROWCOL>(from, 1), hi = std::min(to, count);
        if (lo <= hi) count -= hi - lo + 1;
    }
    void Store(const Key& key, const char* psz, ModifyMode mode) {
        auto it = slots.find(key);
        if (psz == nullptr) {
            if (it != slots.end()) slots.erase(it);
        } else if (it == slots.end()) {
            if (mode != ModifyMode::Exclude) slots[key] = psz;
        } else if (mode == ModifyMode::Exclude) {
            it->second.clear();
        } else if (mode != ModifyMode::ApplyNew || it->second.empty()) {
            it->second = psz;
        }
        nRows = std::max(nRows, std::get<1>(key));
        nCols = std::max(nCols, std::get<2>(key));
    }
};

::testing::AssertionResult SameAsModel(const CGXData& data, const Model& m) {
    if (auto r = StoreIsSound(data); !r) return r;
    if (data.GetRowCount() != m.nRows || data.GetColCount() != m.nCols)
        return ::testing::AssertionFailure() << "counts " << data.GetRowCount() << "x" << data.GetColCount() << ", model "
                                             << m.nRows << "x" << m.nCols;
    size_t nStored = 0;
    data.GetRowStyles().ForEach([&](int, const CGXStyle*) { ++nStored; });
    data.GetColStyles().ForEach([&](int, const CGXStyle*) { ++nStored; });
    data.GetCells().ForEach([&](int, const CGXStylePtrArray* p) { p->ForEach([&](int, const CGXStyle*) { ++nStored; }); });
    if (nStored != m.slots.size()) return ::testing::AssertionFailure() << nStored << " styles, model " << m.slots.size();
    for (auto& [key, v] : m.slots) {
        auto [kind, r, c] = key;
        CGXStyle s;
        if (!data.LookupStyle(r, c, s, ModifyMode::Copy, kind == 0 ? 0 : -1) || std::string(s.GetValue().GetString()) != v)
            return ::testing::AssertionFailure() << "slot " << kind << ":" << r << "," << c << " should hold '" << v << "'";
    }
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(DataModelTest, RandomChangesFollowTheModel) {
    std::mt19937 rng(1206);
    auto pick = [&](ROWCOL n) { return static_cast<ROWCOL>(rng() % n); };
    const char* values[] = {"a", "b", "c", "d"};
    const ModifyMode modes[] = {ModifyMode::Override, ModifyMode::ApplyNew, ModifyMode::Copy, ModifyMode::Exclude};
    for (int nRound = 0; nRound < 3; ++nRound) {
        CGXData data;
        Model m;
        const ROWCOL nSpan = 12 + 20 * static_cast<ROWCOL>(nRound);
        for (int nStep = 0; nStep < 1500; ++nStep) {
            const bool bRows = pick(2) == 0;
            const ROWCOL count = bRows ? m.nRows : m.nCols;
            const ROWCOL a = 1 + pick(nSpan), n = 1 + pick(4);
            const ROWCOL op = pick(12);
            if (op <= 5) {
                const int kind = std::max(0, static_cast<int>(pick(6)) - 3);  // cells mostly
                const ROWCOL r = kind == 2 ? 0 : pick(nSpan) + (kind == 1 ? 1 : 0);
                const ROWCOL c = kind == 1 ? 0 : pick(nSpan);
                const ModifyMode mode = modes[pick(4)];
                const char* psz = pick(8) == 0 ? nullptr : values[pick(4)];
                CGXStyle style;
                if (psz != nullptr) style.SetValue(psz);
                ASSERT_TRUE(data.StoreStyle(r, c, psz != nullptr ? &style : nullptr, mode, kind == 0 ? 0 : -1));
                m.Store({kind, r, c}, psz, mode);
            } else if (op == 6) {
                ASSERT_TRUE(bRows ? data.InsertRows(a, n) : data.InsertCols(a, n));
                m.Insert(bRows, a, n);
            } else if (op == 7) {
                ASSERT_TRUE(bRows ? data.RemoveRows(a, a + n - 1) : data.RemoveCols(a, a + n - 1));
                m.Remove(bRows, a, a + n - 1);
            } else if (op <= 9) {
                // Moves stay within the counts, as the grid asks for them.
                if (count < n + 1) continue;
                const ROWCOL from = 1 + pick(count - n + 1), dest = 1 + pick(count - n + 1);
                ASSERT_TRUE(bRows ? data.MoveRows(from, from + n - 1, dest) : data.MoveCols(from, from + n - 1, dest));
                m.Remap(bRows, line_remap::Move(from, from + n - 1, dest));
            } else {
                const ROWCOL nNew = pick(4) == 0 ? pick(nSpan + 4) : count + pick(4);
                ASSERT_TRUE(bRows ? data.SetRowCount(nNew) : data.SetColCount(nNew));
                if (nNew < count) m.Remove(bRows, nNew + 1, count);
                else m.Insert(bRows, count + 1, nNew - count);
            }
            ASSERT_TRUE(SameAsModel(data, m)) << "round " << nRound << ", step " << nStep;
        }
        CGXData copy;
        copy.Assign(data);
        ASSERT_TRUE(SameAsModel(copy, m));
    }
}
