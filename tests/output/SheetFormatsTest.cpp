#include "output/SheetFormats.h"

#include <gtest/gtest.h>

namespace aw {

TEST(SheetFormats, WeaponAndPerkBlockTexts)
{
    const SheetFormats f({'.', ','});
    EXPECT_EQ(f.Damage(12), "x12");
    EXPECT_EQ(f.Damage(1234), "x1234"); // never grouped
    EXPECT_EQ(f.Damage(-3), "x-3");
    // Only a line of two or more weapons names its count.
    EXPECT_EQ(f.QuantityPrefix(1), "");
    EXPECT_EQ(f.QuantityPrefix(0), "");
    EXPECT_EQ(f.QuantityPrefix(-5), "");
    EXPECT_EQ(f.QuantityPrefix(2), "2 x");
    EXPECT_EQ(f.QuantityPrefix(1000), "1000 x");
    EXPECT_EQ(f.AuxMark(0), "");
    EXPECT_EQ(f.AuxMark(1), "AUX");
    EXPECT_EQ(f.AuxMark(-1), "AUX"); // any non-zero mark
}

} // namespace aw
