#include "weapons/ModificationFactors.h"

#include <gtest/gtest.h>

namespace aw {

TEST(PoorWorkmanshipFactor, TenthPerLevel)
{
    EXPECT_DOUBLE_EQ(PoorWorkmanshipFactor(0), 1.0);
    EXPECT_DOUBLE_EQ(PoorWorkmanshipFactor(1), 0.9);
    EXPECT_NEAR(PoorWorkmanshipFactor(12), -0.2, 1e-15);
}

TEST(ModificationFactor, SignPicksTheFactorAndNoneLeavesOne)
{
    EXPECT_EQ(ModificationFactor(kDamageFactors, 0), 1.0L);
    EXPECT_EQ(ModificationFactor(kDamageFactors, 3), 1.25L); // any value above 0 counts as +1
    EXPECT_EQ(ModificationFactor(kDamageFactors, -2), 0.85L);
}

} // namespace aw
