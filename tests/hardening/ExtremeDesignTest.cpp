// Designs with extreme values, as a damaged or hand-made file can hold them: the editor's
// refresh must finish at once and keep the constraint pass's rules.
#include "HardeningSupport.h"

#include "base/CalculationLog.h"
#include "engine/DesignResults.h"
#include "engine/PerkList.h"
#include "engine/SizeAndCost.h"
#include "engine/Vehicle.h"
#include "output/PrintJob.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace aw {

namespace {

int CountLines(const LogLines &lines, const std::string &line)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

const std::string kRaisedLine =
    "                         we only increment the armor by 1... each time... so we don' over shoot";
const std::string kMorePrefix = "                   ... and ";
const std::string kMoreSuffix = " more armor the same way";

// The armour steps the log accounts for: one per logged step plus those summed up in the
// "... and N more" lines. Counts those lines in summaries.
int64_t LoggedArmourSteps(const LogLines &lines, int &summaries)
{
    int64_t steps = CountLines(lines, kRaisedLine);
    summaries = 0;
    for (const std::string &line : lines)
        if (line.starts_with(kMorePrefix) && line.ends_with(kMoreSuffix)) {
            steps += std::stoll(line.substr(kMorePrefix.size(), line.size() - kMorePrefix.size() - kMoreSuffix.size()));
            ++summaries;
        }
    return steps;
}

// The constraint pass with the log on; returns the default size.
int32_t LoggedPass(Vehicle &v, LogLines &lines)
{
    ScopedCalculationLog log(lines);
    return DefaultSize(v);
}

TEST(ExtremeDesign, ArmourFarBelowTheFinalSizeIsRaisedInOneStep)
{
    Vehicle v;
    v.Armor = -2000000000;
    v.FinalSize = 1;
    const hardening::CpuTimer timer;
    LogLines lines;
    const int32_t size = LoggedPass(v, lines);
    EXPECT_LT(timer.Elapsed(), hardening::kCaseCpuLimit);
    EXPECT_GE(int64_t{v.Armor} * 2, v.FinalSize);
    EXPECT_GE(int64_t{v.Armor} * 10, size);
    // Each step is accounted for, but no more than a thousand per raise are written out.
    int summaries = 0;
    EXPECT_EQ(LoggedArmourSteps(lines, summaries), int64_t{v.Armor} + 2000000000);
    EXPECT_GE(summaries, 1);
    EXPECT_LE(CountLines(lines, kRaisedLine), 1000 * summaries + 1000);
    EXPECT_LT(lines.size(), 100000u);
}

TEST(ExtremeDesign, SmallArmourRaisesAreLoggedStepByStep)
{
    Vehicle v;
    v.Armor = 0;
    v.FinalSize = 7;
    v.Crew = 1;
    LogLines lines;
    LoggedPass(v, lines);
    ASSERT_GT(v.Armor, 0);
    int summaries = 0;
    EXPECT_EQ(LoggedArmourSteps(lines, summaries), v.Armor);
    EXPECT_EQ(summaries, 0);
    EXPECT_EQ(CountLines(lines, "                    we changed something that affects TV...Armor is now " +
                                    std::to_string(v.Armor)),
              1);
}

TEST(ExtremeDesign, NegativeArmourBelowTheDefaultSizeFinishesWithTheLogOff)
{
    Vehicle v;
    v.Armor = INT32_MIN;
    v.FinalSize = INT32_MAX;
    v.Crew = 0;
    const hardening::CpuTimer timer;
    const DesignResults results = ComputeResults(v);
    EXPECT_LT(timer.Elapsed(), hardening::kCaseCpuLimit);
    EXPECT_GE(int64_t{v.Armor} * 2, v.FinalSize);
    EXPECT_GE(int64_t{v.Armor} * 10, results.DefaultSize);
    EXPECT_GT(v.Crew, 0);
}

} // namespace

namespace {

TEST(ExtremeDesign, SheetCrewAndActionsStopAtTheLargestNumber)
{
    Vehicle v;
    v.Crew = 2000000000;
    PerkRecord crew;
    crew.PFDName = "Barracks";
    crew.AddedCrewValue = 2000000000;
    crew.AddedActionsValue = 2000000000;
    v.Perks->Add(crew);
    v.Flaws->Add(crew);
    const PrintJob job = MakePrintJob(v);
    EXPECT_EQ(job.Crew, INT32_MAX);
    EXPECT_EQ(job.BonusActions, INT32_MAX);

    Vehicle few; // small sums are unchanged
    few.Crew = 3;
    crew.AddedCrewValue = 2;
    crew.AddedActionsValue = 1;
    few.Perks->Add(crew);
    const PrintJob small = MakePrintJob(few);
    EXPECT_EQ(small.Crew, 5);
    EXPECT_EQ(small.BonusActions, 2 + 1); // whole part of log2(3 + 2), plus the perk's action
}

} // namespace

} // namespace aw
