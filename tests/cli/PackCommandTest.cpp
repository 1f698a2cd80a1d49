#include "engine/base/Files.h"
#include "engine/base/Stream.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string errors;
};

// Runs armorwright-cli with arguments (no shell quoting needed: the paths are plain).
CliRun runCli(const std::string &arguments, const std::filesystem::path &folder)
{
    const std::string errFile = (folder / "stderr.txt").string();
    const std::string command = std::string(AW_CLI_PATH) + " " + arguments + " 2>" + errFile;
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::vector<uint8_t> err = ReadWholeFile(errFile);
    run.errors.assign(err.begin(), err.end());
    std::filesystem::remove(errFile);
    return run;
}

struct PackFolder : ::testing::Test {
    std::filesystem::path dir;
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("aw-pack-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string file(const char *name) const { return (dir / name).string(); }
};

} // namespace

TEST_F(PackFolder, PackThenUnpackGivesTheFileBack)
{
    std::vector<uint8_t> data;
    for (int i = 0; i < 50000; ++i)
        data.push_back(static_cast<uint8_t>((i * 31) ^ (i >> 5)));
    WriteFileAtomically(file("in.bin"), data);

    ASSERT_EQ(runCli("pack " + file("in.bin") + " " + file("packed.zel"), dir).exitCode, 0);
    const std::vector<uint8_t> packed = ReadWholeFile(file("packed.zel"));
    EXPECT_EQ(packed, CompressBytes(data));

    ASSERT_EQ(runCli("unpack " + file("packed.zel") + " " + file("out.bin"), dir).exitCode, 0);
    EXPECT_EQ(ReadWholeFile(file("out.bin")), data);
}

TEST_F(PackFolder, EmptyFileRoundTrips)
{
    WriteFileAtomically(file("empty"), std::vector<uint8_t>{});
    ASSERT_EQ(runCli("pack " + file("empty") + " " + file("e.zel"), dir).exitCode, 0);
    EXPECT_EQ(ReadWholeFile(file("e.zel")).size(), 8u);
    ASSERT_EQ(runCli("unpack " + file("e.zel") + " " + file("e.out"), dir).exitCode, 0);
    EXPECT_TRUE(ReadWholeFile(file("e.out")).empty());
}

TEST_F(PackFolder, UnpackingANonContainerFailsWithTheCodecMessageAndWritesNothing)
{
    WriteFileAtomically(file("plain.txt"), std::string("just some text, no header\r\n"));
    const CliRun run = runCli("unpack " + file("plain.txt") + " " + file("out.bin"), dir);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.errors.find(lzhmsg::kNoHeader), std::string::npos) << run.errors;
    EXPECT_FALSE(std::filesystem::exists(file("out.bin")));
}

TEST_F(PackFolder, FailedUnpackKeepsAnExistingOutputFile)
{
    std::vector<uint8_t> container = CompressBytes(std::vector<uint8_t>(1000, 'z'));
    bytes::PutUInt32(container.data() + 4, 0xFFFFFFF0u); // a size the bytes cannot hold
    WriteFileAtomically(file("bad.zel"), container);
    WriteFileAtomically(file("out.bin"), std::string("previous"));
    const CliRun run = runCli("unpack " + file("bad.zel") + " " + file("out.bin"), dir);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.errors.find(lzhmsg::kSizeMismatch), std::string::npos) << run.errors;
    const std::vector<uint8_t> kept = ReadWholeFile(file("out.bin"));
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous");
}

TEST_F(PackFolder, MissingInputAndWrongArgumentsFail)
{
    EXPECT_NE(runCli("pack " + file("nothing-here") + " " + file("x.zel"), dir).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(file("x.zel")));
    EXPECT_EQ(runCli("unpack " + file("only-one"), dir).exitCode, 2);
}
