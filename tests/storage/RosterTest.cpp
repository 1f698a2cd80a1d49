#include "tests/support/SampleDesigns.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "base/Files.h"
#include "base/Utf8Path.h"
#include "engine/DesignFile.h"
#include "storage/RosterEvaluation.h"
#include "storage/RosterFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace aw {

namespace {

struct RosterFolder : ::testing::Test {
    TempFolder Folder;

    // Saves a small design under the folder and returns its path, spelled as a roster file
    // spells the paths it reads (the system's separators).
    std::string SaveDesign(const std::string &relative, const std::string &name, const std::string &currency,
                           int32_t armor = 6) const
    {
        const std::string path = (Folder.Path() / relative).lexically_normal().string();
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        auto vehicle = SmallDesign(name, armor);
        vehicle->CurrencyName = currency;
        SaveDesignFile(*vehicle, path);
        return path;
    }

    std::string RosterError(const std::string &json) const
    {
        WriteFileAtomically(Folder / "bad.json", json);
        try {
            ReadRosterFile(Folder / "bad.json");
        } catch (const RosterFileError &e) {
            return e.Utf8();
        }
        return "(accepted)";
    }
};

TEST_F(RosterFolder, FileRoundTripKeepsTextsAndStoresRelativePaths)
{
    Roster roster;
    roster.Name = "Kampfgruppe S\xc3\xbc"
                  "d \xe7\xac\xac"
                  "1";
    roster.Budget = 250000;
    roster.Entries = {
        {SaveDesign("hovers/striker.vkd", "Striker", "Cr"), 2, "Lead \xe2\x80\x94 \xc3\x84rger \xe2\x9c\x93"},
        {SaveDesign("tanks/hammer.vkd", "Hammer", "Cr"), 1, ""}};
    WriteRosterFile(roster, Folder / "force.json");

    const auto json = nlohmann::json::parse(ReadText(Folder / "force.json"));
    EXPECT_EQ(json["entries"][0]["design"], "hovers/striker.vkd");
    EXPECT_EQ(json["budget"], 250000);
    EXPECT_EQ(ReadRosterFile(Folder / "force.json"), roster);

    roster.Budget.reset();
    WriteRosterFile(roster, Folder / "force.json");
    EXPECT_TRUE(nlohmann::json::parse(ReadText(Folder / "force.json"))["budget"].is_null());
    EXPECT_EQ(ReadRosterFile(Folder / "force.json"), roster);
}

TEST_F(RosterFolder, RelativePathsResolveAfterTheFolderMovesToANameOutsideAscii)
{
    TempFolder elsewhere;
    Roster roster{"Moved", 100, {{SaveDesign("force/hovers/striker.vkd", "Striker", "Cr"), 1, ""}}};
    WriteRosterFile(roster, Folder / "force/force.json");
    const std::filesystem::path moved = elsewhere.Path() / u8"Kräfte Çelik";
    std::filesystem::rename(Folder.Path() / "force", moved);

    const Roster read = ReadRosterFile(Utf8FromPath(moved / "force.json"));
    ASSERT_EQ(read.Entries.size(), 1u);
    EXPECT_EQ(read.Entries[0].Design, Utf8FromPath((moved / "hovers/striker.vkd").lexically_normal()));
    const RosterEvaluation evaluation = EvaluateRoster(read);
    EXPECT_TRUE(evaluation.Lines[0].Readable()) << evaluation.Lines[0].Summary.Error;
    EXPECT_GT(evaluation.Totals.ThreatValue, 0);
}

TEST_F(RosterFolder, MissingAndDamagedDesignsAreKeptWithTheirReasons)
{
    const std::string damaged = Folder / "damaged.vkd";
    WriteFileAtomically(damaged, std::string("not a design"));
    const std::string good = SaveDesign("good.vkd", "Good", "Cr");
    Roster roster{"Force", 1, {{Folder / "missing.vkd", 2, "gone"}, {damaged, 1, ""}, {good, 1, ""}}};

    const RosterEvaluation evaluation = EvaluateRoster(roster);
    ASSERT_EQ(evaluation.Lines.size(), 3u);
    EXPECT_FALSE(evaluation.Lines[0].Readable());
    EXPECT_FALSE(evaluation.Lines[1].Readable());
    EXPECT_NE(evaluation.Lines[0].Summary.Error, evaluation.Lines[1].Summary.Error);
    EXPECT_EQ(evaluation.Lines[0].Entry.Note, "gone");
    EXPECT_EQ(evaluation.Totals.Unreadable, 2);
    EXPECT_EQ(evaluation.Totals.ThreatValue, evaluation.Lines[2].Summary.Outcome.Results.ThreatValue);
    EXPECT_TRUE(evaluation.Totals.OverBudget());
    EXPECT_EQ(RosterCheckCode(evaluation.Totals), 1) << "incomplete totals win over the budget check";

    WriteRosterFile(roster, Folder / "force.json");
    EXPECT_EQ(ReadRosterFile(Folder / "force.json").Entries.size(), 3u) << "saving never drops an entry";
}

TEST_F(RosterFolder, CostsAreSummedPerCurrencyAndTheBudgetChecked)
{
    Roster roster{"Force",
                  std::nullopt,
                  {{SaveDesign("a.vkd", "Alpha", "Cr", 6), 2, ""},
                   {SaveDesign("b.vkd", "Bravo", "\x80", 9), 3, ""},
                   {SaveDesign("c.vkd", "Charlie", "Cr", 12), 1, ""}}};
    const RosterEvaluation evaluation = EvaluateRoster(roster);
    const auto &a = evaluation.Lines[0].Summary.Outcome.Results;
    const auto &b = evaluation.Lines[1].Summary.Outcome.Results;
    const auto &c = evaluation.Lines[2].Summary.Outcome.Results;
    ASSERT_NE(a.ThreatValue, c.ThreatValue);
    EXPECT_DOUBLE_EQ(evaluation.Lines[1].ThreatValue, b.ThreatValue * 3);
    EXPECT_DOUBLE_EQ(evaluation.Totals.ThreatValue, a.ThreatValue * 2 + b.ThreatValue * 3 + c.ThreatValue);
    ASSERT_EQ(evaluation.Totals.Costs.size(), 2u);
    EXPECT_DOUBLE_EQ(static_cast<double>(evaluation.Totals.Costs.at("Cr")),
                     static_cast<double>(a.FinalCost * 2 + c.FinalCost));
    EXPECT_DOUBLE_EQ(static_cast<double>(evaluation.Totals.Costs.at("\x80")), static_cast<double>(b.FinalCost * 3));
    EXPECT_FALSE(evaluation.Totals.Remaining.has_value());
    EXPECT_EQ(RosterCheckCode(evaluation.Totals), 0);

    const double total = evaluation.Totals.ThreatValue;
    roster.Budget = total;
    EXPECT_EQ(*EvaluateRoster(roster).Totals.Remaining, 0);
    EXPECT_EQ(RosterCheckCode(EvaluateRoster(roster).Totals), 0) << "exactly at the budget is within it";
    roster.Budget = total - 0.5;
    const RosterTotals over = EvaluateRoster(roster).Totals;
    EXPECT_DOUBLE_EQ(*over.Remaining, -0.5);
    EXPECT_EQ(RosterCheckCode(over), 3);
}

TEST_F(RosterFolder, DamagedRosterFileIsAnErrorNamingTheProblem)
{
    const std::string syntax = RosterError("{\"name\": \"x\", \"entries\": [");
    EXPECT_NE(syntax.find("not JSON (parse error at line 1"), std::string::npos) << syntax;
    EXPECT_NE(RosterError("{\"name\": \"x\"}").find("$.entries"), std::string::npos);
    const std::string quantity = RosterError(R"({"entries": [{"design": "a.vkd", "quantity": 0}]})");
    EXPECT_NE(quantity.find("$.entries[0].quantity"), std::string::npos) << quantity;
    EXPECT_NE(quantity.find("bad.json"), std::string::npos) << "the message names the file";
    EXPECT_NE(RosterError(R"({"budget": "lots", "entries": []})").find("$.budget"), std::string::npos);
    EXPECT_NE(RosterError(R"({"entries": [{"quantity": 2}]})").find("$.entries[0]"), std::string::npos);
    const std::string twice = RosterError(R"({"entries": [{"design": "a.vkd", "quantity": 2, "quantity": 3}]})");
    EXPECT_NE(twice.find("$.entries[0].quantity: given twice"), std::string::npos) << twice;
    const std::string nul = RosterError(R"({"entries": [{"design": "a.vkd"}, {"design": "a.vkd\u0000-b.vkd"}]})");
    EXPECT_NE(nul.find("$.entries[1].design: the design file name holds a control character"), std::string::npos)
        << nul;
}

} // namespace

} // namespace aw
