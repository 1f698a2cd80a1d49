#include "output/ColumnWidths.h"

#include <gtest/gtest.h>

namespace aw {

TEST(ColumnWidths, NumbersKeepTheirWidthAndTextColumnsShareTheRest)
{
    // Room to spare: every column grows in proportion.
    EXPECT_EQ(FitColumnWidths({10, 20, 30}, {false, true, false}, 120), (std::vector<int>{20, 40, 60}));
    // Too wide: the number keeps its 40, the short texts theirs, the long one takes what is left.
    EXPECT_EQ(FitColumnWidths({100, 40, 300, 20}, {false, true, false, false}, 300),
              (std::vector<int>{100, 40, 140, 20}));
    // Two long texts split what is left evenly, to the last point.
    EXPECT_EQ(FitColumnWidths({500, 40, 500}, {false, true, false}, 141), (std::vector<int>{51, 40, 50}));
    // The numbers alone overflow: everything is cut in proportion.
    EXPECT_EQ(FitColumnWidths({10, 500}, {false, true}, 102), (std::vector<int>{2, 100}));
}

} // namespace aw
