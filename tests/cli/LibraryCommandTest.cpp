#include "CliTestSupport.h"

#include "base/Files.h"
#include "codec/LzhCompressor.h"
#include "engine/MovementRecord.h"
#include "tests/support/TempFolder.h"
#include "weapons/WeaponRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace aw {

namespace {

struct LibraryRun {
    int ExitCode = -1;
    std::string Output;
};

struct LibraryFolder : ::testing::Test {
    TempFolder Dir;

    // Runs "armorwright-cli library --folder DIR arguments" and keeps its standard output.
    LibraryRun Run(const std::string &arguments) const
    {
        std::vector<std::string> words{"library", "--folder", Dir.Path().string()};
        for (const std::string &word : SplitArguments(arguments))
            words.push_back(word);
        const CliRun cli = RunCli(words);
        LibraryRun result;
        result.ExitCode = cli.ExitCode;
        result.Output = cli.Out;
        return result;
    }

    // Writes records' byte images as a compressed override file in the folder.
    void WriteOverride(const char *name, const std::vector<uint8_t> &raw) const
    {
        WriteFileAtomically(Dir / name, CompressBytes(raw));
    }
};

} // namespace

TEST_F(LibraryFolder, BuiltInLibrariesWithoutOverrides)
{
    const LibraryRun movement = Run("movement");
    ASSERT_EQ(movement.ExitCode, 0);
    EXPECT_NE(movement.Output.find("Hydrofoil"), std::string::npos);
    EXPECT_NE(movement.Output.find("Submarine"), std::string::npos);

    const LibraryRun rockets = Run("weapons rockets");
    ASSERT_EQ(rockets.ExitCode, 0);
    EXPECT_NE(rockets.Output.find("VLRP/128"), std::string::npos) << "long codes are shown whole";
    EXPECT_EQ(rockets.Output.find("VLMG"), std::string::npos) << "only the chosen tab";

    const LibraryRun defects = Run("defects");
    ASSERT_EQ(defects.ExitCode, 0);
    EXPECT_NE(defects.Output.find("MajorFlaw"), std::string::npos);
}

TEST_F(LibraryFolder, OverrideFileReplacesTheBuiltInLibrary)
{
    std::vector<uint8_t> raw(2 * MovementRecord::Size);
    MovementRecord sled;
    sled.ModeName = "Ice Sled";
    WriteMovementRecord(sled, raw.data());
    MovementRecord balloon;
    balloon.ModeName = "Balloon";
    balloon.Flight = true;
    WriteMovementRecord(balloon, raw.data() + MovementRecord::Size);
    WriteOverride("Movement.zel", raw);

    const LibraryRun movement = Run("movement");
    ASSERT_EQ(movement.ExitCode, 0);
    EXPECT_NE(movement.Output.find("Ice Sled"), std::string::npos);
    EXPECT_NE(movement.Output.find("Balloon"), std::string::npos);
    EXPECT_EQ(movement.Output.find("Walker"), std::string::npos);
}

TEST_F(LibraryFolder, CustomWeaponsStandBeforeTheBuiltInOnesOfTheirTab)
{
    WeaponRecord gun = DefaultWeaponRecord();
    gun.Name = "Home-Made Cannon";
    gun.Code = "H\x1b[31mC\n"; // a terminal escape and a line break stay out of the table
    gun.WeaponType = 0;
    std::vector<uint8_t> raw(kWeaponRecordSize);
    WriteWeaponRecord(gun, raw.data());
    WriteOverride("Custom.zel", raw);

    const LibraryRun cannons = Run("weapons 0");
    ASSERT_EQ(cannons.ExitCode, 0);
    const size_t custom = cannons.Output.find("Home-Made Cannon");
    ASSERT_NE(custom, std::string::npos);
    EXPECT_LT(custom, cannons.Output.find("Very Light Machine Gun"));
    EXPECT_EQ(cannons.Output.find('\x1b'), std::string::npos);
    EXPECT_NE(cannons.Output.find("H [31mC"), std::string::npos);
}

TEST_F(LibraryFolder, ADamagedFileIsReportedAndTheRestStillListed)
{
    WriteFileAtomically(Dir / "Custom.zel", std::string("not a library"));
    const CliRun cli = RunCli({"library", "--folder", Dir.Path().string(), "perks"});
    EXPECT_EQ(cli.ExitCode, 1);
    EXPECT_NE(cli.Err.find("Custom.zel"), std::string::npos) << cli.Err;
    EXPECT_NE(cli.Out.find("Ablative Armor"), std::string::npos) << "the built-in perks are listed";

    // Each damaged file has its own error line.
    WriteFileAtomically(Dir / "Movement.zel", std::string("not a library either"));
    const std::string err = RunCli({"library", "--folder", Dir.Path().string(), "perks"}).Err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
    EXPECT_EQ(err.rfind("armorwright-cli library: The custom weapon file ", 0), 0u) << err;
    EXPECT_NE(err.find("\narmorwright-cli library: The override file "), std::string::npos) << err;
}

TEST_F(LibraryFolder, UnknownKindsAndTabsAreUsageErrors)
{
    EXPECT_EQ(Run("bogus").ExitCode, 2);
    EXPECT_EQ(Run("weapons").ExitCode, 2);
    EXPECT_EQ(Run("weapons 7").ExitCode, 2);
    EXPECT_EQ(Run("weapons lasers").ExitCode, 2);
    EXPECT_EQ(Run("perks extra").ExitCode, 2);
    EXPECT_EQ(Run("weapons Close").ExitCode, 0) << "tabs are matched by the start of their caption";
    EXPECT_EQ(Run("weapons c").ExitCode, 2) << "cannons, close combat or custom";
    EXPECT_EQ(RunCli({"library", "--folder", Dir.Path().string(), "weapons", "rockets & missiles"}).ExitCode, 0);

    // Options are read as every command reads them: a value may follow "=", a wrong option is named.
    EXPECT_EQ(RunCli({"library", "--folder=" + Dir.Path().string(), "movement"}).ExitCode, 0);
    const CliRun unknown = RunCli({"library", "--json", "perks"});
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_EQ(unknown.Err.rfind("armorwright-cli library: unknown option '--json'\n", 0), 0u) << unknown.Err;

    // A folder that is not there (or an empty name) is named, not taken as one without override files.
    for (const std::string &missing : {std::string(Dir / "missing"), std::string()}) {
        const CliRun cli = RunCli({"library", "--folder", missing, "perks"});
        EXPECT_EQ(cli.ExitCode, 2);
        EXPECT_EQ(cli.Err, "armorwright-cli library: --folder " + missing + ": not a folder\n");
        EXPECT_EQ(cli.Out, "");
    }
}

} // namespace aw
