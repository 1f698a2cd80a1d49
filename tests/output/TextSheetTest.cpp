#include "tests/support/SampleSheetJobs.h"
#include "tests/support/TestFiles.h"

#include "base/Stream.h"
#include "output/ConvertError.h"
#include "output/SheetExpansion.h"

#include <gtest/gtest.h>

namespace aw {

using namespace sheettest;

namespace {

std::string TextSheetOf(const PrintJob &job) { return ExpandSheetText(TextTemplate(), job); }

PrintJob JobWithMovement(int systems, int thirdStall = 0)
{
    PrintJob job = FullSheetJob();
    job.Movement.Clear();
    const PrintMovementRow rows[] = {
        Movement("Ground", 10, 5, 0, 0, 60, 30, 0), Movement("Flight", 10, 5, 2, -1, 300, 150, 60),
        Movement("Hover", 15, 7, thirdStall, 0, 90, 45, thirdStall * 6.0), Movement("Naval", 5, 2, 0, 0, 30, 15, 0)};
    for (int i = 0; i < systems; ++i)
        job.Movement.Add(rows[i]);
    return job;
}

size_t Count(const std::string &text, const std::string &what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

} // namespace

TEST(TextSheetTemplate, IsTheBuiltInTemplateWithEveryStallLineInsideItsRow)
{
    const std::string text = TextTemplate();
    EXPECT_EQ(text.size(), 4173u);
    EXPECT_EQ(Count(text, "\r\n"), 103u);
    EXPECT_EQ(Count(text, "\n"), 103u) << "every line break is CR LF";
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
    EXPECT_NE(text.find("\r\n\t   Additional Move Mode: |MOVNAME| (|MOVTOPKPH| kph)|/MOVEMENT||/MOV>2|\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Top Speed: |MOVTOP||HASSTALL|\r\n\t\t\tStall Speed: |MOVSTALL||/HASSTALL||/MOVEMENT||/MOV>2|"),
              std::string::npos);
}

TEST(TextSheet, FullDesignMatchesTheGoldenSheetByteForByte)
{
    const std::string expected = ReadText(AW_TEST_DATA_DIR "/sheets/full-design.txt");
    EXPECT_EQ(TextSheetOf(FullSheetJob()), expected);
}

TEST(TextSheet, TwoMovementSystemsDropTheAdditionalLines)
{
    const std::string text = TextSheetOf(JobWithMovement(2));
    EXPECT_EQ(text.find("Additional"), std::string::npos);
    EXPECT_EQ(text.find('|'), std::string::npos);
    EXPECT_NE(text.find("      Primary Move Mode: Ground (60 kph)\r\n    Secondary Move Mode: Flight (300 kph)\r\n"
                        "       Deployment Range:"),
              std::string::npos);
    EXPECT_NE(text.find("              Top Speed: 10\r\n            Stall Speed: 2\r\n               Maneuver: -1\r\n"),
              std::string::npos);
}

TEST(TextSheet, ThreeMovementSystemsGiveEachAdditionalSystemItsOwnStallLine)
{
    const std::string withStall = TextSheetOf(JobWithMovement(3, 3));
    EXPECT_EQ(withStall.find('|'), std::string::npos);
    EXPECT_NE(
        withStall.find("    Secondary Move Mode: Flight (300 kph)\r\n\t   Additional Move Mode: Hover (90 kph)\r\n"
                       "       Deployment Range:"),
        std::string::npos);
    EXPECT_NE(
        withStall.find("            Stall Speed: 2\r\n   Additional Move Mode: Hover\r\n           Combat Speed: 7\r\n"
                       "              Top Speed: 15\r\n\t\t\tStall Speed: 3\r\n               Maneuver: -1\r\n"),
        std::string::npos);

    const std::string withoutStall = TextSheetOf(JobWithMovement(3, 0));
    EXPECT_EQ(withoutStall.find('|'), std::string::npos);
    EXPECT_NE(withoutStall.find("              Top Speed: 15\r\n               Maneuver: -1\r\n"), std::string::npos);
    EXPECT_EQ(Count(withoutStall, "Stall Speed"), 1u);
}

TEST(TextSheet, OneMovementSystemLeavesTheSecondaryValuesEmpty)
{
    const std::string text = TextSheetOf(JobWithMovement(1));
    EXPECT_NE(text.find("\r\n    Secondary Move Mode:  ( kph)\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n    Secondary Move Mode: \r\n           Combat Speed: \r\n              Top Speed: \r\n"
                        "               Maneuver: -1\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find('|'), std::string::npos);
}

TEST(TextSheet, PrimaryStallLineFollowsItsStallPoints)
{
    PrintJob job = JobWithMovement(2);
    EXPECT_EQ(Count(TextSheetOf(job), "Stall Speed"), 1u); // only the secondary's
    PrintMovementRow primary = job.Movement.Get(0);
    primary.StallMP = 1;
    job.Movement.Put(0, primary);
    EXPECT_NE(
        TextSheetOf(job).find("              Top Speed: 10\r\n            Stall Speed: 1\r\n    Secondary Move Mode:"),
        std::string::npos);

    // Without any movement system both stall conditions are removed.
    job.Movement.Clear();
    EXPECT_EQ(Count(TextSheetOf(job), "Stall Speed"), 0u);
}

TEST(TextSheet, DesignWithoutWeaponsOrPerksKeepsOnlyTheHeaders)
{
    PrintJob job = FullSheetJob();
    job.Weapons.Clear();
    job.Perks.Clear();
    const std::string text = TextSheetOf(job);
    EXPECT_NE(text.find("Qty Name                      Code     Arc ACC Damage Range           ROF Ammo Special\r\n"
                        "\r\nPerks---"),
              std::string::npos);
    EXPECT_NE(text.find("Game Effects                                          AUX\r\n\r\nFlaws---"),
              std::string::npos);
}

TEST(TextSheet, WeaponNameIsCutToTwentyFiveColumns)
{
    const std::string text = TextSheetOf(FullSheetJob());
    EXPECT_NE(text.find("\r\n2   Heavy Autocannon Battery  HAC      F   -1  x18    3  /6  /12 /24  +1  40   L1 AP\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("Mk3"), std::string::npos);
}

TEST(SheetTokens, DesignNumberFormats)
{
    PrintJob job;
    job.TV = 1234.56;
    job.SensorRange = 1234.5;
    job.CommRange = 0.25;
    job.Maneuver = 0;
    job.FireControl = -2;
    job.Armor = 1500000000; // doubled and tripled beyond 32 bits
    const std::string text = "|TV|;|TV8|;|SENSRANGE|;|SENSRANGE8|;|COMMRANGE|;|MAN|;|FICON|;|ARMORx3|";
    EXPECT_EQ(ExpandSheetText(text, job), "1,235;1,234.56;1234.5;1,234.50;0.25;0;-2;4500000000");
    EXPECT_EQ(ExpandSheetText(text, job, SheetFormats({'.', ','})),
              "1.235;1.234,56;1234,5;1.234,50;0,25;0;-2;4500000000");
}

TEST(SheetTokens, WeaponRowFormats)
{
    PrintJob job;
    PrintWeaponRow row = Weapon("Gun", "G", "F", {1, 2, 4, 8}, 0, 7, 1, "AI", 5, "+1");
    row.Rating = 1234.5;
    job.Weapons.Add(row);
    row.Accuracy = 1;
    row.Quantity = 3;
    job.Weapons.Add(row);
    row.Accuracy = -1;
    row.Quantity = 2;
    job.Weapons.Add(row);
    const std::string text =
        "|WEAPONS|[|WEPACC|;|WEPSQTY|;|WEPQTY|;|WEPDMG|;|WEPRATING|;|WEPACC4|;|WEPSQTY3|]|/WEAPONS|";
    EXPECT_EQ(ExpandSheetText(text, job), "[0;;1;x7;1,234.50;0   ;|WEPSQTY3|]"
                                          "[+1;3 x;3;x7;1,234.50;+1  ;|WEPSQTY3|]"
                                          "[-1;2 x;2;x7;1,234.50;-1  ;|WEPSQTY3|]");
}

TEST(SheetTokens, MovementRowWidthTokensTakeTheLongestName)
{
    PrintJob job = JobWithMovement(4);
    const std::string text = "|MOV>2||MOVEMENT|<|MOVTOPKPH10||MOVTOP3||MOVSTALLKPH4||MOVMAN|>|/MOVEMENT||/MOV>2|"
                             "|MOV2TOPKPH5||MOV2TOP2||MOV2MAN|";
    EXPECT_EQ(ExpandSheetText(text, job), "<90        15 0   0><30        5  0   0>300  10-1");
}

TEST(SheetTokens, PerkSectionsRepeatWithAllRows)
{
    const PrintJob job = FullSheetJob();
    const std::string text = "|PERKS|<|PFDNAME|:|PFDAUX|>|/PERKS|--|PERKS|(|PFDRATING3|)|/PERKS|"
                             "|DEFECTS|{|PFDEFFECT|}|/DEFECTS|";
    EXPECT_EQ(ExpandSheetText(text, job), "<Ablative Armor:><Automation:AUX><Sniper System:AUX>--(1  )(2  )(   )"
                                          "{-1 targeting}");
}

TEST(SheetTokens, WidthTokenWithoutWidthEndsTheExpansion)
{
    try {
        ExpandSheetText("Cost: |COST| |TVx|", FullSheetJob());
        FAIL() << "expected the integer-conversion error";
    } catch (const ConvertError &error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}

TEST(SheetTokens, ExpandSheetRewritesTheStreamFromItsStart)
{
    const std::string templ = "Name: |NAME|";
    Stream stream(std::vector<uint8_t>(templ.begin(), templ.end()));
    stream.Seek(stream.Size());
    ExpandSheet(stream, FullSheetJob());
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().end()), "Name: Rhino Mk II");
}

} // namespace aw
