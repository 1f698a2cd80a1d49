#include "tests/support/SampleDesigns.h"

#include "base/CalculationLog.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/ThreatValue.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace aw {

namespace {

constexpr int MassDestruction = 21;

bool HasLine(const LogLines &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// An entry adding `value` to the offensive value inside or outside the multiplier.
PerkRecord OTVEntry(const std::string &name, double value, bool inside)
{
    PerkRecord r = PlainEntry(name, 0);
    r.OTVFormula = 0;
    r.OTVValueA = value;
    r.InsideOTV = inside;
    r.OutsideOTV = !inside;
    return r;
}

} // namespace

TEST(OTV, NoWeaponsAndNoPerksIsZeroAndSaysSo)
{
    Vehicle v;
    LogLines lines;
    {
        ScopedCalculationLog log(lines);
        EXPECT_EQ(OTV(v), 0);
    }
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "    OTV is (Inside * Mult) + OutSide... 0");
    EXPECT_EQ(lines.front(), "  Begining OTV");
}

TEST(OTV, FireControlOutsideTheTableLeavesOnlyTheOutsideShare)
{
    for (int fireControl : {6, -6, 100}) {
        Vehicle v;
        v.FireControl = fireControl;
        v.Weapons->AddRecord(WeaponWith("Gun", 50));
        v.Perks->Add(OTVEntry("Fist", 10, true));
        v.Flaws->Add(OTVEntry("Spikes", 4.5, false));
        EXPECT_EQ(OTV(v), 5) << "fire control " << fireControl; // outside 4.5 rounded up
    }
}

TEST(OTV, MultipliesTheInsideShareOfAllThreeListsOnly)
{
    Vehicle v;
    v.FireControl = 1; // x2
    v.Flaws->Add(OTVEntry("Inside flaw", 3, true));
    v.Defects->Add(OTVEntry("Inside defect", 1, true));
    v.Defects->Add(OTVEntry("Outside defect", 4, false));
    EXPECT_EQ(OTV(v), (3 + 1) * 2 + 4);
}

TEST(OTV, TableEndsUseTheDecimalMultipliersWithoutBinaryNoise)
{
    Vehicle v;
    v.Weapons->AddRecord(WeaponWith("Gun", 1000));
    v.FireControl = -5; // 0.167: 1000 x 0.167 is exactly 167, not a hair above it
    EXPECT_EQ(OTV(v), 167);
    v.FireControl = -3; // 0.25
    EXPECT_EQ(OTV(v), 250);
    v.FireControl = 5; // 700
    EXPECT_EQ(OTV(v), 700000);
}

TEST(OTV, NegativeResultIsBroughtToZero)
{
    Vehicle v;
    v.Perks->Add(OTVEntry("Drag", -5, false));
    LogLines lines;
    {
        ScopedCalculationLog log(lines);
        EXPECT_EQ(OTV(v), 0);
    }
    EXPECT_EQ(lines.back(), "        OTV brought to 0");
    EXPECT_TRUE(HasLine(lines, "    OTV is (Inside * Mult) + OutSide... -5"));
}

TEST(DTV, StallAboveAThirdOfTopSpeedLowersTheValue)
{
    Vehicle v;
    v.Armor = 10;
    EXPECT_EQ(DTV(v), 100);
    v.Movement->Add(MovementSystem("Flight", 40, 40));
    // 40 - 3 x 40 = -80; (-80 / 40)^3 = -8 keeps its sign.
    EXPECT_EQ(DTV(v), 92);
}

TEST(DTV, EqualTopSpeedsTakeTheFirstAsFastest)
{
    Vehicle v;
    v.Movement->Add(MovementSystem("A", 50, 10));
    v.Movement->Add(MovementSystem("B", 50, 0));
    LogLines lines;
    double dtv;
    {
        ScopedCalculationLog log(lines);
        dtv = DTV(v);
    }
    // (50 - 30)/25 = 0.8, cubed 0.512; (50/6)^2 = 69.444...; total 69.956... -> 70.
    EXPECT_EQ(dtv, 70);
    EXPECT_TRUE(HasLine(lines, "         Fastest's stall speed = 10"));
    EXPECT_TRUE(HasLine(lines, "         Sum of the Others = 50"));
}

TEST(DTV, NegativeTotalIsBroughtToZeroButASmallNegativeFractionRoundsUpToOne)
{
    Vehicle v;
    v.Movement->Add(MovementSystem("Stalled", 40, 40)); // -8
    LogLines lines;
    {
        ScopedCalculationLog log(lines);
        EXPECT_EQ(DTV(v), 0);
    }
    EXPECT_EQ(lines.back(), "         the DTV was < 0.... is now )");

    Vehicle w;
    w.Movement->Add(MovementSystem("Barely", 0, 10)); // (-30/40)^3 = -0.421875
    EXPECT_EQ(DTV(w), 1);
}

TEST(DTV, LargeArmourSquaresInSixtyFourBits)
{
    Vehicle v;
    v.Armor = 50000;
    LogLines lines;
    double dtv;
    {
        ScopedCalculationLog log(lines);
        dtv = DTV(v);
    }
    EXPECT_GT(dtv, 0);
    EXPECT_EQ(dtv, 2147483646); // the round-up cap
    EXPECT_TRUE(HasLine(lines, "     Armor Squared = 2500000000"));

    v.Armor = 46341; // the first armour whose square leaves 32 bits: 2147488281, capped
    EXPECT_EQ(DTV(v), 2147483646);
    v.Armor = 46340;
    EXPECT_EQ(DTV(v), 2147395600);
}

TEST(DTV, ManeuverSelectsTheMultiplierAndUnknownValuesGiveZero)
{
    Vehicle v;
    v.Armor = 10;
    v.Maneuver = -10; // 0.167
    EXPECT_EQ(DTV(v), 17);
    v.Maneuver = 4; // 36
    EXPECT_EQ(DTV(v), 3600);
    v.Maneuver = 10; // 5500000
    EXPECT_EQ(DTV(v), 550000000);
    v.Maneuver = 11;
    EXPECT_EQ(DTV(v), 0);
    v.Maneuver = -11;
    EXPECT_EQ(DTV(v), 0);
}

TEST(MTV, CrewActionsCubed)
{
    Vehicle v;
    const std::pair<int, double> cases[] = {{0, 0}, {1, 1}, {2, 8}, {3, 8}, {4, 27}, {7, 27}, {8, 64}, {-3, 0}};
    for (auto [crew, expected] : cases) {
        v.Crew = crew;
        EXPECT_EQ(MTV(v), expected) << "crew " << crew;
    }
}

TEST(MTV, SensorRangeIsCubedAndDeploymentSquared)
{
    Vehicle v;
    v.SensorRange = 4; // (4/2)^3 = 8, not 4
    EXPECT_EQ(MTV(v), 8);
    v.SensorRange = 0;
    v.CommRange = 30;   // 27
    v.Deployment = 100; // + 4
    EXPECT_EQ(MTV(v), 31);
}

TEST(MTV, NegativeGroupCountsAsZeroAndDefectsTakeNoPart)
{
    Vehicle v;
    v.Crew = 1;
    v.SensorRating = -5;
    v.CommRating = -5;
    EXPECT_EQ(MTV(v), 1); // a group of -10 would add 100 if squared

    Vehicle w;
    w.Crew = 1;
    w.Defects->Add(PlainEntry("Heavy defect", 5));
    EXPECT_EQ(MTV(w), 1);
    w.Perks->Add(PlainEntry("Perk", 2));
    w.Flaws->Add(PlainEntry("Flaw", -0.5));
    EXPECT_EQ(MTV(w), 4); // 1 + 1.5^2 = 3.25
}

TEST(MTV, ManeuverFlawsAndWeaponPerksEnterTheGroup)
{
    Vehicle v;
    v.Movement->Add(MovementSystem("Ground", 60, 0, -1));
    v.Movement->Add(MovementSystem("Hover", 60, 0, -2));
    v.SensorRating = 5;
    WeaponRecord sniper = WeaponWith("Rifle", 10);
    sniper.SniperSystem = true;
    v.Weapons->AddRecord(sniper);
    // -2 - 4 + 5 + 5 = 4 -> 16
    EXPECT_EQ(MTV(v), 16);
}

TEST(ThreatValue, IsTheMeanRoundedUp)
{
    Vehicle v;
    v.Weapons->AddRecord(WeaponWith("Gun", 91));
    v.Armor = 3;                   // DTV 9
    EXPECT_EQ(ThreatValue(v), 34); // 100 / 3 rounded up
}

TEST(ThreatValue, MassDestructionMultipliesBeforeRoundingUp)
{
    Vehicle v;
    const int w = v.Weapons->AddRecord(WeaponWith("Bomb", 91));
    v.Weapons->Get(w).Clips.Mutable(0)->AddSection(Rounds(1, {MassDestruction}));
    v.Armor = 3;
    LogLines lines;
    double tv;
    {
        ScopedCalculationLog log(lines);
        tv = ThreatValue(v);
    }
    EXPECT_EQ(tv, 1667); // 33.33... x 50 = 1666.67, not 34 x 50
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "  Pre Threat Value = 33.3333333333333");
    EXPECT_EQ(lines[lines.size() - 2], "   MASS DISTRUCTION WEAPONS");
    EXPECT_EQ(lines.back(), " Threat Value = 1667");
}

TEST(ThreatValue, SectionsAppearInOrder)
{
    Vehicle v;
    v.Armor = 2;
    LogLines lines;
    {
        ScopedCalculationLog log(lines);
        ThreatValue(v);
    }
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "*Begining Threat Value Calcs");
    const auto otv = std::find(lines.begin(), lines.end(), "  Begining OTV");
    const auto dtv = std::find(lines.begin(), lines.end(), "   DTV now.....");
    const auto mtv = std::find(lines.begin(), lines.end(), "     MTV Calcs");
    EXPECT_TRUE(otv < dtv && dtv < mtv && mtv != lines.end());
    EXPECT_EQ(lines.back(), " Threat Value = 2"); // (0 + 4 + 0) / 3 rounded up
}

} // namespace aw
