#include "base/CalculationLog.h"
#include "base/Stream.h"
#include "weapons/ClipList.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponList.h"

#include "tests/support/SampleRecords.h"

#include <gtest/gtest.h>

namespace aw {

namespace {
constexpr int kAntiLaser = 0;
constexpr int kFrag = 4;
constexpr int kPaint = 7;
constexpr int kSensorHoming = 22;

Clip ClipOf(std::initializer_list<AmmoSection> sections)
{
    Clip clip;
    for (const AmmoSection &s : sections)
        clip.AddSection(s);
    return clip;
}

const char *const kBaseLine = "              Base Cost (cost * ammount) of this section of ammo - ";
} // namespace

TEST(SectionCost, AntiLaserMultipliesByFiveAndNeedsNoRounding)
{
    const Clip clip = ClipOf({Rounds(100, {kAntiLaser})});
    LogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(clip.SectionCost(0, 0.02), 10.0);
    EXPECT_EQ(log, (LogLines{kBaseLine + std::string("2"), "               Cost after Anti-Laser = 10"}));
}

TEST(SectionCost, RoundsHalvesToEvenHundredths)
{
    const Clip clip = ClipOf({Rounds(1), Rounds(1), Rounds(1), Rounds(0)});
    LogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(clip.SectionCost(0, 0.125), 0.12); // 12.5 hundredths: even 12
    EXPECT_EQ(log, (LogLines{kBaseLine + std::string("0.125"), "               Cost after rounding = 0.12"}));
    EXPECT_EQ(clip.SectionCost(1, 0.375), 0.38); // 37.5: even 38
    EXPECT_EQ(clip.SectionCost(2, 0.0149), 0.01);

    // No rounds: zero, only the base line.
    log.clear();
    EXPECT_EQ(clip.SectionCost(3, 0.33), 0.0);
    EXPECT_EQ(log, LogLines{kBaseLine + std::string("0")});
}

TEST(SectionCost, FreeTypesCostNothingExtra)
{
    AmmoSection freeFrag = Rounds(10, {kFrag});
    freeFrag.Free[kFrag] = true;
    const Clip clip = ClipOf({freeFrag, Rounds(10, {kFrag})});
    EXPECT_EQ(clip.SectionCost(0, 1.0), 10.0);
    EXPECT_EQ(clip.SectionCost(1, 1.0), 150.0);
}

TEST(SectionCost, FactorsApplyInTypeOrderAndMassDestructionOnlyLogs)
{
    const Clip clip = ClipOf({Rounds(2, {kSensorHoming, kMassDestructionAmmo, kPaint})});
    LogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(clip.SectionCost(0, 0.5), 60.0);
    const LogLines expected = {
        kBaseLine + std::string("1"),
        "               Cost after Paint = 2",
        "               Mass Distruct calced later",
        "               Cost after Sensor homeing = 60",
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(clip.SectionCost(1, 1.0), 0.0);
    EXPECT_EQ(log.size(), 4u); // out of range: nothing logged
}

TEST(ClipWorth, SumsSectionsAndLogsEachSection)
{
    const Clip clip = ClipOf({Rounds(100, {kAntiLaser}), Rounds(1)});
    LogLines log;
    ScopedCalculationLog on(log);
    EXPECT_EQ(clip.Worth(0.02), 10.02);
    const LogLines expected = {
        "        Ammo section 1", kBaseLine + std::string("2"),    "               Cost after Anti-Laser = 10",
        "        Ammo section 2", kBaseLine + std::string("0.02"), "          CLip is worth 10.02",
    };
    EXPECT_EQ(log, expected);

    log.clear();
    EXPECT_EQ(Clip().Worth(5.0), 0.0);
    EXPECT_EQ(log, LogLines{"          CLip is worth 0"});
}

TEST(AmmoCodes, ListsSelectedTypesIncludingFreeOnes)
{
    AmmoSection s = Rounds(1, {kAntiLaser, kFrag});
    s.Free[kFrag] = true;
    s.Allowed[3] = true; // allowed but not loaded: no code
    EXPECT_EQ(AmmoCodes(s), "AL, Frag");
    EXPECT_EQ(AmmoCodes(Rounds(1)), "");
}

TEST(ClipList, OutOfRangeClipsAndSectionsAreEmptyAndNotAdded)
{
    ClipList clips;
    ASSERT_EQ(clips.Count(), 1);
    EXPECT_EQ(clips.Get(5).SectionCount(), 0);
    EXPECT_EQ(clips.Get(-1).ClipCount, 1);
    EXPECT_EQ(clips.Mutable(1), nullptr);
    EXPECT_EQ(clips.Count(), 1);

    Clip clip = ClipOf({Rounds(3)});
    EXPECT_EQ(clip.GetSection(1), ClearAmmoSection());
    clip.SetSection(7, Rounds(9));
    clip.ExchangeSections(0, 2);
    ASSERT_EQ(clip.SectionCount(), 2);
    EXPECT_EQ(clip.GetSection(1).Amount, 9);
}

TEST(ClipList, TotalAmmoIsMagazinePlusLargestSpare)
{
    ClipList clips;
    clips.Mutable(0)->AddSection(Rounds(30));
    clips.Add(ClipOf({Rounds(20)}));
    clips.Add(ClipOf({Rounds(25), Rounds(25)}));
    clips.Add(ClipOf({Rounds(15)}));
    EXPECT_EQ(clips.TotalAmmo(), 80);
}

TEST(EffectiveMinSize, AmmunitionBeyondTheThresholdAddsSizeSteps)
{
    struct Case {
        int32_t MinSize;
        int32_t Rounds;
        int32_t Expected;
    };
    const Case cases[] = {
        {2, 81, 2},  {2, 82, 3},  {2, 321, 3}, {2, 322, 4}, // threshold 80, x4
        {1, 626, 1}, {1, 627, 2}, {7, 3, 7},   {7, 4, 8},   // thresholds 625 and 2
        {0, 2, 0},   {0, 3, 1},   {0, 5, 1},   {0, 6, 2},   // threshold 1, x4
        {12, 4, 13}, {12, 5, 14}, {25, 3, 26}, {25, 4, 27}, // x3 from 10, x2 from 20
        {3, -50, 3},
    };
    for (const Case &c : cases) {
        Weapon w;
        w.Data.MinSize = c.MinSize;
        w.Clips.Mutable(0)->AddSection(Rounds(c.Rounds));
        EXPECT_EQ(w.EffectiveMinSize(), c.Expected) << "min size " << c.MinSize << ", rounds " << c.Rounds;
    }
}

TEST(EffectiveMinSize, StabilizerSizeModificationAndHugeValues)
{
    Weapon w;
    w.Data.MinSize = 2;
    w.Clips.Mutable(0)->AddSection(Rounds(82));
    w.Data.Stabilized = true;
    EXPECT_EQ(w.EffectiveMinSize(), 1);
    w.Data.SizeMod = -1;
    EXPECT_EQ(w.EffectiveMinSize(), 0);

    Weapon huge;
    huge.Data.MinSize = 2147483647;
    for (int i = 0; i < 3; ++i)
        huge.Clips.Mutable(0)->AddSection(Rounds(2147483647));
    EXPECT_EQ(huge.EffectiveMinSize(), 2147483647);
}

TEST(MassDestruction, SelectedInAnyClipOfAnyWeapon)
{
    WeaponList list;
    EXPECT_FALSE(list.HasMassDestruction());
    list.AddRecord(DefaultWeaponRecord());
    list.AddRecord(DefaultWeaponRecord());
    AmmoSection onlyAllowed = Rounds(5, {kFrag});
    onlyAllowed.Allowed[kMassDestructionAmmo] = true;
    onlyAllowed.Free[kMassDestructionAmmo] = true;
    list.Get(1).Clips.Add(ClipOf({onlyAllowed}));
    EXPECT_FALSE(list.HasMassDestruction());

    list.Get(1).Clips.Add(ClipOf({Rounds(1), Rounds(1, {kMassDestructionAmmo})}));
    EXPECT_TRUE(list.HasMassDestruction());
}

TEST(ClipStream, LoadingDropsTheShieldAndReadsTheClipCount)
{
    Clip stored = ClipOf({Rounds(12, {kFrag})});
    stored.ClipCount = 5;
    Stream stream;
    stored.SaveToStream(stream);

    Clip clip = ClipOf({Rounds(1), Rounds(2)});
    clip.Shielded = true;
    stream.Seek(0);
    clip.LoadFromStream(stream);
    EXPECT_FALSE(clip.Shielded);
    stored.Shielded = false;
    EXPECT_EQ(clip, stored);
}

} // namespace aw
