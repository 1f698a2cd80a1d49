#include "output/PrintJob.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/SizeAndCost.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <regex>

namespace aw {

namespace {

MovementRecord SampleMovement(std::string name, double top, double stall, bool flight, int maneuver)
{
    MovementRecord record;
    record.ModeName = std::move(name);
    record.TopSpeed = top;
    record.StallSpeed = stall;
    record.Flight = flight;
    record.Maneuver = maneuver;
    return record;
}

PerkRecord SamplePerk(std::string name, int addedCrew, int addedActions)
{
    PerkRecord record;
    record.PFDName = std::move(name);
    record.EffectText = "Effect of " + record.PFDName;
    record.AddedCrewValue = addedCrew;
    record.AddedActionsValue = addedActions;
    return record;
}

WeaponRecord SniperWeapon()
{
    WeaponRecord record = DefaultWeaponRecord();
    record.Name = "Sniper Laser Cannon";
    record.Code = "SLC";
    record.Rating = 100;
    record.SniperSystem = true;
    return record;
}

// A design whose constraint pass has already settled, as the editor holds it.
void Settle(Vehicle &vehicle)
{
    DefaultSize(vehicle);
    DefaultSize(vehicle);
}

} // namespace

TEST(PrintRowList, LookupsPastTheEndAreEmptyAndPutsThereAppend)
{
    PrintMovementList list;
    EXPECT_EQ(list.Add({"Ground", 10, 5, 0, 0, 60, 30, 0}), 0);
    EXPECT_EQ(list.Add({"Hover", 15, 7, 0, 0, 90, 45, 0}), 1);
    EXPECT_EQ(list.Get(2), PrintMovementRow{});
    EXPECT_EQ(list.Get(-1), PrintMovementRow{});
    list.Put(0, {"Walker", 1, 0, 0, 0, 6, 3, 0});
    EXPECT_EQ(list.Get(0).Name, "Walker");
    list.Put(7, {"Naval", 2, 1, 0, 0, 12, 6, 0});
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(2).Name, "Naval");
}

TEST(MakePrintJob, CrewAndActionsIncludeWhatThePerkListsAdd)
{
    Vehicle vehicle;
    vehicle.Crew = 6;
    vehicle.Perks->Add(SamplePerk("Extra Gunner", 2, 1));
    vehicle.Flaws->Add(SamplePerk("Drafted Mechanic", 1, 0));
    vehicle.Defects->Add(SamplePerk("Loose Seat", 0, 1));
    Settle(vehicle);
    ASSERT_EQ(vehicle.Crew, 6) << "the test design keeps its crew";

    const PrintJob job = MakePrintJob(vehicle);
    EXPECT_EQ(job.Crew, 9);
    // log2(6 + 2) = 3, plus the two actions the perk and the defect add; the flaw's crew does not count.
    EXPECT_EQ(job.BonusActions, 5);
}

TEST(MakePrintJob, ActionsWithoutCrewAreOnlyTheAddedActions)
{
    Vehicle vehicle;
    vehicle.Defects->Add(SamplePerk("Loose Seat", 0, 1));
    vehicle.Crew = 0;
    PrintJob job = MakePrintJob(vehicle);
    EXPECT_EQ(job.Crew, 0);
    EXPECT_EQ(job.BonusActions, 1);

    Vehicle one;
    Settle(one);
    one.Crew = 1;
    one.Perks->Add(SamplePerk("Second Seat", 2, 0));
    job = MakePrintJob(one); // crew 3: log2 is 1.58
    EXPECT_EQ(job.BonusActions, 1);
}

TEST(MakePrintJob, MovementRowsAndManeuverFlaws)
{
    Vehicle vehicle;
    const std::string longName = "Experimental Magnetic Levitation Drive"; // 38 characters
    vehicle.Movement->Add(SampleMovement("Ground", 60, 0, false, 0));
    vehicle.Movement->Add(SampleMovement("Flight", 300, 60, true, -2));
    vehicle.Movement->Add(SampleMovement(longName, 90, 0, false, -1));
    vehicle.Flaws->Add(SamplePerk("Annoyance", 0, 0));
    Settle(vehicle);

    const PrintJob job = MakePrintJob(vehicle);
    ASSERT_EQ(job.Movement.Count(), 3);
    EXPECT_EQ(job.Movement.Get(1), (PrintMovementRow{"Flight", 10, 5, 2, -2, 300.0, 150.0, 60.0}));
    EXPECT_EQ(job.Movement.Get(0), (PrintMovementRow{"Ground", 10, 5, 0, 0, 60.0, 30.0, 0.0}));

    ASSERT_EQ(job.Flaws.Count(), 3);
    EXPECT_EQ(job.Flaws.Get(0).Name, "Annoyance");
    EXPECT_EQ(job.Flaws.Get(1), (PrintPFDRow{"Man. Flaw", "-2", "Flight reduced in maneuver.", "", 0}));
    const PrintPFDRow cut = job.Flaws.Get(2);
    EXPECT_EQ(cut.Rating, "-1");
    EXPECT_EQ(cut.Effect, longName + " reduced in man");
    EXPECT_EQ(cut.Effect.size(), 53u);
}

TEST(MakePrintJob, PerkRowsAreFollowedByTheWeaponPerkRows)
{
    Vehicle vehicle;
    PerkRecord shown = SamplePerk("Searchlight", 0, 0);
    shown.ShowRating = true;
    shown.RatingValue = 2.5;
    shown.Aux = true;
    vehicle.Perks->Add(shown);
    vehicle.Weapons->AddRecord(SniperWeapon());
    Settle(vehicle);

    const PrintJob job = MakePrintJob(vehicle);
    ASSERT_EQ(job.Perks.Count(), 2);
    EXPECT_EQ(job.Perks.Get(0), (PrintPFDRow{"Searchlight", "2.5", "Effect of Searchlight", "", 1}));
    EXPECT_EQ(job.Perks.Get(1).Name, "Sniper System");
    EXPECT_EQ(job.Perks.Get(1).Effect, "+1 to long and Extreme rolls for SLC");
    ASSERT_EQ(job.Weapons.Count(), 1);
    EXPECT_EQ(job.Weapons.Get(0).Code, "SLC");
    EXPECT_EQ(job.Defects.Count(), 0);

    // A sheet in another locale's separators writes the ratings and effects with them too.
    shown.EffectText = "|R| per |X| km";
    shown.X = 0.5;
    vehicle.Perks->Set(0, shown);
    const PrintJob german = MakePrintJob(vehicle, NumberSeparators{'.', ','});
    EXPECT_EQ(german.Perks.Get(0).Rating, "2,5");
    EXPECT_EQ(german.Perks.Get(0).Effect, "2,5 per 0,5 km");
}

TEST(MakePrintJob, TextsProductionAndCost)
{
    Vehicle vehicle;
    vehicle.Name = "Rhino";
    vehicle.CombatMass = "42 t";
    vehicle.Description = "General notes";
    vehicle.History = "History notes";
    vehicle.Extra = "Extra notes";
    vehicle.NumberOnField = "2d6";
    vehicle.Affiliation = "Free Guard";
    vehicle.Picture = {'B', 'M', 1, 2, 3};
    vehicle.CurrencyName = "Cr";
    vehicle.ProductionType = 5;
    vehicle.Weapons->AddRecord(SniperWeapon());
    Settle(vehicle);

    PrintJob job = MakePrintJob(vehicle);
    EXPECT_EQ(job.Name, "Rhino");
    EXPECT_EQ(job.Weight, "42 t");
    EXPECT_EQ(job.General, "General notes");
    EXPECT_EQ(job.History, "History notes");
    EXPECT_EQ(job.Extra, "Extra notes");
    EXPECT_EQ(job.NumberOnField, "2d6");
    EXPECT_EQ(job.Affiliation, "Free Guard");
    EXPECT_TRUE(job.Picture.SharesWith(vehicle.Picture)) << "the picture is shared, not copied";
    EXPECT_EQ(job.Production, "Mass Produced");
    EXPECT_TRUE(std::regex_match(job.Cost, std::regex(R"(\d{1,3}(,\d{3})*\.\d\d Cr)"))) << job.Cost;
    EXPECT_EQ(job.Size, vehicle.FinalSize);
    EXPECT_EQ(job.Armor, vehicle.Armor);

    vehicle.ProductionType = 7;
    vehicle.CustomProduction.CustomName = "Garage Special";
    job = MakePrintJob(vehicle, {'.', ','});
    EXPECT_EQ(job.Production, "Garage Special");
    EXPECT_TRUE(std::regex_match(job.Cost, std::regex(R"(\d{1,3}(\.\d{3})*,\d\d Cr)"))) << job.Cost;

    vehicle.ProductionType = 9;
    EXPECT_EQ(MakePrintJob(vehicle).Production, "");
}

} // namespace aw
