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
    TempFolder Dir;
    int ExitCode = -1;
    std::string Output;

    std::string File(const char *name) const { return Dir / name; }
    int Run(const std::string &arguments)
    {
        const CliRun cli = RunCli(SplitArguments(arguments));
        ExitCode = cli.ExitCode;
        Output = cli.Out + cli.Err;
        return ExitCode;
    }
};

} // namespace

TEST_F(PackFolder, PackThenUnpackGivesTheFileBack)
{
    std::vector<uint8_t> data;
    for (int i = 0; i < 50000; ++i)
        data.push_back(static_cast<uint8_t>((i * 31) ^ (i >> 5)));
    WriteFileAtomically(File("in.bin"), data);
    ASSERT_EQ(Run("pack " + File("in.bin") + " " + File("packed.zel")), 0) << Output;
    EXPECT_EQ(ReadWholeFile(File("packed.zel")), CompressBytes(data));
    ASSERT_EQ(Run("unpack " + File("packed.zel") + " " + File("out.bin")), 0) << Output;
    EXPECT_EQ(ReadWholeFile(File("out.bin")), data);
}

TEST_F(PackFolder, FailuresTellTheCodecMessageAndWriteNothing)
{
    WriteFileAtomically(File("plain.txt"), std::string("just some text, no header\r\n"));
    EXPECT_NE(Run("unpack " + File("plain.txt") + " " + File("out.bin")), 0);
    EXPECT_NE(Output.find(File("plain.txt") + ": " + lzhmsg::kNoHeader), std::string::npos) << Output;
    EXPECT_FALSE(std::filesystem::exists(File("out.bin")));

    std::vector<uint8_t> container = CompressBytes(std::vector<uint8_t>(1000, 'z'));
    bytes::PutUInt32(container.data() + 4, 0xFFFFFFF0u); // a size the bytes cannot hold
    WriteFileAtomically(File("bad.zel"), container);
    WriteFileAtomically(File("out.bin"), std::string("previous"));
    EXPECT_NE(Run("unpack " + File("bad.zel") + " " + File("out.bin")), 0);
    EXPECT_NE(Output.find(lzhmsg::kSizeMismatch), std::string::npos) << Output;
    EXPECT_EQ(ReadWholeFile(File("out.bin")), std::vector<uint8_t>({'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));

    EXPECT_NE(Run("pack " + File("nothing-here") + " " + File("x.zel")), 0);
    EXPECT_FALSE(std::filesystem::exists(File("x.zel")));
    EXPECT_EQ(Run("unpack " + File("only-one")), 2);
}

TEST_F(PackFolder, BlocksAreListedAndExportedExactlyAsEmbedded)
{
    ASSERT_EQ(Run("blocks list"), 0) << Output;
    for (const char *name : {"WEAPONS", "Weapons.zel", "DROPDOWN", "DropDown.zel", "PRINT", "Print.zel"})
        EXPECT_NE(Output.find(name), std::string::npos) << name;

    ASSERT_EQ(Run("blocks export movement " + File("Movement.zel")), 0) << Output;
    const std::span<const uint8_t> embedded = BuiltInBlock("MOVEMENT");
    EXPECT_EQ(ReadWholeFile(File("Movement.zel")), std::vector<uint8_t>(embedded.begin(), embedded.end()));

    EXPECT_NE(Run("blocks export WEAPON " + File("x.zel")), 0);
    EXPECT_NE(Output.find("WEAPONS"), std::string::npos) << Output; // the valid names are offered
    EXPECT_FALSE(std::filesystem::exists(File("x.zel")));
}

} // namespace aw
