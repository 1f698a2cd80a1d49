#include "weapons/WeaponTexts.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

namespace aw {

TEST(SpecialCodes, LibraryRecords)
{
    EXPECT_EQ(SpecialCodes(LightArtilleryGun()), "AE0, MR10, IF");
    EXPECT_EQ(SpecialCodes(FragmentationCannon()), "AI, Frag");
}

TEST(SpecialCodes, DefaultIsEmptyAndBareCustomIsC)
{
    EXPECT_EQ(SpecialCodes(DefaultWeaponRecord()), "");
    WeaponRecord custom = DefaultWeaponRecord();
    custom.WeaponType = kCustomWeaponType;
    EXPECT_EQ(SpecialCodes(custom), "C");
    custom.Haywire = true;
    EXPECT_EQ(SpecialCodes(custom), "C, Hay");
}

TEST(SpecialCodes, NumbersModificationsFlagsAndAmmunitionInOrder)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.RangeMod = -1;
    r.PoorWorkmanship = 2;
    r.DamagePerRB = -3;
    r.MinimumRange = -5; // not shown
    r.Sporting = true;
    r.AntiInf = true;
    r.Stabilized = true;
    r.Disposable = true;
    EXPECT_EQ(SpecialCodes(r), "M, PW-2, DpRB-3, AI, Dis, Stbl, Sport");

    r.BaseAmmo = Rounds(1, {0, 8});
    EXPECT_EQ(SpecialCodes(r), "M, PW-2, DpRB-3, AI, Dis, Stbl, Sport, AL, Smoke");
}

TEST(WeaponRanges, BandsFromBaseAndBonusesWithOptionalModification)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.BaseRange = 3;
    r.MediumBonus = 1;
    r.LongBonus = 2;
    r.ExtremeBonus = -4;
    r.RangeMod = -1;
    const WeaponRanges plain = RangeText(r, false);
    EXPECT_EQ(plain.Short, 3);
    EXPECT_EQ(plain.Medium, 7);
    EXPECT_EQ(plain.Long, 14);
    EXPECT_EQ(plain.Extreme, 20);
    EXPECT_EQ(RangeText(r, true).Extreme, 19);
}

TEST(MountedFigures, RecordValuePlusModificationWithoutWrapping)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Accuracy = -2;
    r.AccMod = 1;
    r.Damage = 12;
    r.DmgMod = -1;
    r.ROF = 0;
    r.ROFMod = -1;
    EXPECT_EQ(MountedAccuracy(r), -1);
    EXPECT_EQ(MountedDamage(r), 11);
    EXPECT_EQ(MountedROF(r), -1);
    r.Damage = INT32_MAX; // a damaged record: the sum leaves the 32-bit range rather than wrapping
    r.DmgMod = 1;
    EXPECT_EQ(MountedDamage(r), int64_t{INT32_MAX} + 1);
}

TEST(LibraryGrid, RowShowsTheRecordWithoutItsModifications)
{
    WeaponRecord hfl = DefaultWeaponRecord();
    hfl.Name = "Heavy Flamer";
    hfl.Code = "HFL";
    hfl.Rating = 134;
    hfl.LongBonus = 1;
    hfl.ExtremeBonus = 2;
    hfl.Damage = 9;
    hfl.Accuracy = 1;
    hfl.ROF = 2;
    hfl.MinSize = 3;
    hfl.AmmoBaseCost = 0.27;
    hfl.RangeMod = 1;
    hfl.Incendiary = true;
    hfl.IndirectFire = true;
    const LibraryGridRow expected = {"HFL", "Heavy Flamer", "134",  "0", "0",         "1", "2", "+1",
                                     "9",   "+2",           "0.27", "3", "M, Inc, IF"};
    EXPECT_EQ(LibraryGridRowOf(hfl), expected);

    WeaponRecord cr = DefaultWeaponRecord();
    cr.Rating = -1;
    cr.Accuracy = -2;
    const LibraryGridRow row = LibraryGridRowOf(cr);
    EXPECT_EQ(row[2], "-1");
    EXPECT_EQ(row[7], "-2");
    EXPECT_EQ(row[9], "0");
}

} // namespace aw
