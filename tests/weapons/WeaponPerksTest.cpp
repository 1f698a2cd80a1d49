#include "engine/base/CalculationLog.h"
#include "weapons/WeaponList.h"

#include "WeaponFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using fixtures::Section;

namespace {

// A spare clip of `rounds` rounds; at 0.5 per round its worth is rounds / 2.
TClip SpareClip(int32_t rounds, bool shielded)
{
    TClip clip;
    clip.AddSection(Section(rounds));
    clip.Shielded = shielded;
    return clip;
}

int32_t ShieldedCostOfWorth(int32_t roundsAtHalf)
{
    TClipList clips;
    clips.Add(SpareClip(roundsAtHalf, true));
    return clips.ShieldedClipCost(0.5);
}

} // namespace

TEST(WeaponPerkCost, SniperStabilizerAndTwoLinksTimesTwoItems)
{
    TWeaponList list;
    list.AddRecord(DefaultWeaponRecord());
    for (int i = 0; i < 3; ++i)
        list.AddLink();
    TWeapon &w = list.Get(0);
    w.Data.SniperSystem = true;
    w.Data.Stabilized = true;
    w.Data.NumberOfItems = 2;
    w.Links.Set(0, true);
    w.Links.Set(2, true);

    TLogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(w.PerkCost(), 18);
    const TLogLines expected = {
        "          Weapon is Snipered... cost 5",
        "          Weapon is Stabilized... cost 2",
        "          Part of link 1... cost 1",
        "          Part of link 3... cost 1",
        "              Checking if any of the perks are ammo contained",
        "                Weapon Costs 18 In Perks",
    };
    EXPECT_EQ(log, expected);
}

TEST(WeaponPerkCost, PlainWeaponCostsNothing)
{
    TWeapon w;
    w.Data.NumberOfItems = 4;
    EXPECT_EQ(w.PerkCost(), 0);
}

TEST(ShieldedClipCost, ATenthOfTheWorthRoundedUp)
{
    EXPECT_EQ(ShieldedCostOfWorth(51), 3); // worth 25.5
    EXPECT_EQ(ShieldedCostOfWorth(41), 2); // worth 20.5: whole part 20 is a multiple of ten
    EXPECT_EQ(ShieldedCostOfWorth(1), 0);  // worth 0.5
    EXPECT_EQ(ShieldedCostOfWorth(0), 0);
    EXPECT_EQ(ShieldedCostOfWorth(2), 1);  // worth 1
}

TEST(ShieldedClipCost, LogsEachWorthTwiceAndTheClipCost)
{
    TClipList clips;
    clips.Add(SpareClip(51, true));
    TLogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(clips.ShieldedClipCost(0.5), 3);
    const TLogLines expected = {
        "              Checking if any of the perks are ammo contained",
        "        Ammo section 1",
        "              Base Cost (cost * ammount) of this section of ammo - 25.5",
        "          CLip is worth 25.5",
        "        Ammo section 1",
        "              Base Cost (cost * ammount) of this section of ammo - 25.5",
        "          CLip is worth 25.5",
        "               Clip 1 is contained... cost 3",
    };
    EXPECT_EQ(log, expected);
}

TEST(ShieldedClipCost, MagazineAndUnshieldedClipsDoNotCount)
{
    TClipList clips;
    clips.Mutable(0)->AddSection(Section(100));
    clips.Mutable(0)->Shielded = true;
    clips.Add(SpareClip(100, false));
    EXPECT_EQ(clips.ShieldedClipCost(1.0), 0);
    EXPECT_FALSE(clips.HasShieldedClip());
    clips.Add(SpareClip(30, true));
    EXPECT_EQ(clips.ShieldedClipCost(1.0), 3);
    EXPECT_TRUE(clips.HasShieldedClip());
}

TEST(ShieldedClipCost, AddsIntoThePerkCostBeforeTheItemCount)
{
    TWeapon w;
    w.Data.AmmoBaseCost = 0.5;
    w.Data.NumberOfItems = 3;
    w.Clips.Add(SpareClip(51, true));
    EXPECT_EQ(w.PerkCost(), 9);
}

TEST(WeaponTotals, SportingLinesAddAHundredPerItem)
{
    TWeaponList list;
    TWeaponRecord sporting = DefaultWeaponRecord();
    sporting.Sporting = true;
    list.AddRecord(sporting);
    list.AddRecord(DefaultWeaponRecord());
    sporting.NumberOfItems = 3;
    list.AddRecord(sporting);
    EXPECT_EQ(list.SportingCost(), 400.0);
}

TEST(WeaponTotals, PerkItemCountCountsTheSniperAndShieldOnce)
{
    TWeaponList list;
    TWeaponRecord sniper = DefaultWeaponRecord();
    sniper.SniperSystem = true;
    list.AddRecord(sniper);
    list.AddRecord(sniper);
    EXPECT_EQ(list.PerkItemCount(), 1);

    TWeaponRecord stabilized = DefaultWeaponRecord();
    stabilized.Stabilized = true;
    stabilized.NumberOfItems = 3;
    list.AddRecord(stabilized);
    EXPECT_EQ(list.PerkItemCount(), 4);

    list.AddLink();
    list.AddLink();
    EXPECT_EQ(list.PerkItemCount(), 6);

    list.Get(0).Clips.Add(SpareClip(10, true));
    list.Get(1).Clips.Add(SpareClip(10, true));
    EXPECT_EQ(list.PerkItemCount(), 7);
}

TEST(WeaponTotals, EmptyListGivesZeroEverywhere)
{
    const TWeaponList list;
    TLogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(list.PerkItemCount(), 0);
    EXPECT_EQ(list.TotalPerkCost(), 0.0);
    EXPECT_EQ(list.SportingCost(), 0.0);
    EXPECT_FALSE(list.HasMassDestruction());
    EXPECT_EQ(list.OTVSubtotal(5), 0.0);
    EXPECT_EQ(list.LinkCount(), 0);
    EXPECT_EQ(log, TLogLines{"      Total Perks stored with weapons"});
}

TEST(WeaponTotals, TotalPerkCostSumsTheLines)
{
    TWeaponList list;
    TWeaponRecord r = DefaultWeaponRecord();
    r.SniperSystem = true;
    list.AddRecord(r);
    r.SniperSystem = false;
    r.Stabilized = true;
    r.NumberOfItems = 2;
    list.AddRecord(r);
    EXPECT_EQ(list.TotalPerkCost(), 9.0);
}

TEST(WeaponOTV, RatingPlusItemsTimesClipsTimesWorthPerLine)
{
    TWeaponList list;
    TWeaponRecord r = DefaultWeaponRecord();
    r.Rating = 10;
    r.NumberOfItems = 2;
    r.AmmoBaseCost = 0.5;
    list.AddRecord(r);
    TWeapon &w = list.Get(0);
    w.Clips.Mutable(0)->AddSection(Section(4)); // worth 2
    TClip spare;
    spare.AddSection(Section(6)); // worth 3
    spare.ClipCount = 3;
    w.Clips.Add(spare);

    TLogLines log;
    ScopedCalculationLog on(log);
    // 10 x 2 items + 2 x 1 x 2 + 2 x 3 x 3
    EXPECT_EQ(list.OTVSubtotal(1), 42.0);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log.front(), "   Weapon 1");
    EXPECT_EQ(log[3], "       Now ammo... clip 0 is the internal magazine");
    EXPECT_EQ(log[4], "        Clip 0");
    EXPECT_NE(std::find(log.begin(), log.end(), "        Clip 1"), log.end());
    EXPECT_EQ(log.back(), "     OTV Subtotal so far = 42");
}
