#include "CliTestSupport.h"

#include "base/Files.h"
#include "codec/LzhCompressor.h"
#include "engine/MovementRecord.h"
#include "tests/support/TempFolder.h"
#include "weapons/WeaponRecord.h"

#include <gtest/gtest.h>

namespace {

struct LibraryRun {
    int exitCode = -1;
    std::string output;
};

struct LibraryFolder : ::testing::Test {
    TempFolder dir;

    // Runs "armorwright-cli library --folder DIR arguments" and keeps its standard output.
    LibraryRun run(const std::string &arguments) const
    {
        std::vector<std::string> words{"library", "--folder", dir.Path().string()};
        for (const std::string &word : SplitArguments(arguments))
            words.push_back(word);
        const CliRun cli = RunCli(words);
        LibraryRun result;
        result.exitCode = cli.ExitCode;
        result.output = cli.Out;
        return result;
    }

    // Writes records' byte images as a compressed override file in the folder.
    void writeOverride(const char *name, const std::vector<uint8_t> &raw) const
    {
        WriteFileAtomically(dir / name, CompressBytes(raw));
    }
};

} // namespace

TEST_F(LibraryFolder, BuiltInLibrariesWithoutOverrides)
{
    const LibraryRun movement = run("movement");
    ASSERT_EQ(movement.exitCode, 0);
    EXPECT_NE(movement.output.find("Hydrofoil"), std::string::npos);
    EXPECT_NE(movement.output.find("Submarine"), std::string::npos);

    const LibraryRun rockets = run("weapons rockets");
    ASSERT_EQ(rockets.exitCode, 0);
    EXPECT_NE(rockets.output.find("VLRP/128"), std::string::npos) << "long codes are shown whole";
    EXPECT_EQ(rockets.output.find("VLMG"), std::string::npos) << "only the chosen tab";

    const LibraryRun defects = run("defects");
    ASSERT_EQ(defects.exitCode, 0);
    EXPECT_NE(defects.output.find("MajorFlaw"), std::string::npos);
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
    writeOverride("Movement.zel", raw);

    const LibraryRun movement = run("movement");
    ASSERT_EQ(movement.exitCode, 0);
    EXPECT_NE(movement.output.find("Ice Sled"), std::string::npos);
    EXPECT_NE(movement.output.find("Balloon"), std::string::npos);
    EXPECT_EQ(movement.output.find("Walker"), std::string::npos);
}

TEST_F(LibraryFolder, CustomWeaponsStandBeforeTheBuiltInOnesOfTheirTab)
{
    WeaponRecord gun = DefaultWeaponRecord();
    gun.Name = "Home-Made Cannon";
    gun.Code = "HMC";
    gun.WeaponType = 0;
    std::vector<uint8_t> raw(kWeaponRecordSize);
    WriteWeaponRecord(gun, raw.data());
    writeOverride("Custom.zel", raw);

    const LibraryRun cannons = run("weapons 0");
    ASSERT_EQ(cannons.exitCode, 0);
    const size_t custom = cannons.output.find("Home-Made Cannon");
    ASSERT_NE(custom, std::string::npos);
    EXPECT_LT(custom, cannons.output.find("Very Light Machine Gun"));
}

TEST_F(LibraryFolder, UnknownKindsAndTabsAreUsageErrors)
{
    EXPECT_EQ(run("bogus").exitCode, 2);
    EXPECT_EQ(run("weapons").exitCode, 2);
    EXPECT_EQ(run("weapons 7").exitCode, 2);
    EXPECT_EQ(run("weapons lasers").exitCode, 2);
    EXPECT_EQ(run("perks extra").exitCode, 2);
    EXPECT_EQ(run("weapons Close").exitCode, 0) << "tabs are matched by the start of their caption";
}
