#include "tests/support/SampleDesigns.h"

#include "engine/DesignDiff.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <limits>

namespace aw {

namespace {

DesignDifference Diff(std::string path, std::string a, std::string b)
{
    return {std::move(path), std::move(a), std::move(b)};
}

} // namespace

TEST(DesignDiff, EqualDesignsHaveNoDifference)
{
    EXPECT_TRUE(DiffDesignFields(*FullDesign(), *FullDesign()).empty());
    auto a = FullDesign();
    auto b = FullDesign();
    EXPECT_TRUE(CompareDesigns(*a, *b).empty());
}

TEST(DesignDiff, FieldsAndListEntriesAreListedInFieldOrder)
{
    const auto a = FullDesign();
    auto b = FullDesign();
    b->Armor = 14;
    b->Name = "Sch\xFCtze\t2\x9D";      // a byte Windows-1252 leaves undefined: a C1 control once printed
    b->CommRange = 0.30000000000000004; // next to 0.3: must not look like it
    a->CommRange = 0.3;
    a->SensorRange = 2e6; // written out, as the sheets write it
    b->SensorRange = 1e-300;
    b->History.back() = 'd'; // as long as before
    b->CustomProduction.CustomModelDice = -1;
    b->Picture = TinyBitmap(5, 3, 0x41); // same size, other pixels
    MovementRecord fast = b->Movement->Get(2);
    fast.TopSpeed = 120;
    b->Movement->Set(2, fast);
    b->Perks->Delete(0);
    Clip &spare = *b->Weapons->Get(0).Clips.Mutable(1);
    AmmoSection s = spare.GetSection(0);
    s.Selected[21] = true;
    spare.SetSection(0, s);
    spare.AddSection(ClearAmmoSection());
    b->Weapons->Get(2).Links.Set(1, true);
    b->Weapons->Get(1).Data.BaseAmmo.Amount = 5;

    const DesignDifferences expected = {
        Diff("Name", "\"Sch\xFCtze \x80 \\\"Mk II\\\"\"", "\"Sch\xFCtze\\t2\\x9D\""),
        Diff("Armor", "12", "14"),
        Diff("SensorRange", "2000000", "1e-300"),
        Diff("CommRange", "0.3", "0.30000000000000004"),
        Diff("History", "\"Built in \x85 some year\"", "\"Built in \x85 some yead\""),
        Diff("Picture", "bitmap of 102 bytes, checksum " + std::string(), ""), // checked by prefix below
        Diff("CustomProduction.CustomModelDice", "2", "-1"),
        Diff("movement[2].TopSpeed", "90.5", "120"),
        Diff("perks[0].PFDName", "\"Ammo Storage\"", "\"Battle Arm\""),
        Diff("perks[1]", "\"Battle Arm\"", "(none)"),
        Diff("weapons[0].clips[1].sections[0].Selected", "[4]", "[4, 21]"),
        Diff("weapons[0].clips[1].sections[1]", "(none)", "0 rounds"),
        Diff("weapons[1].BaseAmmo.Amount", "0", "5"),
        Diff("weapons[2].links[1]", "false", "true"),
    };
    const DesignDifferences found = DiffDesignFields(*a, *b);
    // The two perks differ in many fields; keep the first of entry 0 and the missing entry 1.
    DesignDifferences shown;
    for (const DesignDifference &d : found)
        if (d.Path.rfind("perks[0].", 0) != 0 || d.Path == "perks[0].PFDName")
            shown.push_back(d);
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(shown[i].Path, expected[i].Path);
        if (expected[i].Path == "Picture") {
            EXPECT_EQ(shown[i].A.rfind("bitmap of 102 bytes, checksum ", 0), 0u) << shown[i].A;
            EXPECT_EQ(shown[i].B.rfind("bitmap of 102 bytes, checksum ", 0), 0u) << shown[i].B;
            EXPECT_NE(shown[i].A, shown[i].B);
        } else {
            EXPECT_EQ(shown[i], expected[i]);
        }
    }
    // The paths alone, as the undo history names a change by them.
    std::vector<std::string> paths;
    for (const DesignDifference &d : found)
        paths.push_back(d.Path);
    EXPECT_EQ(DifferingFieldPaths(*a, *b), paths);
}

TEST(DesignDiff, APictureOnOneSideOnlyAndMissingEntries)
{
    const auto a = SmallDesign("A");
    auto b = SmallDesign("A");
    b->Picture = TinyBitmap(1, 1);
    b->Weapons->Clear();
    b->Movement->Add(b->Movement->Get(0));
    const DesignDifferences found = DiffDesignFields(*a, *b);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].Path, "Picture");
    EXPECT_EQ(found[0].A, "(none)");
    EXPECT_EQ(found[1], Diff("movement[1]", "(none)", "\"Ground\""));
    EXPECT_EQ(found[2], Diff("weapons[0]", "\"Heavy MG\"", "(none)"));
}

TEST(DesignDiff, ResultsThatDifferAreListedByName)
{
    auto a = SmallDesign("A", 6);
    auto b = SmallDesign("A", 30);
    const DesignDifferences found = CompareDesigns(*a, *b);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front().Path, "Armor");
    // More armour means a higher defensive value and threat value; the offensive value stays.
    std::vector<std::string> paths;
    for (const DesignDifference &d : found)
        paths.push_back(d.Path);
    EXPECT_NE(std::find(paths.begin(), paths.end(), "results.DTV"), paths.end());
    EXPECT_NE(std::find(paths.begin(), paths.end(), "results.ThreatValue"), paths.end());
    EXPECT_NE(std::find(paths.begin(), paths.end(), "results.FinalCost"), paths.end());
    EXPECT_EQ(std::find(paths.begin(), paths.end(), "results.OTV"), paths.end());
    EXPECT_EQ(std::find(paths.begin(), paths.end(), "results.ModelLemonDice"), paths.end());

    DesignOutcome x, y;
    y.ModelLemonDice = 3;
    y.Results.FinalCost = 1e18L + 1; // beyond a double's precision: still told apart
    x.Results.FinalCost = 1e18L;
    x.Results.DTV = -0.0; // shown and compared as 0, as everywhere else
    const DesignDifferences outcomes = DiffDesignOutcomes(x, y);
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0], Diff("results.FinalCost", "1000000000000000000", "1000000000000000001"));
    EXPECT_EQ(outcomes[1], Diff("results.ModelLemonDice", "0", "3"));
}

} // namespace aw
