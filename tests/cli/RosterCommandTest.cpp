// armorwright-cli roster: the figures are those report gives for the same designs.
#include "CliTestSupport.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "storage/RosterFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>

namespace aw {

namespace {

using nlohmann::json;

class RosterCommand : public ::testing::Test {
protected:
    std::string save(const std::string &name, const std::string &currency, int32_t armor)
    {
        auto vehicle = SmallDesign(name, armor);
        vehicle->CurrencyName = currency;
        const std::string path = m_dir / (name + ".vkd");
        SaveDesignFile(*vehicle, path);
        return path;
    }

    // Writes the roster and runs the command on it.
    CliRun roster(const Roster &contents, const std::vector<std::string> &options = {"--json"})
    {
        WriteRosterFile(contents, m_dir / "force.json");
        std::vector<std::string> args{"roster"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(m_dir / "force.json");
        return RunCli(args);
    }

    TempFolder m_dir;
};

// The pages of a PDF: its page objects, not the page tree ("/Type /Pages").
int PdfPageCount(const std::string &pdf)
{
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(RosterCommand, TotalsAreTheSumsOfReportTimesQuantity)
{
    const std::string alpha = save("Alpha", "Cr", 6);
    const std::string bravo = save("Bravo", "Mark", 12);
    const CliRun report = RunCli({"report", "--json", alpha, bravo});
    ASSERT_EQ(report.ExitCode, 0) << report.Err;
    const json reports = json::parse(report.Out);
    const json &a = reports[0]["results"];
    const json &b = reports[1]["results"];
    const double total = a["ThreatValue"].get<double>() * 3 + b["ThreatValue"].get<double>();

    const CliRun run =
        roster({"Force", total + 10, {{alpha, 3, "lead"}, {bravo, 1, ""}}}, {"--json", "--pdf", m_dir / "force.pdf"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json out = json::parse(run.Out);
    EXPECT_EQ(out["name"], "Force");
    EXPECT_EQ(out["entries"][0]["design"], "Alpha.vkd");
    EXPECT_EQ(out["entries"][0]["Name"], "Alpha");
    EXPECT_EQ(out["entries"][0]["quantity"], 3);
    EXPECT_EQ(out["entries"][0]["note"], "lead");
    EXPECT_DOUBLE_EQ(out["entries"][0]["ThreatValue"].get<double>(), a["ThreatValue"].get<double>() * 3);
    EXPECT_DOUBLE_EQ(out["entries"][0]["FinalCost"].get<double>(), a["FinalCost"].get<double>() * 3);
    EXPECT_FALSE(out["entries"][0].contains("error"));
    EXPECT_DOUBLE_EQ(out["totals"]["ThreatValue"].get<double>(), total);
    EXPECT_DOUBLE_EQ(out["totals"]["costs"]["Cr"].get<double>(), a["FinalCost"].get<double>() * 3);
    EXPECT_DOUBLE_EQ(out["totals"]["costs"]["Mark"].get<double>(), b["FinalCost"].get<double>());
    EXPECT_DOUBLE_EQ(out["remaining"].get<double>(), 10);
    EXPECT_EQ(PdfPageCount(ReadText(m_dir / "force.pdf")), 1 + 3 + 1) << "a summary page, then a sheet per copy";
    EXPECT_EQ(PdfPageSizes(ReadText(m_dir / "force.pdf")), std::set<std::string>{"595 842"});
    const CliRun letter = roster({"Force", total + 10, {{alpha, 3, ""}, {bravo, 1, ""}}},
                                 {"--pdf", m_dir / "letter.pdf", "--page", "letter"});
    ASSERT_EQ(letter.ExitCode, 0) << letter.Err;
    EXPECT_EQ(PdfPageSizes(ReadText(m_dir / "letter.pdf")), std::set<std::string>{"612 792"})
        << "the summary and each sheet";
    EXPECT_EQ(roster({"Force", total + 10, {{alpha, 1, ""}}}, {"--page", "letter"}).ExitCode, 2)
        << "--page without --pdf";
    EXPECT_EQ(roster({"Force", total + 10, {{alpha, 1, ""}}}, {"--pdf", "-"}).ExitCode, 2) << "a PDF is not printed";
    const std::vector<uint8_t> design = ReadWholeFile(alpha);
    EXPECT_EQ(roster({"Force", total + 10, {{alpha, 1, ""}}}, {"--pdf", alpha}).ExitCode, 1) << "not over a design";
    EXPECT_EQ(ReadWholeFile(alpha), design);

    const CliRun over = roster({"Force", total - 1, {{alpha, 3, ""}, {bravo, 1, ""}}}, {});
    EXPECT_EQ(over.ExitCode, 3);
    EXPECT_NE(over.Out.find("Over budget by:  1.0"), std::string::npos) << over.Out;
    const CliRun note = roster({"Force", std::nullopt, {{alpha, 1, "lead\r\nsecond\tline"}}}, {});
    EXPECT_NE(note.Out.find("lead  second line\n"), std::string::npos) << "one line per entry:\n" << note.Out;
    // Nor does the roster's name, a note or a currency name steer the terminal, by ESC or by the
    // C1 controls of UTF-8 (U+009B is ESC [, U+0085 a line break).
    const std::string escaped = save("Escaped", "Cr\x1b[2J", 6);
    const CliRun controls =
        roster({"Force\x1b]0;title\x07\u009B2J", std::nullopt, {{escaped, 1, "lead\u0085second"}}}, {});
    EXPECT_EQ(controls.Out.find_first_of("\x1b\x07\xC2"), std::string::npos) << controls.Out;
    EXPECT_EQ(controls.Out.rfind("Roster: Force ]0;title  2J\n", 0), 0u) << controls.Out;
    EXPECT_NE(controls.Out.find("lead second\n"), std::string::npos) << controls.Out;
}

TEST_F(RosterCommand, MissingDesignIsListedAndGivesExitOne)
{
    const std::string alpha = save("Alpha", "Cr", 6);
    const CliRun run = roster({"Force", std::nullopt, {{m_dir / "gone.vkd", 2, ""}, {alpha, 1, ""}}});
    EXPECT_EQ(run.ExitCode, 1);
    const json out = json::parse(run.Out);
    EXPECT_TRUE(out["budget"].is_null());
    EXPECT_TRUE(out["remaining"].is_null());
    ASSERT_EQ(out["entries"].size(), 2u);
    EXPECT_TRUE(out["entries"][0]["ThreatValue"].is_null());
    EXPECT_FALSE(out["entries"][0]["error"].get<std::string>().empty());
    EXPECT_NE(run.Err.find("gone.vkd"), std::string::npos);

    const CliRun overAndMissing = roster({"Force", 0, {{m_dir / "gone.vkd", 1, ""}, {alpha, 1, ""}}});
    EXPECT_EQ(overAndMissing.ExitCode, 1) << "a missing design wins over the budget check";
}

} // namespace

} // namespace aw
