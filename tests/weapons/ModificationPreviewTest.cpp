#include "weapons/ModificationPreview.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponTexts.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ModificationPreview, NeutralSettingsKeepTheOldRating)
{
    EXPECT_DOUBLE_EQ(ModificationPreview(50.0, {}), 50.0);
    TModificationSettings forwardTurretFree;
    forwardTurretFree.Arc = 9; // "pF" is not fixed either
    forwardTurretFree.SizeMod = 1; // a larger mount costs nothing
    forwardTurretFree.MinSize = 4;
    EXPECT_DOUBLE_EQ(ModificationPreview(50.0, forwardTurretFree), 50.0);
}

TEST(ModificationPreview, ArcFactors)
{
    TModificationSettings s;
    s.Arc = 1; // Fixed Forward
    EXPECT_DOUBLE_EQ(ModificationPreview(50.0, s), 30.0);
    s.Arc = 16; // pFRr, fixed
    EXPECT_DOUBLE_EQ(ModificationPreview(50.0, s), 30.0);
    s.Arc = 8; // Turreted
    EXPECT_DOUBLE_EQ(ModificationPreview(50.0, s), 90.0);
    s.Arc = 17;
    EXPECT_DOUBLE_EQ(ModificationPreview(50.0, s), 90.0);
}

TEST(ModificationPreview, ModificationsMultiplyUpAndDown)
{
    TModificationSettings up;
    up.AccMod = up.DmgMod = up.RangeMod = up.ROFMod = 1;
    EXPECT_NEAR(ModificationPreview(100.0, up), 100 * 1.5 * 1.25 * 1.1 * 1.1, 1e-9);
    TModificationSettings down;
    down.AccMod = down.DmgMod = down.RangeMod = down.ROFMod = -1;
    EXPECT_NEAR(ModificationPreview(100.0, down), 41.31, 1e-9);
}

TEST(ModificationPreview, PoorWorkmanshipAndSmallerMount)
{
    TModificationSettings s;
    s.PoorWorkmanship = 2;
    EXPECT_NEAR(ModificationPreview(100.0, s), 80.0, 1e-9);
    s.PoorWorkmanship = 0;
    s.SizeMod = -1;
    s.MinSize = 5;
    EXPECT_NEAR(ModificationPreview(100.0, s), 125.0, 1e-9);
    // Not rounded up: 7 x 5/4 stays fractional.
    EXPECT_NEAR(ModificationPreview(7.0, s), 8.75, 1e-9);
}

TEST(ModificationPreview, SmallerMountOfMinimumSizeOneOrLessIsLeftOut)
{
    for (int32_t minSize : {1, 0, -3}) {
        TModificationSettings s;
        s.SizeMod = -1;
        s.MinSize = minSize;
        s.Arc = 1;
        const double preview = ModificationPreview(50.0, s);
        EXPECT_TRUE(std::isfinite(preview)) << minSize;
        EXPECT_DOUBLE_EQ(preview, 30.0) << minSize;
    }
}

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
    EXPECT_EQ(ArcFactor(0), 1.0L);
    EXPECT_EQ(ArcFactor(31), 1.0L);
    EXPECT_EQ(ArcFactor(17), 1.8L);
}

// The dialog's preview applies the very factors the rating applies: a weapon rated 100 with one
// setting changed rates (whole numbers, one item) what the preview shows from 100.
TEST(ModificationPreview, AgreesWithTheRatingForEachSettingAndArc)
{
    for (int32_t TModificationSettings::*field :
         {&TModificationSettings::AccMod, &TModificationSettings::DmgMod, &TModificationSettings::RangeMod,
          &TModificationSettings::ROFMod}) {
        for (int32_t value : {-1, 1}) {
            TModificationSettings s;
            s.*field = value;
            TWeapon w;
            w.Data.Rating = 100;
            w.Data.AccMod = s.AccMod;
            w.Data.DmgMod = s.DmgMod;
            w.Data.RangeMod = s.RangeMod;
            w.Data.ROFMod = s.ROFMod;
            EXPECT_EQ(w.Rating(0), ModificationPreview(100.0, s)) << value;
        }
    }
    for (int32_t arc = 0; arc < kArcCount; ++arc) {
        TModificationSettings s;
        s.Arc = arc;
        TWeapon w;
        w.Data.Rating = 100;
        w.Data.Arc = arc;
        EXPECT_EQ(w.Rating(0), ModificationPreview(100.0, s)) << arc;
    }
}
