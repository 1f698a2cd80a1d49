#include "engine/PerkList.h"

#include "engine/Vehicle.h"

#include "base/CalculationLog.h"
#include "base/Stream.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

PerkRecord Named(const std::string &name, double x = 0.0)
{
    PerkRecord r;
    r.PFDName = name;
    r.X = x;
    return r;
}

} // namespace

TEST(PerkList, EmptyListTotalsAreZeroAndRatingStillWritesItsHeading)
{
    PerkList list;
    LogLines log;
    {
        ScopedCalculationLog scope(log);
        EXPECT_EQ(list.Rating(), 0.0);
        EXPECT_EQ(list.AddedInsideOTV(), 0.0);
        EXPECT_EQ(list.AddedOutSideOTV(), 0.0);
    }
    EXPECT_EQ(list.TotalItems(), 0);
    EXPECT_EQ(list.AddedCost(), 0.0);
    EXPECT_EQ(list.AddedPpl(), 0);
    EXPECT_EQ(list.AddedActions(), 0);
    EXPECT_EQ(list.Addedcrew(), 0);
    EXPECT_EQ(list.OTVPerkCountLine(), 0);
    EXPECT_EQ(log, LogLines{"          Getting a Perk/Flaw cost group"});
}

TEST(PerkList, TotalsOverAllEntries)
{
    PerkList list;
    PerkRecord seats = Named("Passenger Seating");
    seats.RatingValue = 6.9;
    seats.RatingIsPeople = true;
    seats.CostValue = 100;
    seats.WorthFormula = 3;
    list.Add(seats);
    PerkRecord automation = Named("Automation");
    automation.RatingValue = 2.7;
    automation.AddedCrewValue = -1;
    automation.Amount = 3;
    list.Add(automation);
    PerkRecord controls = Named("Advanced Controls");
    controls.AddedActionsValue = 1;
    controls.AddedCrewValue = 2;
    controls.CostValue = 50;
    controls.WorthFormula = 1;
    list.Add(controls);

    EXPECT_EQ(list.TotalItems(), 5);
    EXPECT_EQ(list.AddedPpl(), 6);
    EXPECT_EQ(list.Addedcrew(), 4); // 2 from the truncated rating, 2 fixed
    EXPECT_EQ(list.AddedActions(), 1);
    EXPECT_DOUBLE_EQ(list.AddedCost(), 150.0); // the cost of a formula-0 entry is Y*cost: 0 here
}

TEST(PerkList, InsideAndOutsideOTV)
{
    PerkList list;
    PerkRecord arm = Named("Battle Arm");
    arm.RatingValue = 5;
    arm.OTVFormula = 8;
    arm.InsideOTV = true;
    arm.Amount = 2;
    list.Add(arm);
    PerkRecord charges = Named("Anti-Personnel Charges");
    charges.OTVValueA = 3;
    charges.OTVFormula = 0;
    charges.OutsideOTV = true;
    list.Add(charges);
    PerkRecord offered = Named("Offered only");
    offered.OTVValueA = 100;
    offered.OffersInside = true;
    list.Add(offered);

    LogLines log;
    double inside, outside;
    {
        ScopedCalculationLog scope(log);
        inside = list.AddedInsideOTV();
        outside = list.AddedOutSideOTV();
    }
    EXPECT_DOUBLE_EQ(inside, 12.5); // (5 * 0.5)^2 twice
    EXPECT_DOUBLE_EQ(outside, 3.0);
    EXPECT_EQ(log, LogLines{"          Battle Arm x2 has a 12.5 Inside OTV"});
    EXPECT_EQ(list.OTVPerkCountLine(), 2);
}

TEST(PerkList, RatingSumsTheWorths)
{
    PerkList list;
    list.Add(Named("A", 2.5));
    list.Add(Named("B", -1));
    LogLines log;
    double total;
    {
        ScopedCalculationLog scope(log);
        total = list.Rating();
    }
    EXPECT_DOUBLE_EQ(total, 1.5);
    const LogLines expected{"          Getting a Perk/Flaw cost group", "              Perk/Flaw - A",
                            "                    Worth - 2.5", "              Perk/Flaw - B",
                            "                    Worth - -1"};
    EXPECT_EQ(log, expected);
}

TEST(PerkList, StreamRoundTripAndDamage)
{
    PerkList list;
    PerkRecord a = Named("Ablative Armor", 0.5);
    a.HasArc = true;
    a.FormulaText = "0.5 * Rating, per arc";
    list.Add(a);
    list.Add(Named("Weak Point", -1));
    Stream stream;
    list.SaveToStream(stream);
    ASSERT_EQ(stream.Size(), 4 + 2 * PerkRecord::Size);
    EXPECT_EQ(bytes::GetInt32(stream.Bytes().data()), 2);

    stream.Seek(0);
    PerkList read;
    read.Add(Named("stale"));
    read.LoadFromStream(stream);
    EXPECT_EQ(read, list);

    std::vector<uint8_t> cut = stream.Bytes();
    cut.pop_back();
    Stream damaged(cut);
    EXPECT_THROW(read.LoadFromStream(damaged), StreamError);
    Stream huge;
    huge.WriteInt32(1 << 30);
    huge.Seek(0);
    EXPECT_THROW(read.LoadFromStream(huge), StreamError);
}

TEST(PerkList, PrintRows)
{
    PerkList list;
    PerkRecord r = Named("Searchlight");
    r.ShowRating = true;
    r.RatingValue = 2;
    r.EffectText = "Lights |R| hexes";
    r.Aux = true;
    list.Add(r);
    const std::vector<PrintPFDRow> rows = list.MakePrintRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (PrintPFDRow{"Searchlight", "2", "Lights 2 hexes", "", 1}));
    EXPECT_EQ(list.EffectText(0), "Lights 2 hexes");
    r.ShowRating = false;
    list.Set(0, r);
    EXPECT_EQ(list.MakePrintRows()[0].Rating, ""); // a rating that is not shown stays off the sheet
}

TEST(PerkVehicleData, ActionsAndPeopleCountTheCrewOfAllThreeLists)
{
    Vehicle v;
    v.FinalSize = 8;
    v.Armor = 11;
    EXPECT_EQ(v.Perks->VehicleData().Actions, 0); // no crew: no actions, not log2(0)

    v.Crew = 3;
    PerkRecord automation = Named("Automation");
    automation.RatingValue = 2.9;
    automation.AddedCrewValue = -1;
    v.Perks->Add(automation); // 2 crew
    PerkRecord seats = Named("Passenger Seating");
    seats.RatingValue = 6;
    seats.RatingIsPeople = true;
    v.Flaws->Add(seats);
    PerkRecord controls = Named("Advanced Controls");
    controls.AddedActionsValue = 1;
    v.Defects->Add(controls);

    const PerkVehicleData data = v.Defects->VehicleData();
    EXPECT_EQ(data.Actions, 4); // crew 5: log2(5) = 2.3 gives 3, plus 1 added
    EXPECT_EQ(data.People, 9);  // crew 3 plus 6 seats
    EXPECT_EQ(data.Size, 8);
    EXPECT_EQ(data.ArmorValue, 11);
    EXPECT_EQ(data.CrewValue, 3);

    // Sums past the 32-bit range stop at its end rather than wrapping to negative people.
    seats.RatingValue = 2147483647;
    v.Flaws->Set(0, seats);
    controls.AddedActionsValue = 2147483647;
    v.Defects->Set(0, controls);
    EXPECT_EQ(v.Defects->VehicleData().People, INT32_MAX);
    EXPECT_EQ(v.Defects->VehicleData().Actions, INT32_MAX);

    EXPECT_EQ(CrewActions(1), 1);
    EXPECT_EQ(CrewActions(4), 3);
    EXPECT_EQ(CrewActions(7), 3);
    EXPECT_EQ(CrewActions(8), 4);
    EXPECT_EQ(CrewActions(-2), 0);
}

} // namespace aw
