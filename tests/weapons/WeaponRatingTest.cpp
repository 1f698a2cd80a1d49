#include "engine/base/CalculationLog.h"
#include "weapons/Weapon.h"

#include <gtest/gtest.h>

namespace {

TWeapon WeaponRated(int32_t rating)
{
    TWeapon w;
    w.Data.Rating = rating;
    return w;
}

} // namespace

TEST(WeaponRating, WorkedExampleLogsEveryStepThatChangesTheValue)
{
    TWeapon w = WeaponRated(25);
    w.Data.AccMod = 1;
    w.Data.PoorWorkmanship = 1;
    w.Data.Arc = 1; // Fixed Forward
    w.Data.NumberOfItems = 2;

    TLogLines log;
    double v;
    {
        ScopedCalculationLog on(log);
        v = w.Rating(5);
    }
    EXPECT_EQ(v, 40.8);
    const TLogLines expected = {
        "       Base rating = 25",
        "          After Acc Mod = 37.5",
        "          After Poor Workmanship Mod = 33.75",
        "          After Rounding up to the nearest Whole number = 34",
        "          After Fixed Arc = 20.4",
        "          Times ammount of weapons(2) = 40.8",
    };
    EXPECT_EQ(log, expected);
}

TEST(WeaponRating, VehicleSizeStandsInForRatingMinusOne)
{
    TWeapon w = WeaponRated(-1);
    TLogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(w.Rating(7), 7.0);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "       Base rating = 7");
}

TEST(WeaponRating, ZeroRatingStaysZeroAndLogsNoRounding)
{
    TWeapon w = WeaponRated(0);
    w.Data.AccMod = 1;
    w.Data.DmgMod = -1;
    w.Data.ROFMod = 1;
    w.Data.Arc = 8;
    w.Data.NumberOfItems = 3;
    TLogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(w.Rating(9), 0.0);
    EXPECT_EQ(log.front(), "       Base rating = 0");
    EXPECT_EQ(log.back(), "          Times ammount of weapons(3) = 0");
    for (const std::string &line : log)
        EXPECT_EQ(line.find("Rounding"), std::string::npos) << line;
}

TEST(WeaponRating, EachModificationUsesItsOwnFactorAndLine)
{
    struct Case {
        int32_t TWeaponRecord::*field;
        int32_t modification;
        double expected;
        const char *line;
    };
    // Base 100: products chosen to be whole so no rounding line follows.
    const Case cases[] = {
        {&TWeaponRecord::AccMod, -1, 60, "          After Acc Mod = 60"},
        {&TWeaponRecord::DmgMod, 1, 125, "          After Dmg Mod = 125"},
        {&TWeaponRecord::DmgMod, -1, 85, "          After Dmg Mod = 85"},
        {&TWeaponRecord::RangeMod, 1, 110, "          After Range Mod = 110"},
        {&TWeaponRecord::RangeMod, -1, 90, "          After Range Mod = 90"},
        {&TWeaponRecord::ROFMod, 1, 110, "          After ROF Mod = 110"},
        {&TWeaponRecord::ROFMod, -1, 90, "          After ROF Mod = 90"},
    };
    for (const Case &c : cases) {
        TWeapon w = WeaponRated(100);
        w.Data.*c.field = c.modification;
        TLogLines log;
        ScopedCalculationLog on(log);
        EXPECT_EQ(w.Rating(1), c.expected) << c.line;
        const TLogLines expected = {"       Base rating = 100", c.line,
                                    "          Times ammount of weapons(1) = " +
                                        std::to_string(static_cast<int>(c.expected))};
        EXPECT_EQ(log, expected);
    }
}

TEST(WeaponRating, SmallerMountScalesByTheMinimumSizeKept)
{
    TWeapon w = WeaponRated(40);
    w.Data.MinSize = 4;
    w.Data.SizeMod = -1;
    TLogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(w.Rating(1), 30.0);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], "          After Size Mod = 30");
}

TEST(WeaponRating, LargerMountLeavesTheRatingAlone)
{
    TWeapon w = WeaponRated(40);
    w.Data.MinSize = 4;
    w.Data.SizeMod = 1;
    TLogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(w.Rating(1), 40.0);
    EXPECT_EQ(log.size(), 2u);
}

TEST(WeaponRating, SizeStepKeepsTheValueWhenThereIsNoMinimumSize)
{
    TWeapon w = WeaponRated(40);
    w.Data.MinSize = 0;
    w.Data.SizeMod = -1;
    TLogLines log;
    ScopedCalculationLog on(log);
    const double v = w.Rating(1);
    EXPECT_EQ(v, 40.0);
    for (const std::string &line : log)
        EXPECT_EQ(line.find("Size Mod"), std::string::npos) << line;
}

TEST(WeaponRating, FractionRoundsUpWithALineWholeValueDoesNot)
{
    TWeapon fraction = WeaponRated(11);
    fraction.Data.AccMod = 1; // 16.5
    TLogLines log;
    {
        ScopedCalculationLog on(log);
        EXPECT_EQ(fraction.Rating(1), 17.0);
    }
    EXPECT_EQ(log[2], "          After Rounding up to the nearest Whole number = 17");

    TWeapon whole = WeaponRated(10);
    whole.Data.PoorWorkmanship = 2; // 10 x 0.8 = 8, already whole
    log.clear();
    {
        ScopedCalculationLog on(log);
        EXPECT_EQ(whole.Rating(1), 8.0);
    }
    const TLogLines expected = {"       Base rating = 10", "          After Poor Workmanship Mod = 8",
                                "          Times ammount of weapons(1) = 8"};
    EXPECT_EQ(log, expected);
}

TEST(WeaponRating, ArcFactors)
{
    struct Case {
        int32_t arc;
        double expected;
    };
    // Forward, pF and out-of-table arcs: no factor; the fixed arcs 0.6; the turrets 1.8.
    const Case cases[] = {{0, 10}, {9, 10}, {18, 10}, {32, 10}, {-1, 10}, {1, 6},  {3, 6}, {5, 6},
                          {7, 6},  {10, 6}, {12, 6},  {14, 6},  {16, 6},  {8, 18}, {17, 18}, {2, 10}, {15, 10}};
    for (const Case &c : cases) {
        TWeapon w = WeaponRated(10);
        w.Data.Arc = c.arc;
        EXPECT_EQ(w.Rating(1), c.expected) << "arc " << c.arc;
    }
    TWeapon turret = WeaponRated(10);
    turret.Data.Arc = 17;
    TLogLines log;
    ScopedCalculationLog on(log);
    turret.Rating(1);
    EXPECT_EQ(log[1], "          After Turreted Arc = 18");
}

TEST(WeaponRating, NoItemsRateZero)
{
    TWeapon w = WeaponRated(50);
    w.Data.NumberOfItems = 0;
    EXPECT_EQ(w.Rating(1), 0.0);
}

TEST(WeaponRating, WritesNothingWhileTheLogIsOff)
{
    TWeapon w = WeaponRated(25);
    w.Data.AccMod = 1;
    ASSERT_EQ(CalculationLog(), nullptr);
    EXPECT_EQ(w.Rating(1), 38.0);
}
