#include "base/ExtendedMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace aw {

TEST(ExtendedMath, ProductsAreFormedInExtendedPrecisionWithExtendedFactors)
{
    // 1.1 held as an extended value makes 100 x 1.1 exactly 110; a double product would not.
    ASSERT_NE(100.0 * 1.1, 110.0);
    EXPECT_EQ(MultiplyExtended(100.0, 1.1L), 110.0);
    EXPECT_EQ(MultiplyExtended(37.5, 0.9L), 33.75);
    EXPECT_EQ(MultiplyExtended(7.0, 0), 0.0);
}

TEST(ExtendedMath, ConversionsSaturateAtTheRangeEnds)
{
    EXPECT_EQ(SaturateInt32(int64_t{1} << 40), INT32_MAX);
    EXPECT_EQ(SaturateInt32(-(int64_t{1} << 40)), INT32_MIN);
    EXPECT_EQ(SaturateInt32(int64_t{INT32_MIN}), INT32_MIN);
    EXPECT_EQ(SaturateInt32(-17), -17);
    EXPECT_EQ(TruncToInt64(-2.7), -2);
    EXPECT_EQ(TruncToInt64(std::nan("")), 0);
    EXPECT_EQ(TruncToInt64(1e19), INT64_MAX);
    EXPECT_EQ(TruncToInt64(-std::numeric_limits<double>::infinity()), INT64_MIN);
    EXPECT_EQ(TruncToInt64(9.0e18), int64_t{9000000000000000000});
}

} // namespace aw
