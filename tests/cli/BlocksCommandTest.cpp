#include "engine/base/Files.h"
#include "storage/BuiltInBlocks.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct BlocksRun {
    int exitCode = -1;
    std::string output;
};

BlocksRun runBlocks(const std::string &arguments, const std::filesystem::path &folder)
{
    const std::string outFile = (folder / "stdout.txt").string();
    const std::string command = std::string(AW_CLI_PATH) + " blocks " + arguments + " >" + outFile + " 2>&1";
    const int status = std::system(command.c_str());
    BlocksRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::vector<uint8_t> out = ReadWholeFile(outFile);
    run.output.assign(out.begin(), out.end());
    std::filesystem::remove(outFile);
    return run;
}

struct BlocksFolder : ::testing::Test {
    std::filesystem::path dir;
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("aw-blocks-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

} // namespace

TEST_F(BlocksFolder, ListNamesEveryBlockWithItsOverrideFile)
{
    const BlocksRun run = runBlocks("list", dir);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    for (const char *name : {"WEAPONS", "PFD", "MOVEMENT", "DROPDOWN", "TEXT", "HTML", "JPEG", "PRINT"})
        EXPECT_NE(run.output.find(name), std::string::npos) << name;
    for (const char *file : {"Weapons.zel", "pfd.zel", "Movement.zel", "DropDown.zel", "Text.zel", "html.zel",
                             "Jpeg.zel", "Print.zel"})
        EXPECT_NE(run.output.find(file), std::string::npos) << file;
}

TEST_F(BlocksFolder, ExportWritesTheBlockExactlyAsEmbedded)
{
    const std::string file = (dir / "Movement.zel").string();
    ASSERT_EQ(runBlocks("export movement " + file, dir).exitCode, 0);
    const std::vector<uint8_t> exported = ReadWholeFile(file);
    const std::span<const uint8_t> embedded = BuiltInBlock("MOVEMENT");
    EXPECT_EQ(exported, std::vector<uint8_t>(embedded.begin(), embedded.end()));
    EXPECT_EQ(DecompressBytes(exported).size() % 61, 0u);
}

TEST_F(BlocksFolder, UnknownNameFailsAndWritesNothing)
{
    const std::string file = (dir / "x.zel").string();
    const BlocksRun run = runBlocks("export WEAPON " + file, dir);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("WEAPONS"), std::string::npos) << run.output;
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_NE(runBlocks("export", dir).exitCode, 0);
}
