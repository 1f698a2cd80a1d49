#include "output/RecordSheetTokens.h"
#include "output/ConvertError.h"
#include "output/PrintJob.h"
#include "tests/support/SampleSheetJobs.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

// A heavy autocannon row under another name and count.
PrintWeaponRow Weapon(const std::string &name, int quantity)
{
    return sheettest::Weapon(name, "HAC", "F", {2, 4, 8, 16}, 0, 12, quantity, "AP", 30, "");
}

PrintJob SampleJob()
{
    PrintJob job;
    job.Name = "Hunter";
    job.Armor = 37;
    job.Maneuver = 2;
    job.SensorRating = -1;
    job.SensorRange = 2.5;
    job.FireControl = 0;
    job.TV = 1234.56;
    job.Cost = "1,234.50 Mark";
    job.Movement.Add({"Ground", 6, 3, 0, -2, 90, 45, 0});
    job.Weapons.Add(Weapon("Autocannon", 1));
    job.Weapons.Add(Weapon("Rifle", 2));
    job.Perks.Add({"Armored Cockpit", "+2", "Protects the crew", "", 1});
    job.Flaws.Add({"Exposed Crew", "-1", "Crew can be hit", "", 0});
    job.Flaws.Add({"Man. Flaw", "-2", "Ground reduced in maneuver.", "", 0});
    job.Defects.Add({"Electronic Glitch", "-4", "", "", 0});
    return job;
}

std::string Expand(const PrintJob &job, const std::string &text) { return SheetTokens(job).Expand(text); }

} // namespace

TEST(RecordSheetTokens, QuantityPrefixOnTheWeaponNameCell)
{
    const PrintJob job = SampleJob();
    EXPECT_EQ(Expand(job, "|WEPSQTY1| |WEPNAME1|"), " Autocannon");
    EXPECT_EQ(Expand(job, "|WEPSQTY2| |WEPNAME2|"), "2 x Rifle");
}

TEST(RecordSheetTokens, RowsBeyondTheListAreEmpty)
{
    PrintJob job = SampleJob();
    for (int i = 0; i < 8; ++i)
        job.Weapons.Add(Weapon("Extra", 1));
    ASSERT_EQ(job.Weapons.Count(), 10);
    EXPECT_EQ(Expand(job, "|WEPSR10|"), "2");
    EXPECT_EQ(Expand(job, "|WEPSR11|"), "");
    EXPECT_EQ(Expand(job, "|PERKNAME0|"), "");
    EXPECT_EQ(Expand(job, "|DEFECTNAME2|"), "");
}

TEST(RecordSheetTokens, OneMovementSystemLeavesOnlyTheWordsOfTheSecond)
{
    const PrintJob job = SampleJob();
    EXPECT_EQ(Expand(job, "|MOVNAME1| COMBAT"), "Ground COMBAT");
    EXPECT_EQ(Expand(job, "|MOVNAME2| COMBAT"), " COMBAT");
    EXPECT_EQ(Expand(job, "|MOVNAME2| TOP"), " TOP");
    EXPECT_EQ(Expand(job, "|MOVTOPMP1|/|MOVCOMBATMP1|/|MOVSTALLMP1|"), "6/3/0");
    EXPECT_EQ(Expand(job, "|MOVTOPKPH1| |MOVCOMBATKPH1| |MOVMAN1|"), "90 45 -2");
    EXPECT_EQ(Expand(job, "|MOVTOPMP2|"), "");
}

TEST(RecordSheetTokens, DesignValuesInTheSheetsFormats)
{
    const PrintJob job = SampleJob();
    EXPECT_EQ(Expand(job, "|ARMOR| |ARMOR*2| |ARMOR*3|"), "37 74 111");
    EXPECT_EQ(Expand(job, "|TV|"), "1235") << "whole number without separators";
    EXPECT_EQ(Expand(job, "|MAN| |SENSRATING| |FICON|"), "+2 -1 0");
    EXPECT_EQ(Expand(job, "|SENSRANGE|"), "2.5");
    EXPECT_EQ(Expand(job, "|COST|"), "1,234.50 Mark");
}

TEST(RecordSheetTokens, WeaponCells)
{
    PrintJob job = SampleJob();
    job.Weapons.Rows()[0].Accuracy = 1;
    job.Weapons.Rows()[1].Accuracy = -1;
    job.Weapons.Rows()[0].ROF = "3";
    EXPECT_EQ(Expand(job, "|WEPACC1| |WEPACC2|"), "+1 -1");
    EXPECT_EQ(Expand(job, "|WEPDMG1|"), "x12");
    EXPECT_EQ(Expand(job, "|WEPSROF1| |WEPSTR1|"), "3ROF AP");
    EXPECT_EQ(Expand(job, "|WEPSROF2| |WEPSTR2|"), " AP");
    EXPECT_EQ(Expand(job, "|WEPSR1|-|WEPMR1|-|WEPLR1|-|WEPEXR1|"), "2-4-8-16");
    EXPECT_EQ(Expand(job, "|WEPQTY2| |WEPAMMO2| |WEPCODE2| |WEPARC2|"), "2 30 HAC F");
}

TEST(RecordSheetTokens, PerkFlawAndDefectRows)
{
    const PrintJob job = SampleJob();
    EXPECT_EQ(Expand(job, "|PERKNAME1|:|PERKRATING1|:|PERKAUX1|"), "Armored Cockpit:+2:AUX");
    EXPECT_EQ(Expand(job, "|FLAWNAME2| |FLAWRATING2|"), "Man. Flaw -2");
    EXPECT_EQ(Expand(job, "|FLAWAUX1|"), "");
    EXPECT_EQ(Expand(job, "|DEFECTNAME1| |DEFECTRATING1|"), "Electronic Glitch -4");
}

TEST(RecordSheetTokens, ExactTokensComeFirstSoTheirValuesAreExpandedByTheIndexedOnes)
{
    PrintJob job = SampleJob();
    job.Name = "Carrier of |WEPNAME2|";
    EXPECT_EQ(Expand(job, "|NAME|"), "Carrier of Rifle");
}

TEST(RecordSheetTokens, ARowNumberThatIsNotANumberFails)
{
    const PrintJob job = SampleJob();
    try {
        Expand(job, "|WEPNAMEx|");
        FAIL() << "no error";
    } catch (const ConvertError &e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
}

} // namespace aw
