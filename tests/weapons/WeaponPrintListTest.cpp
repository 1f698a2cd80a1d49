#include "base/CalculationLog.h"
#include "weapons/WeaponList.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

WeaponList PrintSample()
{
    WeaponList list;
    WeaponRecord lag = LightArtilleryGun();
    lag.AccMod = 1;
    lag.DmgMod = -1;
    lag.RangeMod = 1;
    lag.ROFMod = -1; // ROF 1 - 1 = 0: no ROF text
    lag.Arc = 8;
    list.AddRecord(lag);

    WeaponRecord fgc = FragmentationCannon();
    fgc.NumberOfItems = 2;
    fgc.ROF = 1;
    list.AddRecord(fgc);
    list.AddLink();
    list.AddLink();
    list.Get(1).Links.Set(0, true);
    list.Get(1).Links.Set(1, true);
    ClipList &clips = list.Get(1).Clips;
    clips.Mutable(0)->AddSection(Rounds(20, {0}));
    clips.Mutable(0)->AddSection(Rounds(6, {4}));
    Clip spare;
    spare.ClipCount = 4;
    spare.AddSection(Rounds(15, {8}));
    clips.Add(spare);
    return list;
}

} // namespace

TEST(WeaponPrintList, WeaponAmmoAndClipRows)
{
    const WeaponList list = PrintSample();
    const WeaponRecord before = list.Get(1).Data;
    const std::vector<PrintWeaponRow> rows = list.BuildPrintList(6);
    EXPECT_EQ(list.Get(1).Data, before);
    ASSERT_EQ(rows.size(), 5u);

    const PrintWeaponRow &lag = rows[0];
    EXPECT_EQ(lag.Name, "Light Artillery Gun");
    EXPECT_EQ(lag.Arc, "T");
    EXPECT_EQ(lag.ShortRange, 26);
    EXPECT_EQ(lag.ExtremeRange, 201);
    EXPECT_EQ(lag.Accuracy, -1);
    EXPECT_EQ(lag.Damage, 11);
    EXPECT_EQ(lag.Quantity, 1);
    EXPECT_EQ(lag.ROF, "");
    EXPECT_EQ(lag.Special, "M, AE0, MR10, IF");
    EXPECT_EQ(lag.Ammo, 0);

    const PrintWeaponRow &fgc = rows[1];
    EXPECT_EQ(fgc.Quantity, 2);
    EXPECT_EQ(fgc.ROF, "+1");
    // Link marks, then the codes of what the magazine holds (Anti-Laser, not the default Frag).
    EXPECT_EQ(fgc.Special, "L1 L2 AI, AL");
    EXPECT_EQ(fgc.Ammo, 20);

    // Ammunition and clip rows carry nothing but their code, count and codes.
    const auto row = [](const char *code, int32_t quantity, const char *special, int32_t ammo) {
        PrintWeaponRow r;
        r.Code = code;
        r.Quantity = quantity;
        r.Special = special;
        r.Ammo = ammo;
        return r;
    };
    EXPECT_EQ(rows[2], row("AMMO", 0, "Frag", 6));
    EXPECT_EQ(rows[3], row("CLIP", 4, "", 0));
    EXPECT_EQ(rows[4], row("AMMO", 0, "Smoke", 15));
}

TEST(WeaponPrintList, WeaponRowsCarryTheRatingWithoutWritingTheLog)
{
    const WeaponList list = PrintSample();
    LogLines log;
    ScopedCalculationLog on(log);
    const std::vector<PrintWeaponRow> rows = list.BuildPrintList(6);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(CalculationLog(), &log);
    EXPECT_EQ(rows[1].Rating, 390.0); // 195 x 2 items
}

TEST(WeaponPerkPrintList, RowsInOrderWithMentions)
{
    WeaponList list;
    WeaponRecord a = DefaultWeaponRecord();
    a.Code = "HATM";
    a.SniperSystem = true;
    a.Stabilized = true;
    list.AddRecord(a);
    WeaponRecord b = a;
    b.Code = "LPA";
    b.NumberOfItems = 3;
    b.Sporting = true;
    list.AddRecord(b);
    list.AddLink();
    list.AddLink();
    list.Get(0).Links.Set(1, true);
    list.Get(1).Links.Set(1, true);

    const std::vector<PrintPFDRow> rows = list.BuildPerkPrintList();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].Name, "Sniper System");
    EXPECT_EQ(rows[0].Effect, "+1 to long and Extreme rolls for HATM 3xLPA");
    EXPECT_EQ(rows[1].Name, "Sporting Weapons");
    EXPECT_EQ(rows[1].Effect, "Weapons do no damage -  3xLPA");
    EXPECT_EQ(rows[2].Name, "Stabilizer Mount");
    EXPECT_EQ(rows[2].Effect, "(Must stop and set for one action to use HATM");
    EXPECT_EQ(rows[3].Effect, "Must stop and set for one action to use 3xLPA");
    EXPECT_EQ(rows[4].Name, "Weapon Link");
    EXPECT_EQ(rows[4].Effect, "L1:");
    EXPECT_EQ(rows[5].Effect, "L2: HATM 3xLPA");
    for (const PrintPFDRow &row : rows)
        EXPECT_TRUE(row.Rating.empty() && row.GameData.empty() && row.Aux != 0) << row.Name;
}

TEST(WeaponPerkPrintList, SingleStabilizerTextIsCutToFifty)
{
    WeaponList list;
    WeaponRecord r = DefaultWeaponRecord();
    r.Code = "ABCDEFGHIJ";
    r.Stabilized = true;
    list.AddRecord(r);
    EXPECT_EQ(list.BuildPerkPrintList()[0].Effect, "(Must stop and set for one action to use ABCDEFGHI");
}

} // namespace aw
