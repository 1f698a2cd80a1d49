#include "tests/support/SampleDesigns.h"

#include "engine/DesignResults.h"
#include "engine/MovementList.h"
#include "engine/OpenedDesign.h"
#include "engine/PerkList.h"
#include "engine/ProductionTypes.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace aw {

TEST(Vehicle, NewDesignIsEmptyWithCurrencyMultiplierOne)
{
    Vehicle v;
    EXPECT_EQ(v.CurrencyMultiplier, 1.0);
    EXPECT_EQ(v.FileVersion, 0);
    EXPECT_EQ(v.Crew, 0);
    EXPECT_EQ(v.Armor, 0);
    EXPECT_EQ(v.FinalSize, 0);
    EXPECT_EQ(v.ProductionType, 0);
    EXPECT_EQ(v.CustomProduction.CustomCostMultiplier, 0.0);
    EXPECT_EQ(v.SensorRange, 0.0);
    EXPECT_TRUE(v.Name.empty() && v.CurrencyName.empty() && v.Description.empty());
    EXPECT_TRUE(v.Picture.empty());
    EXPECT_TRUE(v.FileName.empty());
    EXPECT_FALSE(v.Modified);
    EXPECT_EQ(v.Movement->Count(), 0);
    EXPECT_EQ(v.Perks->Count() + v.Flaws->Count() + v.Defects->Count(), 0);
    EXPECT_EQ(v.Weapons->Count(), 0);
}

TEST(Vehicle, PerkListsReadTheirOwnDesign)
{
    Vehicle v;
    v.FinalSize = 7;
    v.Armor = 4;
    v.Crew = 2;
    v.Defects->Add(PlainEntry("Extra hand", 0));
    PerkRecord crew = PlainEntry("Crew seat", 0);
    crew.AddedCrewValue = 2;
    v.Defects->Set(0, crew);
    const PerkVehicleData data = v.Flaws->VehicleData();
    EXPECT_EQ(data.Size, 7);
    EXPECT_EQ(data.ArmorValue, 4);
    EXPECT_EQ(data.CrewValue, 2);
    EXPECT_EQ(data.Actions, 3); // crew 2 + 2 added = 4 -> log2 4 + 1
}

TEST(ProductionTypes, CustomNameOnlyForTypeSeven)
{
    Vehicle v;
    v.CustomProduction.CustomName = "Workshop run";
    v.ProductionType = 7;
    EXPECT_EQ(ProductionName(v), "Workshop run");
    v.ProductionType = 8;
    EXPECT_EQ(ProductionName(v), "");
    v.ProductionType = 6;
    EXPECT_EQ(ProductionName(v), "Scratch Built");
    EXPECT_EQ(ModelDicePanelText(6), "-");
}

TEST(ProductionTypes, TypesAboveSevenAreShownAsCustom)
{
    Vehicle v;
    v.ProductionType = 12;
    EXPECT_TRUE(NormalizeProductionType(v));
    EXPECT_EQ(v.ProductionType, 7);
    EXPECT_FALSE(NormalizeProductionType(v));
    v.ProductionType = 3;
    EXPECT_FALSE(NormalizeProductionType(v));
    EXPECT_EQ(v.ProductionType, 3);
}

TEST(DesignResults, FirstRefreshOfANewDesign)
{
    Vehicle v;
    const DesignResults r = ComputeResults(v);
    // The cost is taken from the TV before the first pass (0); everything after sees the
    // corrected design: final size 1, armour 1, crew 1, so DTV 1, MTV 1, TV 1.
    EXPECT_EQ(r.FinalCost, 0);
    EXPECT_EQ(r.ThreatValue, 1);
    EXPECT_EQ(r.FinalSizeShown, 1);
    EXPECT_EQ(r.OTV, 0);
    EXPECT_EQ(r.DTV, 1);
    EXPECT_EQ(r.MTV, 1);
    EXPECT_EQ(r.DefaultSize, 1);
    EXPECT_EQ(r.DefaultCost, 1000);
    EXPECT_DOUBLE_EQ(r.DefaultMass, 91.125);
    EXPECT_EQ(r.PreProductionCost, 1000);
    EXPECT_EQ(r.FinalSize, 1);
    EXPECT_EQ(v.Armor, 1);
    EXPECT_EQ(v.Crew, 1);

    // The next refresh prices the settled design: 1000 x 100 (testbed prototype).
    EXPECT_EQ(ComputeResults(v).FinalCost, 100000);
}

TEST(DesignResults, LabelTexts)
{
    DesignResults r;
    r.FinalCost = 1234567.891L;
    r.ThreatValue = 398;
    r.FinalSizeShown = 9;
    r.OTV = 186;
    r.DTV = 150;
    r.MTV = 858;
    r.DefaultSize = 11;
    r.DefaultCost = 398000;
    r.DefaultMass = 91.125;
    r.PreProductionCost = 1447111.1111;
    r.FinalSize = 10;
    const ResultTexts t = FormatResults(r, "Cr");
    EXPECT_EQ(t.FinalCost, "1,234,567.89 Cr");
    EXPECT_EQ(t.ThreatValue, "398.0");
    EXPECT_EQ(t.FinalSizeShown, "9");
    EXPECT_EQ(t.OTV, "186.0");
    EXPECT_EQ(t.MTV, "858.0");
    EXPECT_EQ(t.DefaultSize, "11");
    EXPECT_EQ(t.DefaultCost, "398000");
    EXPECT_EQ(t.DefaultMass, "91.125kg");
    EXPECT_EQ(t.PreProductionCost, "1447111.11");
    EXPECT_EQ(t.FinalSize, "10");

    const ResultTexts german = FormatResults(r, "DM", NumberSeparators{'.', ','});
    EXPECT_EQ(german.FinalCost, "1.234.567,89 DM");
    EXPECT_EQ(german.DefaultMass, "91,125kg");
}

TEST(OpenedDesign, SettlingAppliesTheEditorsCorrectionsAndRefreshes)
{
    auto v = HammerDesign();
    v->ProductionType = 5;
    const DesignResults r = SettleOpenedDesign(*v);
    // The first refresh corrects armour 3 -> 5, crew 0 -> 1, final size 4 -> 9 (see the
    // hammer price log); later refreshes price the corrected design: TV 1184, size 11,
    // (11 / 9) x 1184000 x 0.5 + 5100, x 1.5.
    EXPECT_EQ(v->Armor, 5);
    EXPECT_EQ(v->Crew, 1);
    EXPECT_EQ(v->FinalSize, 9);
    EXPECT_EQ(r.ThreatValue, 1184);
    EXPECT_EQ(r.DefaultSize, 11);
    const double expected = (11.0 / 9.0 * 1184000.0 * 0.5 + 5100.0) * 1.5;
    EXPECT_NEAR(static_cast<double>(r.FinalCost), expected, 1e-6);
    EXPECT_NEAR(r.PreProductionCost, 11.0 / 9.0 * 1184000.0, 1e-6);
}

TEST(OpenedDesign, ProductionAboveSevenBecomesCustom)
{
    auto v = StrikerDesign();
    v->ProductionType = 9;
    v->CustomProduction.CustomCostMultiplier = 0;
    const DesignResults r = SettleOpenedDesign(*v);
    EXPECT_EQ(v->ProductionType, 7);
    EXPECT_GT(r.ThreatValue, 0);
}

TEST(OpenedDesign, MovementSystemsAreNormalisedAsTheEditorShowsThem)
{
    MovementList movement;
    movement.Add(MovementSystem("Reverse", -10, 5, 2));
    movement.Add(MovementSystem("Slow", 20, 30, 1));
    movement.Add(MovementSystem("Extra", 10, 50, 3));
    movement.Add(MovementSystem("Below", 30, -100, 0));
    // Speeds that are no number, or endless, from a damaged file.
    movement.Add(MovementSystem("Damaged", std::nan(""), std::nan(""), 0));
    movement.Add(MovementSystem("Endless", std::numeric_limits<double>::infinity(), 5, 0));
    EXPECT_TRUE(NormalizeMovementSystems(movement));
    EXPECT_EQ(movement.TopSpeed(0), 0);
    EXPECT_EQ(movement.StallSpeed(0), 0);
    EXPECT_EQ(movement.Maneuver(0), 0);
    EXPECT_EQ(movement.StallSpeed(1), 20);
    EXPECT_EQ(movement.Maneuver(1), 0);
    EXPECT_EQ(movement.StallSpeed(2), 10);
    EXPECT_EQ(movement.Maneuver(2), 3); // only the primary and secondary are kept at 0 or below
    EXPECT_EQ(movement.StallSpeed(3), 0);
    for (int i : {4, 5}) {
        EXPECT_EQ(movement.TopSpeed(i), 0);
        EXPECT_EQ(movement.StallSpeed(i), 0);
    }
    EXPECT_FALSE(NormalizeMovementSystems(movement));
}

} // namespace aw
