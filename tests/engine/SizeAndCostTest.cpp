#include "tests/support/SampleDesigns.h"

#include "base/CalculationLog.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/SizeAndCost.h"
#include "engine/ThreatValue.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace aw {

namespace {

const std::string kCycleLine = "       DefaultSize Main loop... this loops until nothing changine the TV is changed";

long CountLines(const LogLines &lines, const std::string &line) { return std::count(lines.begin(), lines.end(), line); }

long CountPrefixed(const LogLines &lines, const std::string &prefix)
{
    return std::count_if(lines.begin(), lines.end(), [&](const std::string &l) { return l.rfind(prefix, 0) == 0; });
}

// Runs the constraint pass with the log on.
int32_t LoggedDefaultSize(BaseVehicle &v, LogLines &lines)
{
    ScopedCalculationLog log(lines);
    return DefaultSize(v);
}

} // namespace

TEST(DefaultSize, NewVehicleGetsFinalSizeArmourAndCrewThenRunsASecondCycle)
{
    Vehicle v;
    LogLines lines;
    const int32_t size = LoggedDefaultSize(v, lines);
    EXPECT_EQ(v.FinalSize, 1);
    EXPECT_EQ(v.Armor, 1);
    EXPECT_EQ(v.Crew, 1);
    // Second cycle: DTV 1 + MTV 1 gives TV 1, size 1.
    EXPECT_EQ(size, 1);
    EXPECT_EQ(CountLines(lines, kCycleLine), 2);
    EXPECT_EQ(CountLines(lines, "         the basic Default Size is 0"), 1);
    EXPECT_EQ(CountLines(lines, "                  adjusting finalsize to 1... it was < 1"), 1);
    EXPECT_EQ(CountLines(lines, "               not enuf armor... the armor can not be < 1/2 of the final size..."), 1);
    EXPECT_EQ(CountLines(lines, "                   bumping it up by 1... will recalc the TV"), 1);
}

TEST(DefaultSize, SecondRunChangesNothingAndWritesOneCycle)
{
    Vehicle v;
    DefaultSize(v);
    const int32_t armor = v.Armor, crew = v.Crew, finalSize = v.FinalSize;
    LogLines lines;
    LoggedDefaultSize(v, lines);
    EXPECT_EQ(CountLines(lines, kCycleLine), 1);
    EXPECT_EQ(v.Armor, armor);
    EXPECT_EQ(v.Crew, crew);
    EXPECT_EQ(v.FinalSize, finalSize);
}

TEST(DefaultSize, ArmourFifthTestsRoundedButRaisesRoundedUp)
{
    // Armour 12 with maneuver -10: DTV 144 x 0.167 -> 25, MTV 1, TV 9, size 2 = round(2.4).
    Vehicle v;
    v.Armor = 12;
    v.Crew = 1;
    v.FinalSize = 2;
    v.Maneuver = -10;
    LogLines lines;
    EXPECT_EQ(LoggedDefaultSize(v, lines), 2);
    EXPECT_EQ(CountPrefixed(lines, "               the default size was to small"), 0);

    // With no defensive multiplier the TV is 2 (OTV 5, MTV 1): size 1 becomes round up(2.4) = 3.
    Vehicle w;
    w.Armor = 12;
    w.Crew = 1;
    w.FinalSize = 2;
    w.Maneuver = 11;
    w.Weapons->AddRecord(WeaponWith("Gun", 5));
    lines.clear();
    EXPECT_EQ(LoggedDefaultSize(w, lines), 3);
    EXPECT_EQ(CountLines(lines, "               the default size was to small... size !< Armor/5... armor is 12"), 1);
    EXPECT_EQ(CountLines(lines, "                   Default Size is now 3"), 1);
}

TEST(DefaultSize, ArmourIsRaisedOneByOneToATenthOfTheDefaultSize)
{
    // OTV 81000 gives a default size of 30; armour 1 must reach 3.
    Vehicle v;
    v.Armor = 1;
    v.Crew = 1;
    v.FinalSize = 6;
    v.Weapons->AddRecord(WeaponWith("Big Gun", 81000));
    LogLines lines;
    EXPECT_EQ(LoggedDefaultSize(v, lines), 30);
    EXPECT_EQ(v.Armor, 3);
    EXPECT_EQ(CountLines(lines, "               not enuf armor... the armor can not be < 1/10 of the default size..."),
              2);
    EXPECT_EQ(CountLines(lines, "                    we changed something that affects TV...Armor is now 2"), 1);
    EXPECT_EQ(CountLines(lines, "                    we changed something that affects TV...Armor is now 3"), 1);
    EXPECT_EQ(CountLines(lines, kCycleLine), 2);
}

TEST(DefaultSize, DoubleSizeCapWinsOverAWeaponsMinimumSize)
{
    // Armour 5, crew 1: TV 9, size 2. A 30-size weapon raises the final size, the cap brings it to 4.
    Vehicle v;
    v.Armor = 5;
    v.Crew = 1;
    v.FinalSize = 3;
    WeaponRecord huge = WeaponWith("Huge Gun", 0);
    huge.MinSize = 30;
    v.Weapons->AddRecord(huge);
    LogLines lines;
    EXPECT_EQ(LoggedDefaultSize(v, lines), 2);
    EXPECT_EQ(v.FinalSize, 4);
    EXPECT_EQ(CountLines(lines, "                    FinalSize was to small for weapon Huge Gun... it is now 30"), 1);
    EXPECT_EQ(CountLines(lines, "                    FinalSize was to large... the final size may only be upto 2 x "
                                "the default size... it is now 4"),
              1);
}

TEST(DefaultSize, FinalSizeIsAtLeastAFifthOfTheDefaultSize)
{
    Vehicle v;
    v.Armor = 3;
    v.Crew = 1;
    v.FinalSize = 1;
    v.Weapons->AddRecord(WeaponWith("Big Gun", 81000)); // size 30
    LogLines lines;
    LoggedDefaultSize(v, lines);
    EXPECT_EQ(v.FinalSize, 6);
    EXPECT_EQ(CountPrefixed(lines, "                    FinalSize was to small... the final size may only be upto 1/5 "
                                   "of the default size... it is now 6"),
              1);
}

TEST(DefaultSize, CarriagesAndEmplacementsMountWeaponsFiveSizesSmaller)
{
    // Armour 20, crew 1: TV 134, size 5; an 8-size weapon fits under the cap of 10.
    const std::pair<int32_t, int32_t> cases[] = {
        {SizeTypeNormal, 8}, {SizeTypeCarriage, 3}, {SizeTypeEmplacement, 3}, {SizeTypeDrone, 8}};
    for (auto [sizeType, expected] : cases) {
        Vehicle v;
        v.SizeType = sizeType;
        v.Armor = 20;
        v.Crew = 1;
        v.FinalSize = 1;
        WeaponRecord gun = WeaponWith("Gun", 0);
        gun.MinSize = 8;
        v.Weapons->AddRecord(gun);
        EXPECT_EQ(DefaultSize(v), 5);
        EXPECT_EQ(v.FinalSize, expected) << "size type " << sizeType;
    }
}

TEST(DefaultSize, WeaponLineIsCutAfterTheNameWidth)
{
    Vehicle v;
    v.Armor = 20;
    v.Crew = 1;
    v.FinalSize = 1;
    WeaponRecord gun = WeaponWith(std::string(100, 'N'), 0);
    gun.MinSize = 8;
    v.Weapons->AddRecord(gun);
    LogLines lines;
    LoggedDefaultSize(v, lines);
    const std::string expected =
        "                    FinalSize was to small for weapon " + std::string(64, 'N') + "... it is now 8";
    EXPECT_EQ(CountLines(lines, expected), 1);
}

namespace {

// A design whose default size (13) allows a final size of 25 without corrections.
void MakeSize25(Vehicle &v)
{
    v.Armor = 13;
    v.FinalSize = 25;
    v.Weapons->AddRecord(WeaponWith("Big Gun", 7000));
}

} // namespace

TEST(DefaultSize, CrewOfOnePerTenFinalSizeRoundedUp)
{
    Vehicle v;
    MakeSize25(v);
    LogLines lines;
    EXPECT_EQ(LoggedDefaultSize(v, lines), 13);
    EXPECT_EQ(v.FinalSize, 25);
    EXPECT_EQ(v.Crew, 3);
    EXPECT_EQ(CountPrefixed(lines, "                there is not enuf crew or or perk added crew"), 3);
    EXPECT_EQ(CountLines(lines, "                there is not enuf crew or or perk added crew... there should be 1 for "
                                "ever 10 final size points... rounded up... currenty 2"),
              1);
}

TEST(DefaultSize, DronesAndCrewedVehiclesGetNoCrewAdded)
{
    Vehicle drone;
    MakeSize25(drone);
    drone.SizeType = SizeTypeDrone;
    DefaultSize(drone);
    EXPECT_EQ(drone.Crew, 0);

    Vehicle crewed;
    MakeSize25(crewed);
    crewed.Crew = 1; // needs 3, but a crewed vehicle is not tested
    DefaultSize(crewed);
    EXPECT_EQ(crewed.Crew, 1);
}

TEST(DefaultSize, PeopleAddedByPerksCountTowardsTheCrewRule)
{
    Vehicle v;
    MakeSize25(v);
    PerkRecord seats = PlainEntry("Seats", 0);
    seats.RatingValue = 2;
    seats.RatingIsPeople = true;
    v.Flaws->Add(seats);
    DefaultSize(v);
    EXPECT_EQ(v.Crew, 1);
}

TEST(DefaultSize, HugeArmourDemandsMillionsOfCrewWithoutEndlessLogging)
{
    // Armour 10^9: size round up(10^9 / 5) = 2 x 10^8, final size raised to a fifth of it
    // (4 x 10^7), so 4 x 10^6 crew are needed.
    Vehicle v;
    v.Armor = 1000000000;
    v.FinalSize = 1;
    LogLines lines;
    EXPECT_EQ(LoggedDefaultSize(v, lines), 200000000);
    EXPECT_EQ(v.FinalSize, 40000000);
    EXPECT_EQ(v.Crew, 4000000);
    EXPECT_EQ(CountLines(lines, "                   bumping it up by 1... will recalc the TV"), 1000);
    EXPECT_EQ(CountLines(lines, "                   ... and 3999000 more crew the same way"), 1);

    Vehicle quiet; // the same pass with the log off
    quiet.Armor = 1000000000;
    quiet.FinalSize = 1;
    DefaultSize(quiet);
    EXPECT_EQ(quiet.Crew, 4000000);
}

TEST(PreProductionCost, UsesTheThreatValueTakenBeforeThePass)
{
    // New vehicle: the TV is 0 before the pass (1 after it).
    Vehicle v;
    EXPECT_EQ(PreProductionCost(v), 0);
    EXPECT_EQ(v.FinalSize, 1);
    // Settled: TV 1, default size 1, final size 1.
    EXPECT_EQ(PreProductionCost(v), 1000);
    v.FinalSize = 2; // the size ratio 1/2 halves it (the pass keeps 2 = 2 x size)
    EXPECT_EQ(PreProductionCost(v), 500);
}

TEST(FinalCost, ProductionMultiplierThenAdditionsThenCurrency)
{
    Vehicle v;
    DefaultSize(v); // settled: pre-production cost 1000
    WeaponRecord sport = WeaponWith("Paintball", 0, 3);
    sport.Sporting = true;
    v.Weapons->AddRecord(sport); // + 300
    PerkRecord uplink = PlainEntry("Uplink", 0);
    uplink.WorthFormula = 3;
    uplink.CostValue = 15000; // + 15000 regardless of the formula's Y and Z
    v.Perks->Add(uplink);
    // The weapon adds no threat, so pre-production stays at 1000.
    const std::pair<int32_t, double> cases[] = {{0, 115300}, {1, 35300}, {2, 20300}, {3, 16300}, {4, 17300},
                                                {5, 15800},  {6, 15500}, {8, 15300}, {-1, 15300}};
    for (auto [type, expected] : cases) {
        v.ProductionType = type;
        EXPECT_DOUBLE_EQ(static_cast<double>(FinalCost(v)), expected) << "production type " << type;
    }
    v.ProductionType = 7;
    v.CustomProduction.CustomCostMultiplier = 2.5;
    EXPECT_DOUBLE_EQ(static_cast<double>(FinalCost(v)), 17800);
    v.CurrencyMultiplier = 2;
    EXPECT_DOUBLE_EQ(static_cast<double>(FinalCost(v)), 35600);
    v.CurrencyMultiplier = 0;
    EXPECT_EQ(FinalCost(v), 0);
}

TEST(DefaultMassAndCost, FollowFinalSizeAndThreatValue)
{
    Vehicle v;
    EXPECT_DOUBLE_EQ(DefaultMass(v), 3.375); // (0.5 x 3)^3
    v.FinalSize = 1;
    EXPECT_DOUBLE_EQ(DefaultMass(v), 91.125); // 4.5^3
    v.Armor = 3;
    v.Weapons->AddRecord(WeaponWith("Gun", 91)); // TV 34
    EXPECT_EQ(DefaultCost(v), 34000);
}

TEST(LemonDice, ProductionTypesAndItemBase)
{
    Vehicle v;
    for (int i = 0; i < 12; ++i)
        v.Perks->Add(PlainEntry("Perk", 0)); // 12 items: base 2 on the ground
    const int32_t model[] = {14, 10, 6, 5, 3, 4, 0};
    const int32_t indiv[] = {1, 1, 1, 3, 2, 3, 12};
    for (int32_t type = 0; type < 7; ++type) {
        v.ProductionType = type;
        EXPECT_EQ(ModelLemonDice(v), model[type]) << "type " << type;
        EXPECT_EQ(IndivLemonDice(v), indiv[type]) << "type " << type;
    }
    v.Movement->Add(MovementSystem("Flight", 300, 60, 0, true)); // base 12 / 10 = 1
    v.ProductionType = 0;
    EXPECT_EQ(ModelLemonDice(v), 13);
    v.ProductionType = 6;
    EXPECT_EQ(IndivLemonDice(v), 11);
}

TEST(LemonDice, CustomProductionWithoutModelDiceActsAsScratchBuilt)
{
    Vehicle v;
    WeaponRecord gun = WeaponWith("Gun", 0, 4);
    gun.Stabilized = true;   // 4 perk items
    gun.SniperSystem = true; // 1 more
    v.Weapons->AddRecord(gun);
    v.ProductionType = 7;
    v.CustomProduction.CustomModelDice = -1;
    v.CustomProduction.CustomIndivDice = 2;
    EXPECT_EQ(ModelLemonDice(v), 0);
    EXPECT_EQ(IndivLemonDice(v), 1 + 2);

    v.CustomProduction.CustomModelDice = 3;
    EXPECT_EQ(ModelLemonDice(v), 1 + 3);
    EXPECT_EQ(IndivLemonDice(v), 2); // the base counts only without model dice
    v.CustomProduction.CustomModelDice = -5;
    EXPECT_EQ(ModelLemonDice(v), 0); // never negative
}

} // namespace aw
