#include "base/CalculationLog.h"
#include "weapons/WeaponList.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

// A spare clip of `rounds` rounds; at 0.5 per round its worth is rounds / 2.
Clip SpareClip(int32_t rounds, bool shielded)
{
    Clip clip;
    clip.AddSection(Rounds(rounds));
    clip.Shielded = shielded;
    return clip;
}

int32_t ShieldedCostOfRoundsAtHalf(int32_t rounds)
{
    ClipList clips;
    clips.Add(SpareClip(rounds, true));
    return clips.ShieldedClipCost(0.5);
}

WeaponRecord RecordWith(bool WeaponRecord::*flag, int32_t items = 1)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.*flag = true;
    r.NumberOfItems = items;
    return r;
}

} // namespace

TEST(WeaponPerkCost, SniperStabilizerAndTwoLinksTimesTwoItems)
{
    WeaponList list;
    list.AddRecord(DefaultWeaponRecord());
    for (int i = 0; i < 3; ++i)
        list.AddLink();
    Weapon &w = list.Get(0);
    w.Data.SniperSystem = true;
    w.Data.Stabilized = true;
    w.Data.NumberOfItems = 2;
    w.Links.Set(0, true);
    w.Links.Set(2, true);

    LogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(w.PerkCost(), 18);
    const LogLines expected = {
        "          Weapon is Snipered... cost 5",
        "          Weapon is Stabilized... cost 2",
        "          Part of link 1... cost 1",
        "          Part of link 3... cost 1",
        "              Checking if any of the perks are ammo contained",
        "                Weapon Costs 18 In Perks",
    };
    EXPECT_EQ(log, expected);
}

TEST(ShieldedClipCost, ATenthOfTheWorthRoundedUp)
{
    EXPECT_EQ(ShieldedCostOfRoundsAtHalf(51), 3); // worth 25.5
    EXPECT_EQ(ShieldedCostOfRoundsAtHalf(41), 2); // worth 20.5: whole part a multiple of ten
    EXPECT_EQ(ShieldedCostOfRoundsAtHalf(1), 0);  // worth 0.5
    EXPECT_EQ(ShieldedCostOfRoundsAtHalf(2), 1);  // worth 1
}

TEST(ShieldedClipCost, LogsTheWorthTwiceThenTheClipCost)
{
    ClipList clips;
    clips.Add(SpareClip(51, true));
    LogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(clips.ShieldedClipCost(0.5), 3);
    ASSERT_EQ(log.size(), 8u);
    EXPECT_EQ(log[3], "          CLip is worth 25.5");
    EXPECT_EQ(log[6], "          CLip is worth 25.5");
    EXPECT_EQ(log[7], "               Clip 1 is contained... cost 3");
}

TEST(ShieldedClipCost, OnlyShieldedSpareClipsCountAndItemsMultiply)
{
    Weapon w;
    w.Data.AmmoBaseCost = 1.0;
    w.Clips.Mutable(0)->AddSection(Rounds(100));
    w.Clips.Mutable(0)->Shielded = true; // the magazine never counts
    w.Clips.Add(SpareClip(100, false));
    EXPECT_EQ(w.PerkCost(), 0);
    EXPECT_FALSE(w.Clips.HasShieldedClip());

    w.Clips.Add(SpareClip(30, true));
    w.Data.NumberOfItems = 3;
    EXPECT_EQ(w.PerkCost(), 9);
}

TEST(WeaponTotals, SportingLinesAddAHundredPerItem)
{
    WeaponList list;
    list.AddRecord(RecordWith(&WeaponRecord::Sporting));
    list.AddRecord(DefaultWeaponRecord());
    list.AddRecord(RecordWith(&WeaponRecord::Sporting, 3));
    EXPECT_EQ(list.SportingCost(), 400.0);
}

TEST(WeaponTotals, PerkItemCountCountsTheSniperAndShieldOnce)
{
    WeaponList list;
    list.AddRecord(RecordWith(&WeaponRecord::SniperSystem));
    list.AddRecord(RecordWith(&WeaponRecord::SniperSystem));
    EXPECT_EQ(list.PerkItemCount(), 1);
    list.AddRecord(RecordWith(&WeaponRecord::Stabilized, 3));
    list.AddLink();
    list.AddLink();
    EXPECT_EQ(list.PerkItemCount(), 6);
    list.Get(0).Clips.Add(SpareClip(10, true));
    list.Get(1).Clips.Add(SpareClip(10, true));
    EXPECT_EQ(list.PerkItemCount(), 7);
    EXPECT_EQ(list.TotalPerkCost(),
              5 + 5 + 2 * 3.0); // two snipers, stabilizer x 3; the shielded clips hold nothing of worth
}

TEST(WeaponTotals, EmptyListGivesZeroEverywhere)
{
    const WeaponList list;
    EXPECT_EQ(list.PerkItemCount(), 0);
    EXPECT_EQ(list.TotalPerkCost(), 0.0);
    EXPECT_EQ(list.SportingCost(), 0.0);
    EXPECT_FALSE(list.HasMassDestruction());
    EXPECT_EQ(list.OTVSubtotal(5), 0.0);
}

TEST(WeaponOTV, RatingPlusItemsTimesClipsTimesWorthPerLine)
{
    WeaponList list;
    WeaponRecord r = DefaultWeaponRecord();
    r.Rating = 10;
    r.NumberOfItems = 2;
    r.AmmoBaseCost = 0.5;
    list.AddRecord(r);
    Weapon &w = list.Get(0);
    w.Clips.Mutable(0)->AddSection(Rounds(4)); // worth 2
    Clip spare = SpareClip(6, false);          // worth 3
    spare.ClipCount = 3;
    w.Clips.Add(spare);

    LogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(list.OTVSubtotal(1), 10 * 2 + 2 * 1 * 2 + 2 * 3 * 3.0);
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[0], "   Weapon 1");
    EXPECT_EQ(log[3], "       Now ammo... clip 0 is the internal magazine");
    EXPECT_EQ(log[4], "        Clip 0");
    EXPECT_EQ(log.back(), "     OTV Subtotal so far = 42");
}

} // namespace aw
