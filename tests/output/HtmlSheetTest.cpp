#include "tests/support/SampleSheetJobs.h"
#include "tests/support/TempFolder.h"

#include "base/Files.h"
#include "output/HtmlSheet.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <cstdlib>

namespace aw {

using namespace sheettest;

namespace {

std::string HtmlSheetOf(const PrintJob &job) { return HtmlSheetText(HtmlTemplate(), job); }

struct TidyResult {
    int ExitCode = -1;
    std::string Output;
};

// Runs "tidy -errors -q" on the page; exit code 0 means neither errors nor warnings.
TidyResult RunTidy(const std::string &page, const std::string &name)
{
    const TempFolder folder;
    const std::string path = folder / (name + ".html");
    WriteFileAtomically(path, page);
    TidyResult result;
    QProcess tidy;
    tidy.setProcessChannelMode(QProcess::MergedChannels);
    tidy.start("tidy", {"-errors", "-q", QString::fromStdString(path)});
    if (!tidy.waitForFinished(-1) || tidy.exitStatus() != QProcess::NormalExit)
        return result;
    result.Output = tidy.readAll().toStdString();
    result.ExitCode = tidy.exitCode();
    return result;
}

bool TidyInstalled() { return std::system("tidy -v > /dev/null 2>&1") == 0; }

} // namespace

TEST(HtmlEscaping, EscapesTheFourCharactersOnly)
{
    EXPECT_EQ(HtmlEscape("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f");
    EXPECT_EQ(HtmlEscape("&amp;"), "&amp;amp;");
    EXPECT_EQ(HtmlEscape("line\r\nbreak"), "line\r\nbreak");
}

TEST(HtmlEscaping, EveryShownTextOfTheJobIsEscapedAndNumbersAreNot)
{
    PrintJob job = FullSheetJob();
    job.Name = "A<B>";
    job.Affiliation = "A&B";
    job.NumberOnField = "<5";
    job.Production = "\"Mass\"";
    job.Cost = "1 <Cr>";
    job.History = "x>y";
    PrintMovementRow movement = job.Movement.Get(0);
    movement.Name = "G&G";
    job.Movement.Put(0, movement);
    PrintWeaponRow weapon = job.Weapons.Get(0);
    weapon.Code = "A&B";
    weapon.ROF = "<1>";
    job.Weapons.Put(0, weapon);
    job.Flaws.Put(0, {"N&", "R<", "E>", "G\"", 1});

    const PrintJob escaped = HtmlEscapedJob(job);
    EXPECT_EQ(escaped.Name, "A&lt;B&gt;");
    EXPECT_EQ(escaped.Affiliation, "A&amp;B");
    EXPECT_EQ(escaped.NumberOnField, "&lt;5");
    EXPECT_EQ(escaped.Production, "&quot;Mass&quot;");
    EXPECT_EQ(escaped.Cost, "1 &lt;Cr&gt;");
    EXPECT_EQ(escaped.History, "x&gt;y");
    EXPECT_EQ(escaped.Movement.Get(0).Name, "G&amp;G");
    EXPECT_EQ(escaped.Weapons.Get(0).Code, "A&amp;B");
    EXPECT_EQ(escaped.Weapons.Get(0).ROF, "&lt;1&gt;");
    EXPECT_EQ(escaped.Flaws.Get(0).Name, "N&amp;");
    EXPECT_EQ(escaped.Flaws.Get(0).Rating, "R&lt;");
    EXPECT_EQ(escaped.Flaws.Get(0).Effect, "E&gt;");
    EXPECT_EQ(escaped.Flaws.Get(0).GameData, "G&quot;");
    EXPECT_EQ(escaped.Flaws.Get(0).Aux, 1);
    EXPECT_EQ(escaped.Armor, job.Armor);
    EXPECT_EQ(escaped.TV, job.TV);
    EXPECT_EQ(job.Name, "A<B>") << "the job itself is left as it was";
}

TEST(HtmlSheet, NameAndAffiliationAreWrittenEscaped)
{
    PrintJob job = FullSheetJob();
    job.Name = "A<B>";
    job.Affiliation = "A&B";
    const std::string page = HtmlSheetOf(job);
    EXPECT_NE(page.find(">A&lt;B&gt;</div>"), std::string::npos);
    EXPECT_NE(page.find("<title>A&lt;B&gt; "), std::string::npos);
    EXPECT_NE(page.find("<td>A&amp;B</td>"), std::string::npos);
    EXPECT_EQ(page.find("A<B>"), std::string::npos);
    EXPECT_EQ(page.find("A&B"), std::string::npos);
    // The designer's note "|NAME|" is filled with the escaped name too.
    EXPECT_NE(page.find("Designed for A&lt;B&gt; crews."), std::string::npos);
}

TEST(HtmlSheet, EveryTokenExpandsForThreeMovementSystemsWithStall)
{
    PrintJob job = FullSheetJob();
    const std::string page = HtmlSheetOf(job);
    EXPECT_EQ(page.find('|'), std::string::npos);
    EXPECT_NE(page.find("<td>4<br>1</td>"), std::string::npos) << "the fourth system's top and stall points";
    EXPECT_NE(page.find("<td>15</td>"), std::string::npos) << "the third system has no stall line";
    EXPECT_NE(page.find("<td>Hydrofoil (120 kph)</td>"), std::string::npos);
}

TEST(HtmlSheet, PageIsValidForEveryShapeOfDesign)
{
    if (!TidyInstalled())
        GTEST_SKIP() << "tidy is not installed";
    PrintJob full = FullSheetJob();
    full.Name = "A<B> & \"C\"";
    full.History = "Line <one>\r\n\r\nLine two";
    PrintJob bare; // no movement, weapons, perks or notes
    PrintJob oneSystem = FullSheetJob();
    while (oneSystem.Movement.Count() > 1)
        oneSystem.Movement.Rows().pop_back();
    oneSystem.Weapons.Clear();
    oneSystem.Defects.Clear();

    for (const auto &[name, job] : {std::pair{"full", full}, {"bare", bare}, {"one", oneSystem}}) {
        const TidyResult tidy = RunTidy(HtmlSheetOf(job), name);
        EXPECT_EQ(tidy.ExitCode, 0) << name << ":\n" << tidy.Output;
        EXPECT_EQ(tidy.Output, "") << name;
    }
}

} // namespace aw
