#include "weapons/WeaponTexts.h"

#include "WeaponFixtures.h"

#include <gtest/gtest.h>

TEST(SpecialCodes, LibraryRecords)
{
    EXPECT_EQ(SpecialCodes(fixtures::LightArtilleryGun()), "AE0, MR10, IF");
    EXPECT_EQ(SpecialCodes(fixtures::FragmentationCannon()), "AI, Frag");
}

TEST(SpecialCodes, DefaultIsEmptyAndBareCustomIsC)
{
    EXPECT_EQ(SpecialCodes(DefaultWeaponRecord()), "");
    TWeaponRecord custom = DefaultWeaponRecord();
    custom.WeaponType = kCustomWeaponType;
    EXPECT_EQ(SpecialCodes(custom), "C");
    custom.Haywire = true;
    EXPECT_EQ(SpecialCodes(custom), "C, Hay");
}

TEST(SpecialCodes, NumbersModificationsAndFlagOrder)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.RangeMod = -1;
    r.PoorWorkmanship = 2;
    r.DamagePerRB = -3;
    r.Sporting = true;
    r.AntiInf = true;
    r.Stabilized = true;
    r.Disposable = true;
    EXPECT_EQ(SpecialCodes(r), "M, PW-2, DpRB-3, AI, Dis, Stbl, Sport");

    TWeaponRecord all = DefaultWeaponRecord();
    for (bool TWeaponRecord::*flag :
         {&TWeaponRecord::AntiInf, &TWeaponRecord::Guided, &TWeaponRecord::Haywire, &TWeaponRecord::Incendiary,
          &TWeaponRecord::IndirectFire, &TWeaponRecord::ArmorPiercing, &TWeaponRecord::ArmorCrushing,
          &TWeaponRecord::Clumsy, &TWeaponRecord::Entangle, &TWeaponRecord::Disposable,
          &TWeaponRecord::SniperSystem, &TWeaponRecord::Stabilized, &TWeaponRecord::Sporting})
        all.*flag = true;
    EXPECT_EQ(SpecialCodes(all), "AI, Guid, Hay, Inc, IF, AP, AC, Cl, En, Dis, Snpr, Stbl, Sport");
}

TEST(SpecialCodes, AmmunitionFollowsTheFlags)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Incendiary = true;
    r.IndirectFire = true;
    r.BaseAmmo.Selected[18] = true;
    r.BaseAmmo.Free[18] = true;
    EXPECT_EQ(SpecialCodes(r), "Inc, IF, SlowBurn");

    TWeaponRecord onlyAmmo = DefaultWeaponRecord();
    onlyAmmo.BaseAmmo.Selected[0] = true;
    onlyAmmo.BaseAmmo.Selected[8] = true;
    EXPECT_EQ(SpecialCodes(onlyAmmo), "AL, Smoke");
}

TEST(SpecialCodes, AreaEffectAndMinimumRangeThresholds)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.AreaEffect = -2;
    r.MinimumRange = -5;
    EXPECT_EQ(SpecialCodes(r), "");
    r.AreaEffect = 3;
    r.MinimumRange = 1;
    EXPECT_EQ(SpecialCodes(r), "AE3, MR1");
}

TEST(ArcCodes, TableAndOutOfRange)
{
    const char *codes[] = {"F",  "FF",  "L",  "FL",  "R",  "FR",  "Rr",  "FRr",  "T",
                           "pF", "pFF", "pL", "pFL", "pR", "pFR", "pRr", "pFRr", "pT"};
    for (int arc = 0; arc < 18; ++arc)
        EXPECT_EQ(ArcCode(arc), codes[arc]) << arc;
    EXPECT_EQ(ArcCode(18), "");
    EXPECT_EQ(ArcCode(-1), "");
    EXPECT_EQ(ArcCaption(0), "Forward");
    EXPECT_EQ(ArcCaption(7), "Fixed Rear");
    EXPECT_EQ(ArcCaption(8), "Turreted");
    EXPECT_EQ(ArcCaption(9), "");
}

TEST(WeaponRanges, BandsFromBaseAndBonusesWithOptionalModification)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.BaseRange = 3;
    r.MediumBonus = 1;
    r.LongBonus = 2;
    r.ExtremeBonus = -4;
    r.RangeMod = -1;
    const TWeaponRanges plain = RangeText(r, false);
    EXPECT_EQ(plain.Short, 3);
    EXPECT_EQ(plain.Medium, 7);
    EXPECT_EQ(plain.Long, 14);
    EXPECT_EQ(plain.Extreme, 20);
    const TWeaponRanges mounted = RangeText(r, true);
    EXPECT_EQ(mounted.Short, 2);
    EXPECT_EQ(mounted.Medium, 6);
    EXPECT_EQ(mounted.Long, 13);
    EXPECT_EQ(mounted.Extreme, 19);
}

TEST(LibraryGrid, RowShowsTheRecord)
{
    TWeaponRecord hfl = DefaultWeaponRecord();
    hfl.Name = "Heavy Flamer";
    hfl.Code = "HFL";
    hfl.Rating = 134;
    hfl.LongBonus = 1;
    hfl.ExtremeBonus = 2;
    hfl.Damage = 9;
    hfl.Accuracy = 1;
    hfl.ROF = 2;
    hfl.MinSize = 3;
    hfl.WeaponType = 3;
    hfl.AmmoBaseCost = 0.27;
    hfl.RangeMod = 1; // a library grid ignores it
    hfl.Incendiary = true;
    hfl.IndirectFire = true;
    hfl.BaseAmmo.Selected[18] = true;
    hfl.BaseAmmo.Free[18] = true;
    const TLibraryGridRow expected = {"HFL", "Heavy Flamer", "134", "0",    "0", "1",   "2",
                                      "+1",  "9",            "+2",  "0.27", "3", "M, Inc, IF, SlowBurn"};
    EXPECT_EQ(LibraryGridRow(hfl), expected);

    TWeaponRecord cr = DefaultWeaponRecord();
    cr.Rating = -1;
    cr.Accuracy = -2;
    cr.ROF = 0;
    const TLibraryGridRow row = LibraryGridRow(cr);
    EXPECT_EQ(row[2], "-1");
    EXPECT_EQ(row[7], "-2");
    EXPECT_EQ(row[9], "0");
}

TEST(LibraryGrid, CaptionsAndSortColumns)
{
    const TLibraryGridRow &captions = LibraryGridCaptions();
    EXPECT_EQ(captions[0], "Code");
    EXPECT_EQ(captions[4], "Med.");
    EXPECT_EQ(captions[11], "Min Size");
    EXPECT_EQ(captions[12], "Special");
    const int expected[] = {1, 2, 3, 4, 4, 4, 4, 5, 6, 7, 8, 9, 0};
    for (int c = 0; c < kLibraryGridColumns; ++c)
        EXPECT_EQ(LibraryGridSortColumn(c), expected[c]) << c;
    EXPECT_EQ(LibraryGridSortColumn(13), 0);
}

TEST(WeaponTypes, TabCaptions)
{
    EXPECT_EQ(WeaponTypeCaption(1), "Rockets && Missiles");
    EXPECT_EQ(WeaponTypeCaption(2), "Recoiless Weapons");
    EXPECT_EQ(WeaponTypeCaption(6), "Custom");
    EXPECT_EQ(WeaponTypeCaption(7), "");
}
