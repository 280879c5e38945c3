#pragma once
// A grid core as a grid makes itself: its own parameters, styles map (standard styles), properties
// and data store, with the host's resources registered and a grid area of its own.
#include <gtest/gtest.h>

#include <ostream>

#include "grid/core/grid_core.h"
#include "host/resources/host_resources.h"

// Rectangles print as their four coordinates.
inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace core_test {

inline void RegisterHost() { host_resources::RegisterForProcess(); }

// A core whose base character is 15 by 10 pixels whatever fonts the machine has, so that the
// default row is 18 and the default column 100 pixels.
struct TestGrid : CGXGridCore {
    int nBaseHeight = 15;
    int nBaseWidth = 10;
    void UpdateFontMetrics() override {
        m_nBaseCharHeight = nBaseHeight;
        m_nBaseCharWidth = nBaseWidth;
        ResetLastVisibleCaches();
    }
    using CGXGridCore::m_bCurrentCell;
    using CGXGridCore::m_nCurrentCol;
    using CGXGridCore::m_nCurrentRow;
};

// An initialised TestGrid with a 400 by 300 grid area.
struct CoreFixture : ::testing::Test {
    TestGrid grid;

    void SetUp() override {
        RegisterHost();
        grid.Initialize();
        grid.SetGridRect(CRect(0, 0, 400, 300));
    }
    void SetSize(ROWCOL nRows, ROWCOL nCols) {
        grid.GetData()->SetRowCount(nRows);
        grid.GetData()->SetColCount(nCols);
    }
};

}  // namespace core_test
