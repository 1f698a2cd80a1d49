#include "tests/support/SampleDesigns.h"
#include "tests/support/TestFiles.h"

#include "engine/CalculationReplay.h"
#include "engine/DesignResults.h"

#include <gtest/gtest.h>

namespace aw {

// Whole calculation logs compared line by line with texts worked out by hand from the
// rules, not captured from a run.
//
// How striker_tv.txt was derived (Striker: armour 10, crew 2, final size 10, fire
// control +1, maneuver -1, sensor rating +1, sensor range 4, comm range 20, deployment 100):
//  OTV
//   Weapon 1 "Twin Autogun": rating 25, +1 accuracy (x1.5 = 37.5), poor workmanship 1
//   (x0.9 = 33.75), rounded up to 34, fixed arc (x0.6 = 20.4), two items (40.8).
//   Clip 0: 100 rounds at 0.02 = 2, Anti-Laser x5 = 10, already in hundredths, so no
//   rounding line; worth 10, added as 2 items x 1 clip x 10 = 20 (subtotal 60.8).
//   Clip 1 (2 clips): 50 rounds at 0.02 = 1, worth 1, added as 2 x 2 x 1 = 4 (64.8).
//   Weapon 2 "Turret Lance": rating -1 takes the final size 10; whole, so no rounding
//   line; turreted x1.8 = 18; one item (subtotal 82.8). Clip 0: one round at 0.125,
//   rounded half to even to 0.12 (82.92).
//   Fire control +1: multiplier 2. Inside: "Battle Arm" (rating 4 x 0.5)^2 = 4, so
//   86.92. Outside: "Gun Port" X 6 x 2 items = 12. OTV = round up(86.92 x 2 + 12 =
//   185.84) = 186.
//  DTV: 10 x 10 = 100. Two systems: fastest 90 (Hover, stall 6), 90 - 18 = 72, others 60:
//   (72/25)^3 + (60/6)^2 = 23.887872 + 100 = 123.887872. (100 + 123.887872) x 0.667 =
//   149.333210624, rounded up 150.
//  MTV: crew 2 gives 2 actions, 2^3 = 8; + (20/10)^3 = 16; + (4/2)^3 = 24; + (100/50)^2
//   = 28. Group: maneuver flaw of system 2: 2 x -1 = -2; sensor + comm = 1; weapon perks:
//   line 1 sniper 5 + link 1 = 6, x2 items = 12; line 2 stabilizer 2 + link 1 = 3;
//   total 15; perks 3 + 6 x 2 = 15; flaws -0.2. -2 + 1 + 15 + 15 - 0.2 = 28.8.
//   28 + 28.8^2 = 857.44, rounded up 858.
//  TV: (186 + 150 + 858) / 3 = 398, no mass destruction.
//
// hammer_price.txt is one run of the final cost: the threat value (900 = 54 / 3 x 50
// for the mass-destruction rounds), then the constraint pass: size round(cbrt 900) = 10;
// the 8-size weapon with 3 rounds needs 9 (one ammunition step); armour 3 is raised to
// 5 for final size 9; crew 0 becomes 1; the second cycle (armour 5, crew 1: DTV 25,
// MTV 10, TV round up(71 / 3 x 50) = 1184) gives size 11 and changes nothing. Cost
// (11 / 9) x 900 x 1000 = 1100000, x 0.5, + 100 sporting, + 5000 perk, x 1.5 = 832650.
//
// carriage_price.txt: fire control 7 has no multiplier, so the OTV is the outside 7.5
// rounded up to 8; Hover (first of the two 60 km/h systems) is the fastest, Walker and
// Ground the others (90); DTV (100 + 1.728 + 225) x 3 = 980.184 -> 981; the shielded
// spare clip (worth 112.5, logged twice) costs 12 perk points; MTV 1 + 13^2 = 170;
// TV round up(1159 / 3) = 387; size 7; the 11-size gun needs 6 on a carriage; the
// passenger perk's 4 people satisfy the crew rule. Cost (7 / 6) x 387000 = 451500, x 3,
// + 300 sporting, + 500 perks, + 300 defects = 1355600.

namespace {

void ExpectSameLines(const std::vector<std::string> &expected, const std::vector<std::string> &actual)
{
    const size_t common = std::min(expected.size(), actual.size());
    for (size_t i = 0; i < common; ++i)
        ASSERT_EQ(expected[i], actual[i]) << "first difference at line " << i + 1;
    EXPECT_EQ(expected.size(), actual.size());
}

} // namespace

TEST(CalculationLogGolden, StrikerThreatValueLog)
{
    auto v = StrikerDesign();
    ExpectSameLines(ReadTestLines("logs/striker_tv.txt"), ReplayCalculationLog(*v, LogKind::ThreatValue));
}

TEST(CalculationLogGolden, HammerPriceLogRunsTwoConstraintCycles)
{
    auto v = HammerDesign();
    ExpectSameLines(ReadTestLines("logs/hammer_price.txt"), ReplayCalculationLog(*v, LogKind::Price));
    // The pass left its corrections in the design.
    EXPECT_EQ(v->Armor, 5);
    EXPECT_EQ(v->Crew, 1);
    EXPECT_EQ(v->FinalSize, 9);
}

TEST(CalculationLogGolden, CarriageGunPriceLog)
{
    auto v = CarriageGunDesign();
    ExpectSameLines(ReadTestLines("logs/carriage_price.txt"), ReplayCalculationLog(*v, LogKind::Price));
    EXPECT_EQ(v->FinalSize, 6);
    EXPECT_EQ(v->Crew, 0);
}

TEST(CalculationLogGolden, ReplayLeavesTheLogOff)
{
    auto v = StrikerDesign();
    ReplayCalculationLog(*v, LogKind::ThreatValue);
    EXPECT_EQ(CalculationLog(), nullptr);
}

TEST(CalculationLogGolden, JoinedLogEndsEveryLineWithCrLf)
{
    EXPECT_EQ(JoinLogLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLogLines({}), "");
}

} // namespace aw
