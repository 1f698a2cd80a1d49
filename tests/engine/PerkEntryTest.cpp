#include "engine/PerkEntry.h"

#include "base/CalculationLog.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

PerkRecord SampleEntry(int32_t formula, double rating, double x, double y, double z)
{
    PerkRecord r;
    r.PFDName = "Test";
    r.WorthFormula = formula;
    r.RatingValue = rating;
    r.X = x;
    r.Y = y;
    r.Z = z;
    return r;
}

PerkVehicleData SampleVehicleData(int32_t actions, int32_t people, int32_t size, int32_t armor, int32_t crew)
{
    PerkVehicleData v;
    v.Actions = actions;
    v.People = people;
    v.Size = size;
    v.ArmorValue = armor;
    v.CrewValue = crew;
    return v;
}

double WorthOf(const PerkRecord &r, const PerkVehicleData &v = {}) { return Worth(r, v); }

} // namespace

TEST(PerkWorth, FormulasOfRatingAndXYZ)
{
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(0, 9, 2.5, 9, 9)), 2.5);
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(1, 9, -3, 9, 9)), -3.0);
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(2, 9, 9, 9, 9)), -0.2);
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(3, 2, 1.5, 4, 0.25)), 4.0); // 2*1.5 + 4*0.25
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(4, 2, 8, 3, 3)), 5.0);      // sqrt(16 + 9)
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(4, -4, 4, 0, 0)), -4.0);    // a negative radicand keeps its sign
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(9, 2, 3, 10, 4)), 8.5);     // 6 + 10/4
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(9, 2, 3, 10, 0)), 16.0);    // Z 0: 6 + 10
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(10, 4, 2, 3, 0.5)), 12.0);  // 2*3*4*0.5
}

TEST(PerkWorth, FormulasOfTheVehicle)
{
    const PerkVehicleData v = SampleVehicleData(3, 4, 10, 12, 3);
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(5, 0, 1, 2, 0), v), 7.0);    // actions 3*2 + 1
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(6, 0, 1, 0.5, 0), v), 3.0);  // people 4*0.5 + 1
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(7, 2, 0.25, 0, 0), v), 5.0); // size 10*2*0.25
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(8, 0, -1, 0.5, 0), v), 5.0); // armour 12*0.5 - 1
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(11, 0, 6, 2, 0), v), 3.0);   // 6*2 / people 4
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(12, 0, 6, 2, 0), v), 4.0);   // 6*2 / crew 3

    const PerkVehicleData nobody = SampleVehicleData(0, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(11, 0, 6, 2, 0), nobody), 12.0);
    EXPECT_DOUBLE_EQ(WorthOf(SampleEntry(12, 0, 6, 2, 0), nobody), 12.0);
}

TEST(PerkWorth, DefectKindsAndUnknownFormulasAreWorthNothing)
{
    for (int32_t formula : {-5, -4, -3, 13, 100, -6})
        EXPECT_EQ(WorthOf(SampleEntry(formula, 3, 3, 3, 3)), 0.0) << formula;
}

TEST(PerkWorth, FlawDefectsUseTheAdoptedFormula)
{
    PerkRecord minor = SampleEntry(-2, 2, 1.5, 4, 0.25);
    minor.Variant = 3;
    EXPECT_DOUBLE_EQ(WorthOf(minor), 4.0);
    PerkRecord major = SampleEntry(-1, 0, -3, 0, 0);
    major.Variant = 0;
    EXPECT_DOUBLE_EQ(WorthOf(major), -3.0);
    major.Variant = -5; // an adopted defect kind is worth nothing
    EXPECT_EQ(WorthOf(major), 0.0);
}

TEST(PerkWorth, RoundingModesApplyBeforeTheAmount)
{
    PerkRecord ammoStorage = SampleEntry(3, 0, 0, 35, 0.1);
    ammoStorage.RoundMode = 1;
    EXPECT_EQ(WorthOf(ammoStorage), 4.0); // 3.5 rounded up

    PerkRecord up = SampleEntry(0, 0, 0.5, 0, 0);
    up.RoundMode = 1;
    up.Amount = 3;
    EXPECT_EQ(WorthOf(up), 3.0); // round-up of 0.5 is 1, three times; not round-up of 1.5

    PerkRecord down = SampleEntry(0, 0, 2.9, 0, 0);
    down.RoundMode = 2;
    EXPECT_EQ(WorthOf(down), 2.0);
    down.X = -2.9;
    EXPECT_EQ(WorthOf(down), -2.0);

    PerkRecord none = SampleEntry(0, 0, 2.9, 0, 0);
    none.RoundMode = 7;
    none.Amount = 2;
    EXPECT_DOUBLE_EQ(WorthOf(none), 5.8);
}

TEST(PerkWorth, WritesNameAndWorthToTheLog)
{
    PerkRecord r = SampleEntry(0, 0, 1.25, 0, 0);
    r.PFDName = "Jump Jets";
    r.Amount = 2;
    LogLines log;
    {
        ScopedCalculationLog scope(log);
        WorthOf(r);
    }
    const LogLines expected{"              Perk/Flaw - Jump Jets x2", "                    Worth - 2.5"};
    EXPECT_EQ(log, expected);
}

TEST(PerkOTVValue, EachFormulaTimesTheAmount)
{
    PerkRecord r = SampleEntry(0, 6, 4, 10, 2);
    r.OTVValueA = 1.5;
    r.OTVValueB = 2.5;
    r.OTVValueC = 7;
    const std::pair<int32_t, double> cases[] = {{0, 1.5}, {1, 2.5}, {2, 7}, {3, 0},   {4, 6},  {5, 4},  {6, 10},
                                                {7, 2},   {8, 9},   {9, 4}, {10, 25}, {11, 1}, {12, 0}, {-1, 0}};
    for (const auto &[formula, expected] : cases) {
        r.OTVFormula = formula;
        r.Amount = 1;
        EXPECT_DOUBLE_EQ(OTVValue(r), expected) << formula;
        r.Amount = 3;
        EXPECT_DOUBLE_EQ(OTVValue(r), 3 * expected) << formula;
    }
}

TEST(PerkCost, AddedCostOrUnitCost)
{
    PerkRecord fixed = SampleEntry(3, 0, 0, 10, 4);
    fixed.CostValue = 5000;
    fixed.Amount = 2;
    EXPECT_DOUBLE_EQ(Cost(fixed), 10000.0);

    PerkRecord perUnit = SampleEntry(0, 0, 0, 10, 4);
    perUnit.CostValue = 100;
    EXPECT_DOUBLE_EQ(Cost(perUnit), 250.0); // 10 * 100 / 4
    perUnit.Z = 0;
    perUnit.Amount = 2;
    EXPECT_DOUBLE_EQ(Cost(perUnit), 2000.0); // 10 * 100, twice
}

TEST(PerkPeopleAndCrew, TruncatedRatings)
{
    PerkRecord r = SampleEntry(0, 2.7, 0, 0, 0);
    EXPECT_EQ(People(r), 0);
    r.RatingIsPeople = true;
    EXPECT_EQ(People(r), 2);
    r.AddedCrewValue = -1;
    EXPECT_EQ(CrewAdded(r), 2);
    r.AddedCrewValue = 3;
    EXPECT_EQ(CrewAdded(r), 3);
    r.AddedActionsValue = 2;
    EXPECT_EQ(ActionsAdded(r), 2);
    r.AddedCrewValue = -1;
    r.RatingValue = 1e300; // damaged data stays a number
    EXPECT_EQ(CrewAdded(r), 2147483647);
}

TEST(PerkDisplayName, AmountAndCustomMark)
{
    PerkRecord r;
    r.PFDName = "Battle Arm";
    EXPECT_EQ(DisplayName(r), "Battle Arm");
    r.Amount = 3;
    EXPECT_EQ(DisplayName(r), "Battle Arm x3");
    r.Amount = 0;
    EXPECT_EQ(DisplayName(r), "Battle Arm x0");

    PerkRecord custom;
    custom.PFDName = "Custom Perk";
    custom.WorthFormula = 1;
    EXPECT_EQ(DisplayName(custom), "Custom Perk.c");
    custom.Amount = 2;
    EXPECT_EQ(DisplayName(custom), "Custom Perk x2.c");

    PerkRecord longName;
    longName.PFDName = std::string(32, 'n');
    longName.Amount = 12;
    EXPECT_EQ(DisplayName(longName), std::string(32, 'n') + " x12");
}

TEST(PerkEffectText, EveryTokenIsFilled)
{
    PerkRecord r = SampleEntry(3, 2.5, 0.5, 10, 0.125);
    r.Arc = 7;
    r.HasLocation = 1;
    r.Location = 3;
    r.EffectText = "R|R| X|X| Y|Y| Z|Z| A|A| C|C| P|P| S|S| AR|AR| L|LOC| again |R||R|";
    EXPECT_EQ(EffectTextFor(r, SampleVehicleData(3, 5, 12, 40, 2)),
              "R2.5 X0.5 Y10 Z0.125 AFRr C3 P5 S12 AR40 LFi-Con again 2.52.5");
}

TEST(PerkEffectText, LocationOnlyWhenChosenAndCodesOutOfRangeAreEmpty)
{
    PerkRecord r;
    r.EffectText = "[|LOC|][|A|]";
    r.Location = 4;
    r.Arc = 9;
    EXPECT_EQ(EffectTextFor(r, {}), "[][]");
    r.HasLocation = 1;
    r.Arc = 0;
    EXPECT_EQ(EffectTextFor(r, {}), "[Struct][F]");
    r.Location = 5;
    r.Arc = -1;
    EXPECT_EQ(EffectTextFor(r, {}), "[][]");
    r.EffectText = "no tokens | here |Q|";
    EXPECT_EQ(EffectTextFor(r, {}), "no tokens | here |Q|");
}

TEST(PerkEffectText, DefectKindsHaveFixedTexts)
{
    PerkRecord r;
    r.EffectText = "ignored";
    r.WorthFormula = -5;
    EXPECT_EQ(EffectTextFor(r, {}), "-1 maneuvering");
    r.Variant = 1;
    EXPECT_EQ(EffectTextFor(r, {}), "-10% to armor, rounding up");
    r.WorthFormula = -3;
    EXPECT_EQ(EffectTextFor(r, {}), "-10% speed (min 1 MP)");
    r.Variant = 0;
    EXPECT_EQ(EffectTextFor(r, {}), "-1 maneuvering");
    r.WorthFormula = -4;
    EXPECT_EQ(EffectTextFor(r, {}), "-1 targeting");
    r.Variant = 1;
    EXPECT_EQ(EffectTextFor(r, {}), "-1 sensors");
    r.Variant = 2;
    EXPECT_EQ(EffectTextFor(r, {}), "-1 communications");
    r.Variant = -7;
    EXPECT_EQ(EffectTextFor(r, {}), "-1 communications");
}

} // namespace aw
