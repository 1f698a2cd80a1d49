#include "weapons/WeaponGridRows.h"

#include "tests/support/SampleRecords.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Column(const std::vector<TWeaponGridRow> &rows, int column)
{
    std::vector<std::string> cells;
    for (const TWeaponGridRow &row : rows)
        cells.push_back(row.at(static_cast<size_t>(column)));
    return cells;
}

using Cells = std::vector<std::string>;

} // namespace

TEST(WeaponGridRows, ClipZeroHasNoRowOfItsOwnAndSpareClipsPrecedeTheirSections)
{
    TWeaponList list;
    list.AddRecord(FragmentationCannon());
    TWeapon &gun = list.Get(0);
    TClip magazine;
    magazine.AddSection(Rounds(10));
    magazine.AddSection(Rounds(20));
    gun.Clips.Set(0, magazine);
    TClip spare;
    spare.AddSection(Rounds(30));
    gun.Clips.Add(spare);
    gun.Clips.Add(TClip()); // a spare clip without sections
    list.AddRecord(LightArtilleryGun());

    const std::vector<TWeaponGridRow> rows = WeaponGridRows(list);
    EXPECT_EQ(Column(rows, weapongrid::Kind), (Cells{"W", "A", "A", "C", "A", "C", "W"}));
    EXPECT_EQ(Column(rows, weapongrid::Index), (Cells{"0", "0", "1", "1", "0", "2", "1"}));
    EXPECT_EQ(Column(rows, weapongrid::Ammo), (Cells{"0.75", "10", "20", "1", "30", "1", "4.4"}));
    EXPECT_EQ(Column(rows, weapongrid::Code), (Cells{"FGC", "   AMMO", "   AMMO", "   CLIP", "   AMMO", "   CLIP", "LAG"}));
}

TEST(WeaponGridRows, WeaponRowShowsModifiedValues)
{
    TWeaponRecord r = FragmentationCannon(); // range 1, acc +1, dmg 7, ROF 0, min size 5
    r.RangeMod = 1;
    r.AccMod = -1;
    r.DmgMod = 1;
    r.ROFMod = -1;
    r.Arc = 12;
    r.NumberOfItems = 3;
    TWeaponList list;
    list.AddRecord(r);

    const TWeaponGridRow row = WeaponGridRows(list).at(0);
    EXPECT_EQ(row.size(), static_cast<size_t>(kWeaponGridColumns));
    EXPECT_EQ(row[weapongrid::Items], "3");
    EXPECT_EQ(row[weapongrid::Description], "Fragmentation Cannon");
    EXPECT_EQ(row[weapongrid::Arc], "pFL");
    EXPECT_EQ(row[weapongrid::BaseRange], "2");
    EXPECT_EQ(row[weapongrid::Accuracy], "0");
    EXPECT_EQ(row[weapongrid::Damage], "x8");
    EXPECT_EQ(row[weapongrid::ROF], "-1");
    EXPECT_EQ(row[weapongrid::Special], "M, AI, Frag");

    list.Get(0).Data.AccMod = 1;
    list.Get(0).Data.ROFMod = 1;
    const TWeaponGridRow raised = WeaponGridRows(list).at(0);
    EXPECT_EQ(raised[weapongrid::Accuracy], "+2");
    EXPECT_EQ(raised[weapongrid::ROF], "+1");
}

TEST(WeaponGridRows, MinSizeColumnCountsTheAmmunition)
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.MinSize = 2;
    TWeaponList list;
    list.AddRecord(r);
    TClip magazine;
    magazine.AddSection(Rounds(81));
    list.Get(0).Clips.Set(0, magazine);
    EXPECT_EQ(WeaponGridRows(list).at(0)[weapongrid::MinSize], "2");
    magazine.SetSection(0, Rounds(82));
    list.Get(0).Clips.Set(0, magazine);
    EXPECT_EQ(WeaponGridRows(list).at(0)[weapongrid::MinSize], "3");
}

TEST(WeaponGridRows, ClipAndAmmunitionRows)
{
    TWeaponList list;
    list.AddRecord(DefaultWeaponRecord());
    TClip spare;
    spare.ClipCount = 3;
    spare.Shielded = true;
    spare.AddSection(Rounds(40, {0, 4}));
    list.Get(0).Clips.Add(spare);

    const std::vector<TWeaponGridRow> rows = WeaponGridRows(list);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][weapongrid::Ammo], "3");
    EXPECT_EQ(rows[1][weapongrid::Special], "Shielded Ammo Container");
    EXPECT_EQ(rows[1][weapongrid::Items], "");
    EXPECT_EQ(rows[2][weapongrid::Ammo], "40");
    EXPECT_EQ(rows[2][weapongrid::Special], "AL, Frag");
    EXPECT_EQ(rows[2][weapongrid::Description], "");

    list.Get(0).Clips.Mutable(1)->Shielded = false;
    EXPECT_EQ(WeaponGridRows(list)[1][weapongrid::Special], "");
}

TEST(WeaponGridRows, LinkColumnsMarkMembersOnWeaponRowsOnly)
{
    TWeaponList list;
    list.AddRecord(DefaultWeaponRecord());
    list.AddRecord(DefaultWeaponRecord());
    list.AddLink();
    list.AddLink();
    list.Get(0).Links.Set(1, true);
    list.Get(1).Links.Set(0, true);
    list.Get(1).Clips.Add(TClip());

    const std::vector<TWeaponGridRow> rows = WeaponGridRows(list);
    ASSERT_EQ(rows.size(), 3u);
    for (const TWeaponGridRow &row : rows)
        EXPECT_EQ(row.size(), static_cast<size_t>(kWeaponGridColumns + 2));
    EXPECT_EQ(Column(rows, kWeaponGridLinkColumn), (Cells{"", "X", ""}));
    EXPECT_EQ(Column(rows, kWeaponGridLinkColumn + 1), (Cells{"X", "", ""}));
}
