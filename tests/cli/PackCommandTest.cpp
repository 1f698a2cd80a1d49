#include "CliTestSupport.h"

#include "base/Files.h"
#include "base/Stream.h"
#include "codec/LzhCompressor.h"
#include "storage/BuiltInBlocks.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace aw {

namespace {

// Runs armorwright-cli in a scratch folder; keeps its exit code and its output.
struct PackFolder : ::testing::Test {
    TempFolder dir;
    int exitCode = -1;
    std::string output;

    std::string file(const char *name) const { return dir / name; }
    int run(const std::string &arguments)
    {
        const CliRun cli = RunCli(SplitArguments(arguments));
        exitCode = cli.ExitCode;
        output = cli.Out + cli.Err;
        return exitCode;
    }
};

} // namespace

TEST_F(PackFolder, PackThenUnpackGivesTheFileBack)
{
    std::vector<uint8_t> data;
    for (int i = 0; i < 50000; ++i)
        data.push_back(static_cast<uint8_t>((i * 31) ^ (i >> 5)));
    WriteFileAtomically(file("in.bin"), data);
    ASSERT_EQ(run("pack " + file("in.bin") + " " + file("packed.zel")), 0) << output;
    EXPECT_EQ(ReadWholeFile(file("packed.zel")), CompressBytes(data));
    ASSERT_EQ(run("unpack " + file("packed.zel") + " " + file("out.bin")), 0) << output;
    EXPECT_EQ(ReadWholeFile(file("out.bin")), data);
}

TEST_F(PackFolder, FailuresTellTheCodecMessageAndWriteNothing)
{
    WriteFileAtomically(file("plain.txt"), std::string("just some text, no header\r\n"));
    EXPECT_NE(run("unpack " + file("plain.txt") + " " + file("out.bin")), 0);
    EXPECT_NE(output.find(lzhmsg::kNoHeader), std::string::npos) << output;
    EXPECT_FALSE(std::filesystem::exists(file("out.bin")));

    std::vector<uint8_t> container = CompressBytes(std::vector<uint8_t>(1000, 'z'));
    bytes::PutUInt32(container.data() + 4, 0xFFFFFFF0u); // a size the bytes cannot hold
    WriteFileAtomically(file("bad.zel"), container);
    WriteFileAtomically(file("out.bin"), std::string("previous"));
    EXPECT_NE(run("unpack " + file("bad.zel") + " " + file("out.bin")), 0);
    EXPECT_NE(output.find(lzhmsg::kSizeMismatch), std::string::npos) << output;
    EXPECT_EQ(ReadWholeFile(file("out.bin")), std::vector<uint8_t>({'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));

    EXPECT_NE(run("pack " + file("nothing-here") + " " + file("x.zel")), 0);
    EXPECT_FALSE(std::filesystem::exists(file("x.zel")));
    EXPECT_EQ(run("unpack " + file("only-one")), 2);
}

TEST_F(PackFolder, BlocksAreListedAndExportedExactlyAsEmbedded)
{
    ASSERT_EQ(run("blocks list"), 0) << output;
    for (const char *name : {"WEAPONS", "Weapons.zel", "DROPDOWN", "DropDown.zel", "PRINT", "Print.zel"})
        EXPECT_NE(output.find(name), std::string::npos) << name;

    ASSERT_EQ(run("blocks export movement " + file("Movement.zel")), 0) << output;
    const std::span<const uint8_t> embedded = BuiltInBlock("MOVEMENT");
    EXPECT_EQ(ReadWholeFile(file("Movement.zel")), std::vector<uint8_t>(embedded.begin(), embedded.end()));

    EXPECT_NE(run("blocks export WEAPON " + file("x.zel")), 0);
    EXPECT_NE(output.find("WEAPONS"), std::string::npos) << output; // the valid names are offered
    EXPECT_FALSE(std::filesystem::exists(file("x.zel")));
}

} // namespace aw
