// armorwright-cli as a player runs it: real design files written by the program's own
// writer, the built tool run as a separate process.
#include "CliTestSupport.h"

#include "base/Cp1252.h"
#include "base/Files.h"
#include "base/ProgramVersion.h"
#include "engine/CalculationReplay.h"
#include "engine/DesignFile.h"
#include "engine/MovementList.h"
#include "engine/OpenedDesign.h"
#include "storage/DesignSummary.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace aw {

namespace {

class CliCommands : public ::testing::Test {
protected:
    // Saves the design in the test folder and returns the path.
    std::string Save(const BaseVehicle &vehicle, const std::string &fileName)
    {
        const std::string path = m_folder / fileName;
        SaveDesignFile(vehicle, path);
        return path;
    }
    // A file that starts as a design file and is cut off in the middle.
    std::string Damaged(const std::string &fileName)
    {
        const std::vector<uint8_t> whole = ReadWholeFile(Save(*FullDesign(), fileName));
        const std::string path = m_folder / fileName;
        WriteFileAtomically(path, std::vector<uint8_t>(whole.begin(), whole.begin() + whole.size() / 2));
        return path;
    }
    std::string Path(const std::string &name) const { return m_folder / name; }

    TempFolder m_folder;
};

// The design of a file as the editor holds it after opening it.
std::unique_ptr<Vehicle> OpenedAsEditor(const std::string &path, DesignResults *results = nullptr)
{
    std::unique_ptr<Vehicle> vehicle = LoadDesignFile(path).Design;
    const DesignResults settled = SettleOpenedDesign(*vehicle);
    if (results)
        *results = settled;
    return vehicle;
}

std::vector<std::string> LinesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST_F(CliCommands, HelpListsEveryCommandAndUsageErrorsExitWithTwo)
{
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char *command : {"report", "index", "log", "export", "to-json", "from-json", "diff", "pack", "unpack"}) {
        EXPECT_NE(help.Out.find(std::string("  ") + command + " "), std::string::npos) << command;
        const CliRun own = RunCli({command, "--help"});
        EXPECT_EQ(own.ExitCode, 0) << command;
        EXPECT_EQ(own.Out.rfind(std::string("Usage: armorwright-cli ") + command + " ", 0), 0u) << own.Out;
    }
    // after "--", "-h" is a file's name
    const CliRun file = RunCli({"report", "--", "-h"});
    EXPECT_EQ(file.ExitCode, 1);
    EXPECT_EQ(file.Err.rfind("armorwright-cli report: -h: ", 0), 0u) << file.Err;
    const CliRun unknown = RunCli({"report", "--colour", Path("a.vkd")});
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_EQ(unknown.Err, "armorwright-cli report: unknown option '--colour'\n"
                           "Usage: armorwright-cli report [--json] [--locale NAME] FILE...\n");
    EXPECT_EQ(RunCli({"log", Path("a.vkd")}).ExitCode, 2); // neither --tv nor --price
    EXPECT_EQ(RunCli({"log", "--tv", "--price", Path("a.vkd")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"export", "--format", "gif", Path("a.vkd")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"export", "--format", "text", "-o", "x", Path("a"), Path("b")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"export", "--format", "text", "--page", "a4", Path("a.vkd")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"report", "--locale", "xx_NOWHERE", Path("a.vkd")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"from-json", Path("a.json")}).ExitCode, 2); // no -o
    EXPECT_EQ(RunCli({"diff", Path("a.vkd")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).ExitCode, 2);
}

TEST_F(CliCommands, VersionAnswersBesideTheCommands)
{
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, std::string("armorwright-cli ") + kProgramVersion + "\n");
    EXPECT_NE(RunCli({"--help"}).Out.find("  --version "), std::string::npos);
}

TEST_F(CliCommands, ReportShowsTheEditorsResults)
{
    const std::string file = Save(*FullDesign(), "full.vkd");
    DesignResults results;
    const auto opened = OpenedAsEditor(file, &results);
    const ResultTexts texts = FormatResults(results, opened->CurrencyName);

    const CliRun run = RunCli({"report", file});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::vector<std::string> lines = LinesOf(run.Out);
    ASSERT_EQ(lines.size(), 13u) << run.Out;
    EXPECT_EQ(lines[0], cp1252::ToUtf8(opened->Name) + " (" + file + ")");
    EXPECT_EQ(lines[1], "  Final Cost           " + cp1252::ToUtf8(texts.FinalCost));
    EXPECT_EQ(lines[2], "  TV                   " + texts.ThreatValue);
    EXPECT_EQ(lines[6], "  Size                 " + texts.FinalSize);
    EXPECT_EQ(lines[9], "  Default Mass         " + texts.DefaultMass);
    EXPECT_EQ(lines[10], "  Pre-Production Cost  " + texts.PreProductionCost);
    // Production type 7 with 2 custom model dice and 4 individual dice; a flying system, so
    // the few weapon perks and 3 perk items over 10 add nothing.
    EXPECT_EQ(lines[11], "  Model Lemon Dice     2");
    EXPECT_EQ(lines[12], "  Indiv. Lemon Dice    4");
    // a terminal escape and a line break in the name are shown as spaces, and so is a byte
    // Windows-1252 leaves undefined (a C1 control once in UTF-8); its other bytes 0x80..0x9F are
    // characters, even the two that would read as U+009B in UTF-8
    const std::string steering = Save(*SmallDesign("Tank\x1b[31m\nMk \xC2\x9B\x80\x9D"), "steering.vkd");
    EXPECT_EQ(LinesOf(RunCli({"report", steering}).Out)[0], "Tank [31m Mk \u00C2\u203A\u20AC  (" + steering + ")");

    const CliRun json = RunCli({"report", "--json", file});
    ASSERT_EQ(json.ExitCode, 0) << json.Err;
    const auto parsed = nlohmann::json::parse(json.Out);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0]["file"], file);
    EXPECT_EQ(parsed[0]["CurrencyName"], "Cr\u00E9dits");
    EXPECT_EQ(parsed[0]["results"]["ThreatValue"].get<double>(), results.ThreatValue);
    EXPECT_EQ(parsed[0]["results"]["DefaultCost"].get<int64_t>(), results.DefaultCost);
    EXPECT_EQ(parsed[0]["results"]["FinalCost"].get<double>(), static_cast<double>(results.FinalCost));
    EXPECT_EQ(parsed[0]["results"]["ModelLemonDice"], 2);
    EXPECT_EQ(parsed[0]["texts"]["FinalCost"], cp1252::ToUtf8(texts.FinalCost));
    EXPECT_EQ(parsed[0]["texts"]["OTV"], texts.OTV);

    auto negativeZero = SmallDesign("Free");
    negativeZero->CurrencyMultiplier = -0.0;
    const std::string free = Save(*negativeZero, "free.vkd");
    EXPECT_NE(RunCli({"report", "--json", free}).Out.find("\"FinalCost\": 0.0,"), std::string::npos)
        << "zero as every text shows it, not -0.0";
}

TEST_F(CliCommands, ReportUsesTheSeparatorsOfTheChosenLocale)
{
    auto design = SmallDesign("Costly");
    design->CurrencyMultiplier = 1000; // a cost with thousands separators
    const std::string file = Save(*design, "costly.vkd");
    DesignResults results;
    OpenedAsEditor(file, &results);
    ASSERT_GE(static_cast<double>(results.FinalCost), 1000000.0);

    const auto parsed = nlohmann::json::parse(RunCli({"report", "--json", "--locale", "de_DE", file}).Out);
    EXPECT_EQ(parsed[0]["texts"]["FinalCost"], FormatResults(results, "Cr", NumberSeparators{'.', ','}).FinalCost);
    const auto plain = nlohmann::json::parse(RunCli({"report", "--json", file}).Out);
    EXPECT_EQ(plain[0]["texts"]["FinalCost"], FormatResults(results, "Cr").FinalCost);
    EXPECT_NE(plain[0]["texts"]["FinalCost"], parsed[0]["texts"]["FinalCost"]);
}

TEST_F(CliCommands, ABadFileInABatchIsReportedAndTheOthersStillAre)
{
    const std::string a = Save(*SmallDesign("Alpha"), "alpha.vkd");
    const std::string bad = Damaged("broken.vkd");
    const std::string c = Save(*SmallDesign("Charlie"), "charlie.vkd");

    const CliRun run = RunCli({"report", a, bad, c});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Out.find("Alpha (" + a + ")"), std::string::npos);
    EXPECT_NE(run.Out.find("Charlie (" + c + ")"), std::string::npos);
    EXPECT_EQ(run.Err.rfind("armorwright-cli report: " + bad + ": ", 0), 0u) << run.Err;
    EXPECT_EQ(LinesOf(run.Err).size(), 1u);

    const auto json = nlohmann::json::parse(RunCli({"report", "--json", a, bad, c}).Out);
    ASSERT_EQ(json.size(), 3u);
    EXPECT_EQ(json[0]["Name"], "Alpha");
    EXPECT_TRUE(json[1].contains("error"));
    EXPECT_FALSE(json[1].contains("results"));
    EXPECT_EQ(json[2]["Name"], "Charlie");

    // A name that is not UTF-8 (found in a folder) is read as Windows-1252 in the file and
    // in the error alike, and the list stays valid JSON.
    std::filesystem::remove(bad);
    Damaged("broken\xe9.vkd");
    const auto listed = nlohmann::json::parse(RunCli({"index", "--json", m_folder.Path().string()}).Out);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[1]["file"], Path("broken\u00e9.vkd"));
    EXPECT_NE(listed[1]["error"].get<std::string>().find("\"broken\u00e9.vkd\""), std::string::npos);

    const CliRun missing = RunCli({"log", "--tv", Path("nowhere.vkd"), a});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Out.find("==> " + a + " <==\nAlpha\n\n"), std::string::npos);

#if defined(__unix__)
    // The error line of each command reads such a name so too, before the message as within
    // it (a shell passes the name on as it is).
    for (const std::string command : {"report", "to-json"}) {
        const std::string err =
            RunCli({"-c", std::string(AW_CLI_PATH) + " " + command + " " + Path("broken") + "*.vkd"}, "", "/bin/sh")
                .Err;
        EXPECT_EQ(err.rfind("armorwright-cli " + command + ": " + Path("broken\u00e9.vkd") + ": ", 0), 0u) << err;
        EXPECT_EQ(err.find("\xe9"), std::string::npos) << err;
        EXPECT_EQ(err.find("\u00c3"), std::string::npos) << err;
    }
    // Nor can a file's name steer the terminal through the error line, by ESC or by U+009B.
    const CliRun steering = RunCli({"report", Damaged("bad\x1b[2J\n\xC2\x9B"
                                                      "2J.vkd")});
    EXPECT_EQ(steering.Err.find_first_of("\x1b\xC2"), std::string::npos) << steering.Err;
    EXPECT_EQ(LinesOf(steering.Err).size(), 1u);
    // Nor through log's headers and export's progress lines.
    const std::string named = Save(*SmallDesign("Delta"), "delta\x1b[2J\xC2\x9B.vkd");
    for (const CliRun &listed : {RunCli({"log", "--tv", a, named}),
                                 RunCli({"export", "--format", "text", "--out-dir", Path("sheets"), a, named})})
        EXPECT_EQ(listed.Out.find_first_of("\x1b\xC2"), std::string::npos) << listed.Out;
#endif
}

TEST_F(CliCommands, IndexListsEveryDesignUnderAFolderWithTheKeysOfReport)
{
    std::filesystem::create_directories(m_folder.Path() / "sub");
    const std::string quoted = Save(*SmallDesign("Hammer, \"Mk 2\""), "sub/hammer.vkd");
    const std::string bad = Damaged("broken.vkd");
    const std::string alpha = Save(*SmallDesign("Alpha"), "alpha.vkd");

    const std::string reason = SummarizeDesignFile(bad).Error;
    const CliRun run = RunCli({"index", "--json", m_folder.Path().string()});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "armorwright-cli index: " + bad + ": " + reason + "\n");
    const auto index = nlohmann::json::parse(run.Out);
    ASSERT_EQ(index.size(), 3u);
    EXPECT_EQ(index[1], nlohmann::json({{"file", bad}, {"error", reason}}));
    const auto report = nlohmann::json::parse(RunCli({"report", "--json", alpha, quoted}).Out);
    for (size_t i : {0u, 1u}) {
        const auto &listed = index[i == 0 ? 0 : 2];
        for (const auto &[key, value] : report[i].items())
            EXPECT_EQ(listed[key], value) << key;
        EXPECT_EQ(listed["MovementModes"], "Ground");
        EXPECT_EQ(listed["WeaponCount"], 1);
    }

    const std::vector<std::string> csv = LinesOf(RunCli({"index", "--csv", quoted, alpha}).Out);
    ASSERT_EQ(csv.size(), 3u);
    EXPECT_EQ(csv[0].rfind("file,Name,VehicleType,ThreatValue,", 0), 0u) << csv[0];
    EXPECT_EQ(csv[2].rfind(quoted + ",\"Hammer, \"\"Mk 2\"\"\",,", 0), 0u) << csv[2];
    EXPECT_EQ(RunCli({"index", "--json", "--csv", alpha}).ExitCode, 2);
    // One line per design: a file named twice (also relative and absolute) once, a tab in a
    // name and a line break in a file name as a space.
    auto tabbed = SmallDesign("Tab\there");
    const std::string tabbedFile = Save(*tabbed, "sub/tab\nbed.vkd");
    const CliRun lines = RunCli({"index", tabbedFile, (m_folder.Path() / "sub" / "." / "tab\nbed.vkd").string(),
                                 std::filesystem::relative(tabbedFile).string()});
    EXPECT_NE(lines.Out.find("tab bed.vkd: Tab here, TV "), std::string::npos) << lines.Out;
    EXPECT_EQ(LinesOf(lines.Out).size(), 1u) << lines.Out;
    std::filesystem::remove(tabbedFile);

#if defined(__unix__)
    // A folder that cannot be read is a row that says why. Root reads every folder, so then
    // the index runs as the unprivileged user "nobody".
    const std::filesystem::path locked = m_folder.Path() / "locked";
    std::filesystem::create_directory(locked);
    Save(*SmallDesign("Hidden"), "locked/hidden.vkd");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    std::filesystem::permissions(m_folder.Path(), std::filesystem::perms::all);
    std::error_code denied;
    std::filesystem::directory_iterator(locked, denied);
    const CliRun unreadable = denied ? RunCli({"index", "--json", m_folder.Path().string()})
                                     : RunCli({"--reuid=65534", "--regid=65534", "--clear-groups", AW_CLI_PATH, "index",
                                               "--json", m_folder.Path().string()},
                                              "", "setpriv");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    EXPECT_EQ(unreadable.ExitCode, 1);
    const auto rows = nlohmann::json::parse(unreadable.Out);
    ASSERT_EQ(rows.size(), 4u) << unreadable.Out;
    EXPECT_EQ(rows[2]["file"], locked.string());
    EXPECT_NE(rows[2]["error"].get<std::string>().find("Permission denied"), std::string::npos) << rows[2];

    // Last changes before 1970 and after 2262, where a 64-bit count of nanoseconds ends.
    for (const auto &[stamp, shown] :
         {std::pair{"@-631151999.5", "1950-01-01T00:00:00Z"}, std::pair{"@10413792000", "2300-01-01T00:00:00Z"}}) {
        ASSERT_EQ(RunCli({"-d", stamp, alpha}, "", "touch").ExitCode, 0);
        EXPECT_EQ(nlohmann::json::parse(RunCli({"index", "--json", alpha}).Out)[0]["LastChange"], shown);
    }
#endif

    // A picture left out is said, as report says it, with the file.
    auto pictured = SmallDesign("Pictured");
    pictured->Picture = {'B', 'M', 1, 2, 3};
    const std::string withPicture = Save(*pictured, "pictured.vkd");
    const CliRun warned = RunCli({"index", withPicture});
    EXPECT_EQ(warned.ExitCode, 0);
    EXPECT_EQ(warned.Err.rfind("armorwright-cli index: " + withPicture + ": The picture in", 0), 0u) << warned.Err;
}

TEST_F(CliCommands, LogIsTheEnginesLogOfTheOpenedDesign)
{
    // Stored with armour 0: opening raises it, so the log of the stored design would differ.
    auto design = FullDesign();
    design->Armor = 0;
    const std::string file = Save(*design, "full.vkd");
    for (const LogKind kind : {LogKind::ThreatValue, LogKind::Price}) {
        const char *option = kind == LogKind::ThreatValue ? "--tv" : "--price";
        const LogLines expected = ReplayCalculationLog(*OpenedAsEditor(file), kind);
        const LogLines stored = ReplayCalculationLog(*LoadDesignFile(file).Design, kind);
        ASSERT_NE(expected, stored);
        ASSERT_GE(expected.size(), 3u);
        EXPECT_EQ(expected[0], design->Name);
        EXPECT_EQ(expected[1], "");

        const CliRun run = RunCli({"log", option, file});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Out, cp1252::ToUtf8(JoinLogLines(expected, "\n"))) << option;

        // Saved to a file, it is what the log viewer saves: Windows-1252, CR LF.
        const std::string out = Path(std::string("log") + option + ".txt");
        ASSERT_EQ(RunCli({"log", option, "-o", out, file}).ExitCode, 0);
        EXPECT_EQ(ReadText(out), JoinLogLines(expected, "\r\n"));
    }

    // Printed, a name's terminal escape shows as a space; the log in its file form keeps it.
    const std::string steering = Save(*SmallDesign("Tank\x1b[31m"), "steering.vkd");
    EXPECT_EQ(LinesOf(RunCli({"log", "--tv", steering}).Out)[0], "Tank [31m");
    EXPECT_EQ(LinesOf(RunCli({"log", "--tv", "-o", "-", steering}).Out)[0], "Tank\x1b[31m\r");
}

TEST_F(CliCommands, JsonRoundTripReproducesTheDesignBody)
{
    const std::string file = Save(*FullDesign(), "full.vkd");
    const std::string json = Path("full.json");
    const std::string back = Path("back.vkd");
    const CliRun to = RunCli({"to-json", file, "-o", json});
    ASSERT_EQ(to.ExitCode, 0) << to.Err;
    const CliRun from = RunCli({"from-json", json, "-o", back});
    ASSERT_EQ(from.ExitCode, 0) << from.Err;
    EXPECT_EQ(DesignBody(back), DesignBody(file));

    // No output replaces the file it is made from, under whatever name it is given.
    const std::string sameFile = Path(".") + "/full.vkd";
    for (const std::vector<std::string> &command : {std::vector<std::string>{"to-json", file, "-o", sameFile},
                                                    {"log", "--tv", file, "-o", sameFile},
                                                    {"export", "--format", "text", file, "-o", sameFile},
                                                    {"from-json", json, "-o", json},
                                                    {"unpack", file, sameFile}}) {
        const CliRun refused = RunCli(command);
        EXPECT_EQ(refused.ExitCode, 1) << command[0];
        EXPECT_NE(refused.Err.find("would replace the input file"), std::string::npos) << refused.Err;
    }
    EXPECT_EQ(DesignBody(file), DesignBody(back));
    EXPECT_EQ(RunCli({"from-json", json, "-o", Path("again.vkd")}).ExitCode, 0) << "the JSON is intact";

    // "-o -" prints what the file would hold; a design file, an image, a container or a
    // folder is not printed.
    const std::string log = Path("full.log"), sheet = Path("full.txt"), body = Path("full.body");
    ASSERT_EQ(RunCli({"log", "--price", file, "-o", log}).ExitCode, 0);
    ASSERT_EQ(RunCli({"export", "--format", "text", file, "-o", sheet}).ExitCode, 0);
    ASSERT_EQ(RunCli({"unpack", file, body}).ExitCode, 0);
    for (const auto &[command, same] :
         {std::pair{std::vector<std::string>{"to-json", file, "-o", "-"}, json},
          std::pair{std::vector<std::string>{"log", "--price", file, "-o", "-"}, log},
          std::pair{std::vector<std::string>{"export", "--format", "text", file, "--out=-"}, sheet},
          std::pair{std::vector<std::string>{"unpack", file, "-"}, body}}) {
        const CliRun printed = RunCli(command);
        EXPECT_EQ(printed.ExitCode, 0) << printed.Err;
        EXPECT_EQ(printed.Out, ReadText(same)) << command[0];
    }
    for (const std::vector<std::string> &command :
         {std::vector<std::string>{"export", "--format", "png", file, "-o", "-"},
          {"from-json", json, "-o", "-"},
          {"pack", json, "-"},
          {"blocks", "export", "TEXT", "-"},
          {"export", "--format", "text", file, "--out-dir", "-"}})
        EXPECT_EQ(RunCli(command).ExitCode, 2) << command[0];
    EXPECT_FALSE(std::filesystem::exists("-"));

#if defined(__unix__)
    // Nor a read-only file, though its folder would allow it. Root may write to any file, so
    // then the command runs as the unprivileged user "nobody".
    namespace fs = std::filesystem;
    const std::string locked = Path("locked.vkd");
    fs::copy_file(back, locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(m_folder.Path(), fs::perms::all);
    const bool writesAnyFile = std::ofstream(locked, std::ios::app).is_open();
    const CliRun readOnly =
        writesAnyFile
            ? RunCli({"--reuid=65534", "--regid=65534", "--clear-groups", AW_CLI_PATH, "from-json", json, "-o", locked},
                     "", "setpriv")
            : RunCli({"from-json", json, "-o", locked});
    EXPECT_EQ(readOnly.ExitCode, 1);
    EXPECT_NE(readOnly.Err.find("Permission denied"), std::string::npos) << readOnly.Err;

    // A new file gets the permissions the user's umask gives any new file.
    const std::string privateFile = Path("private.vkd");
    const CliRun masked =
        RunCli({"-c", "umask 077 && exec \"$0\" from-json \"$1\" -o \"$2\"", AW_CLI_PATH, json, privateFile}, "", "sh");
    ASSERT_EQ(masked.ExitCode, 0) << masked.Err;
    EXPECT_EQ(fs::status(privateFile).permissions(), fs::perms::owner_read | fs::perms::owner_write);
#endif

    // Printed JSON is the same text; standard input reads it back.
    const CliRun printed = RunCli({"to-json", file});
    EXPECT_EQ(printed.Out, ReadText(json));
    const std::string piped = Path("piped.vkd");
    ASSERT_EQ(RunCli({"from-json", "-", "-o", piped}, printed.Out).ExitCode, 0);
    EXPECT_EQ(DesignBody(piped), DesignBody(file));

    // As opened, the editor's corrections are in it.
    auto low = SmallDesign("Low", 0);
    const std::string lowFile = Save(*low, "low.vkd");
    const auto stored = nlohmann::json::parse(RunCli({"to-json", lowFile}).Out);
    const auto opened = nlohmann::json::parse(RunCli({"to-json", "--as-opened", lowFile}).Out);
    EXPECT_EQ(stored["Armor"], 0);
    EXPECT_EQ(opened["Armor"], OpenedAsEditor(lowFile)->Armor);
    EXPECT_GT(opened["Armor"].get<int>(), 0);
}

TEST_F(CliCommands, FromJsonReportsTheBadValueAndWritesNothing)
{
    const std::string file = Save(*FullDesign(), "full.vkd");
    auto json = nlohmann::ordered_json::parse(RunCli({"to-json", file}).Out);
    json["weapons"][2]["clips"][0]["sections"][0]["Amount"] = "many";
    const std::string bad = Path("bad.json");
    WriteFileAtomically(bad, json.dump());

    const std::string fresh = Path("fresh.vkd");
    const CliRun run = RunCli({"from-json", bad, "-o", fresh});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "armorwright-cli from-json: " + bad +
                           ": $.weapons[2].clips[0].sections[0].Amount: expected an integer\n");
    EXPECT_FALSE(std::filesystem::exists(fresh));

    // An existing design is left as it was.
    const std::string existing = Save(*SmallDesign("Keep"), "keep.vkd");
    const std::vector<uint8_t> before = ReadWholeFile(existing);
    EXPECT_EQ(RunCli({"from-json", bad, "-o", existing}).ExitCode, 1);
    EXPECT_EQ(ReadWholeFile(existing), before);
    EXPECT_EQ(RunCli({"from-json", Path("missing.json"), "-o", fresh}).ExitCode, 1);
#ifndef _WIN32
    // Standard input that cannot be read is reported as such, not as JSON that ends early.
    const CliRun folderInput =
        RunCli({"-c", "exec \"$0\" from-json - -o \"$1\" < \"$2\"", AW_CLI_PATH, fresh, Path(".")}, "", "/bin/sh");
    EXPECT_EQ(folderInput.ExitCode, 1);
    EXPECT_EQ(folderInput.Err, "armorwright-cli from-json: Cannot read standard input: Is a directory\n");
    EXPECT_FALSE(std::filesystem::exists(fresh));
#endif
}

TEST_F(CliCommands, OutputThatCannotBeWrittenIsAFailure)
{
    const std::string file = Save(*SmallDesign("Full"), "full.vkd");
    const CliRun run = RunCli({"to-json", file}, "", AW_CLI_PATH, "/dev/full");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "armorwright-cli to-json: the output could not be written\n");
    for (const char *answer : {"--help", "--version"})
        EXPECT_EQ(RunCli({answer}, "", AW_CLI_PATH, "/dev/full").ExitCode, 1) << answer;
    // Not "they differ" (1): diff's failures are 2.
    const std::string other = Save(*SmallDesign("Other"), "other.vkd");
    EXPECT_EQ(RunCli({"diff", file, other}, "", AW_CLI_PATH, "/dev/full").ExitCode, 2);
}

TEST_F(CliCommands, DiffOfTwoKnownDesigns)
{
    auto alpha = SmallDesign("Alpha");
    auto bravo = SmallDesign("Bravo");
    bravo->VehicleType = "Walker";
    bravo->Availability = 4;
    const std::string a = Save(*alpha, "alpha.vkd");
    const std::string b = Save(*bravo, "bravo.vkd");

    const CliRun run = RunCli({"diff", a, b});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "Name\t\"Alpha\"\t\"Bravo\"\n"
                       "VehicleType\t\"\"\t\"Walker\"\n"
                       "Availability\t0\t4\n");

    const CliRun same = RunCli({"diff", a, a});
    EXPECT_EQ(same.ExitCode, 0);
    EXPECT_EQ(same.Out, "");

    // A picture that cannot be shown is left out of the comparison, and that is said.
    auto pictured = SmallDesign("Alpha");
    pictured->Picture = {'B', 'M', 1, 2, 3};
    const CliRun unshown = RunCli({"diff", a, Save(*pictured, "pictured.vkd")});
    EXPECT_NE(unshown.Err.find("The picture in"), std::string::npos) << unshown.Err;

    // A faster system changes results as well as the field.
    auto fast = SmallDesign("Alpha");
    MovementRecord ground = fast->Movement->Get(0);
    ground.TopSpeed = 144;
    fast->Movement->Set(0, ground);
    const CliRun moved = RunCli({"diff", a, Save(*fast, "fast.vkd")});
    EXPECT_EQ(moved.ExitCode, 1);
    const std::vector<std::string> lines = LinesOf(moved.Out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "movement[0].TopSpeed\t72\t144");
    EXPECT_NE(moved.Out.find("\nresults.DTV\t"), std::string::npos);

    // Which of the two is damaged is told by the path given, not the file's name alone.
    const std::string broken = Damaged("broken.vkd");
    const CliRun damaged = RunCli({"diff", a, broken});
    EXPECT_EQ(damaged.ExitCode, 2);
    EXPECT_EQ(damaged.Err.rfind("armorwright-cli diff: " + broken + ": \"broken.vkd\" ", 0), 0u) << damaged.Err;
}

TEST_F(CliCommands, DiffComparesOpenedDesignsUnlessAskedForTheStoredOnes)
{
    // Armour 0 and 1 are both raised to the same value on opening.
    const std::string a = Save(*SmallDesign("Same", 0), "zero.vkd");
    const std::string b = Save(*SmallDesign("Same", 1), "one.vkd");
    ASSERT_EQ(OpenedAsEditor(a)->Armor, OpenedAsEditor(b)->Armor);

    const CliRun opened = RunCli({"diff", a, b});
    EXPECT_EQ(opened.ExitCode, 0) << opened.Out;
    const CliRun stored = RunCli({"diff", "--stored", a, b});
    EXPECT_EQ(stored.ExitCode, 1);
    EXPECT_EQ(stored.Out, "Armor\t0\t1\n");
}

} // namespace aw
