#include "base/CalculationLog.h"
#include "weapons/Weapon.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

Weapon WeaponRated(int32_t rating)
{
    Weapon w;
    w.Data.Rating = rating;
    return w;
}

// Rates the weapon with the log on and hands back the lines.
double RateLogged(const Weapon &w, int32_t finalSize, LogLines &log)
{
    ScopedCalculationLog on(log);
    return w.Rating(finalSize);
}

} // namespace

TEST(WeaponRating, WorkedExampleLogsEveryStepThatChangesTheValue)
{
    Weapon w = WeaponRated(25);
    w.Data.AccMod = 1;
    w.Data.PoorWorkmanship = 1;
    w.Data.Arc = 1; // Fixed Forward
    w.Data.NumberOfItems = 2;
    LogLines log;
    EXPECT_EQ(RateLogged(w, 5, log), 40.8);
    const LogLines expected = {
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
    LogLines log;
    EXPECT_EQ(RateLogged(WeaponRated(-1), 7, log), 7.0);
    EXPECT_EQ(log.front(), "       Base rating = 7");
}

TEST(WeaponRating, ZeroRatingStaysZeroAndLogsNoRounding)
{
    Weapon w = WeaponRated(0);
    w.Data.AccMod = 1;
    w.Data.DmgMod = -1;
    w.Data.Arc = 8;
    w.Data.NumberOfItems = 3;
    LogLines log;
    EXPECT_EQ(RateLogged(w, 9, log), 0.0);
    EXPECT_EQ(log.front(), "       Base rating = 0");
    EXPECT_EQ(log.back(), "          Times ammount of weapons(3) = 0");
    for (const std::string &line : log)
        EXPECT_EQ(line.find("Rounding"), std::string::npos) << line;

    Weapon none = WeaponRated(50);
    none.Data.NumberOfItems = 0;
    EXPECT_EQ(none.Rating(1), 0.0);
}

TEST(WeaponRating, EachModificationUsesItsOwnFactorAndLine)
{
    struct Case {
        int32_t WeaponRecord::*Field;
        int32_t Modification;
        const char *Line; // base 100: every product is whole, so no rounding line follows
    };
    const Case cases[] = {
        {&WeaponRecord::AccMod, -1, "          After Acc Mod = 60"},
        {&WeaponRecord::DmgMod, 1, "          After Dmg Mod = 125"},
        {&WeaponRecord::DmgMod, -1, "          After Dmg Mod = 85"},
        {&WeaponRecord::RangeMod, 1, "          After Range Mod = 110"},
        {&WeaponRecord::RangeMod, -1, "          After Range Mod = 90"},
        {&WeaponRecord::ROFMod, 1, "          After ROF Mod = 110"},
        {&WeaponRecord::ROFMod, -1, "          After ROF Mod = 90"},
    };
    for (const Case &c : cases) {
        Weapon w = WeaponRated(100);
        w.Data.*c.Field = c.Modification;
        LogLines log;
        RateLogged(w, 1, log);
        ASSERT_EQ(log.size(), 3u) << c.Line;
        EXPECT_EQ(log[1], c.Line);
    }
}

TEST(WeaponRating, SizeStepScalesOnlySmallerMountsWithAMinimumSize)
{
    Weapon w = WeaponRated(40);
    w.Data.MinSize = 4;
    w.Data.SizeMod = -1;
    LogLines log;
    EXPECT_EQ(RateLogged(w, 1, log), 30.0);
    EXPECT_EQ(log[1], "          After Size Mod = 30");

    w.Data.SizeMod = 1;
    EXPECT_EQ(w.Rating(1), 40.0);

    // No minimum size: nothing to scale (and no division by zero), no line.
    w.Data.MinSize = 0;
    w.Data.SizeMod = -1;
    log.clear();
    EXPECT_EQ(RateLogged(w, 1, log), 40.0);
    EXPECT_EQ(log.size(), 2u);
}

TEST(WeaponRating, FractionRoundsUpWithALineWholeValueDoesNot)
{
    Weapon fraction = WeaponRated(11);
    fraction.Data.AccMod = 1; // 16.5
    LogLines log;
    EXPECT_EQ(RateLogged(fraction, 1, log), 17.0);
    EXPECT_EQ(log[2], "          After Rounding up to the nearest Whole number = 17");

    Weapon whole = WeaponRated(10);
    whole.Data.PoorWorkmanship = 2; // 10 x 0.8 = 8
    log.clear();
    EXPECT_EQ(RateLogged(whole, 1, log), 8.0);
    const LogLines expected = {"       Base rating = 10", "          After Poor Workmanship Mod = 8",
                               "          Times ammount of weapons(1) = 8"};
    EXPECT_EQ(log, expected);
}

TEST(WeaponRating, ArcFactors)
{
    // Forward, pF and values outside the table: no factor; fixed arcs 0.6; turrets 1.8.
    const std::pair<int32_t, double> cases[] = {{0, 10},  {9, 10}, {18, 10}, {32, 10}, {-1, 10}, {2, 10},
                                                {15, 10}, {1, 6},  {3, 6},   {5, 6},   {7, 6},   {10, 6},
                                                {12, 6},  {14, 6}, {16, 6},  {8, 18},  {17, 18}};
    for (auto [arc, expected] : cases) {
        Weapon w = WeaponRated(10);
        w.Data.Arc = arc;
        EXPECT_EQ(w.Rating(1), expected) << "arc " << arc;
    }
    Weapon turret = WeaponRated(10);
    turret.Data.Arc = 17;
    LogLines log;
    RateLogged(turret, 1, log);
    EXPECT_EQ(log[1], "          After Turreted Arc = 18");
}

} // namespace aw
