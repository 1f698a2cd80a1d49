#include "tests/support/SampleDesigns.h"

#include "engine/DesignResults.h"
#include "engine/ThreatValue.h"
#include "engine/ThreatValueReuse.h"
#include "engine/base/CalculationLog.h"
#include "weapons/WeaponList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The refresh with the log on, which computes every value again.
TDesignResults RefreshWithoutReuse(TBaseVehicle &v)
{
    TLogLines lines;
    ScopedCalculationLog log(lines);
    return ComputeResults(v);
}

void ExpectSameResults(const TDesignResults &a, const TDesignResults &b)
{
    EXPECT_EQ(a.FinalCost, b.FinalCost);
    EXPECT_EQ(a.ThreatValue, b.ThreatValue);
    EXPECT_EQ(a.FinalSizeShown, b.FinalSizeShown);
    EXPECT_EQ(a.OTV, b.OTV);
    EXPECT_EQ(a.DTV, b.DTV);
    EXPECT_EQ(a.MTV, b.MTV);
    EXPECT_EQ(a.DefaultSize, b.DefaultSize);
    EXPECT_EQ(a.DefaultCost, b.DefaultCost);
    EXPECT_EQ(a.DefaultMass, b.DefaultMass);
    EXPECT_EQ(a.PreProductionCost, b.PreProductionCost);
    EXPECT_EQ(a.FinalSize, b.FinalSize);
}

} // namespace

TEST(ThreatValueReuse, RefreshGivesTheSameFiguresAsComputingEverythingAgain)
{
    // Hammer's pass raises armour, crew and final size during the first refresh, the new
    // design and the carriage change the final size: every stored value must follow.
    std::unique_ptr<TVehicle> (*designs[])() = {HammerDesign, StrikerDesign, CarriageGunDesign};
    for (auto make : designs) {
        auto reused = make();
        auto fresh = make();
        for (int refresh = 0; refresh < 2; ++refresh) {
            SCOPED_TRACE(reused->Name + " refresh " + std::to_string(refresh));
            ExpectSameResults(ComputeResults(*reused), RefreshWithoutReuse(*fresh));
            EXPECT_EQ(reused->Armor, fresh->Armor);
            EXPECT_EQ(reused->Crew, fresh->Crew);
        }
    }
    TVehicle a, b;
    ExpectSameResults(ComputeResults(a), RefreshWithoutReuse(b));
}

TEST(ThreatValueReuse, ChangedArmourIsNotServedAnOldValue)
{
    TVehicle v;
    v.Armor = 3;
    v.FinalSize = 5;
    v.Weapons->AddRecord(WeaponWith("Sized", -1)); // rated at the final size
    ScopedThreatValueReuse reuse(v);
    EXPECT_EQ(OTV(v), 5);
    EXPECT_EQ(DTV(v), 9);
    v.Armor = 4;
    EXPECT_EQ(DTV(v), 16);
    v.Crew = 4;
    EXPECT_EQ(MTV(v), 27);
    v.FinalSize = 7;
    EXPECT_EQ(OTV(v), 7);
}

TEST(ThreatValueReuse, WithTheLogOnEveryRunIsWritten)
{
    TVehicle v;
    ScopedThreatValueReuse reuse(v);
    ThreatValue(v); // stored while the log is off
    TLogLines lines;
    {
        ScopedCalculationLog log(lines);
        ThreatValue(v);
        ThreatValue(v);
    }
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "*Begining Threat Value Calcs"), 2);
}
