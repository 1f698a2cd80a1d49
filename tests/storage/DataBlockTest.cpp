#include "tests/storage/StorageFolder.h"

#include "engine/base/Stream.h"
#include "storage/BuiltInBlocks.h"
#include "storage/DataBlock.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

// NAME -> raw source file of every embedded block, as the build embedded them.
std::map<std::string, std::string> rawBlocks()
{
    std::map<std::string, std::string> blocks;
    std::stringstream list(AW_RAW_BLOCKS);
    std::string entry;
    while (std::getline(list, entry, '|')) {
        const size_t eq = entry.find('=');
        blocks[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    return blocks;
}

std::string text(const TStream &stream) { return std::string(stream.Bytes().begin(), stream.Bytes().end()); }

} // namespace

TEST(DataBlock, EveryBuiltInBlockDecodesToItsRawSource)
{
    const std::map<std::string, std::string> raw = rawBlocks();
    ASSERT_EQ(raw.size(), kDataBlocks.size());
    for (const TDataBlockName &name : kDataBlocks) {
        ASSERT_TRUE(raw.count(name.block)) << name.block;
        const std::span<const uint8_t> block = BuiltInBlock(name.block);
        ASSERT_FALSE(block.empty()) << name.block;
        EXPECT_EQ(DecompressBytes(block), ReadWholeFile(raw.at(name.block))) << name.block;
    }
}

TEST(DataBlock, RecordBlocksHoldWholeRecordsAndPrintSharesTheImageLayout)
{
    const std::map<std::string, int> recordSizes = {{"WEAPONS", 266}, {"PFD", 879}, {"MOVEMENT", 61}};
    for (const auto &[name, size] : recordSizes)
        EXPECT_EQ(DecompressBytes(BuiltInBlock(name)).size() % static_cast<size_t>(size), 0u) << name;
    EXPECT_EQ(DecompressBytes(BuiltInBlock("PRINT")), DecompressBytes(BuiltInBlock("JPEG")));
}

TEST(DataBlock, NamesMatchWithoutRegardToCase)
{
    EXPECT_FALSE(BuiltInBlock("dropdown").empty());
    EXPECT_EQ(BuiltInBlock("DropDown").data(), BuiltInBlock("DROPDOWN").data());
    EXPECT_TRUE(BuiltInBlock("DROPDOWNS").empty());
    EXPECT_TRUE(BuiltInBlock("").empty());
    EXPECT_EQ(BuiltInBlockNames().size(), kDataBlocks.size());
}

TEST(DataBlock, OverrideFileIsReadAfreshOnEveryCall)
{
    TStorageFolder dir("override");
    const std::string builtIn = text(OpenDataBlock("Text.zel", "TEXT", dir.folder()));

    WriteFileAtomically(dir.file("Text.zel"), CompressBytes(std::vector<uint8_t>{'o', 'n', 'e'}));
    TStream first = OpenDataBlock("Text.zel", "TEXT", dir.folder());
    EXPECT_EQ(first.Position(), 0);
    EXPECT_EQ(text(first), "one");

    WriteFileAtomically(dir.file("Text.zel"), CompressBytes(std::vector<uint8_t>{'t', 'w', 'o'}));
    EXPECT_EQ(text(OpenDataBlock("Text.zel", "TEXT", dir.folder())), "two");

    RemoveFileIfExists(dir.file("Text.zel"));
    EXPECT_EQ(text(OpenDataBlock("Text.zel", "TEXT", dir.folder())), builtIn);
}

TEST(DataBlock, OverrideThatIsNotAContainerFailsWithTheCodecMessage)
{
    TStorageFolder dir("bad-override");
    WriteFileAtomically(dir.file("html.zel"), std::string("<html>plain, not packed</html>"));
    try {
        OpenDataBlock("html.zel", "HTML", dir.folder());
        FAIL() << "a plain file was accepted";
    } catch (const ELZHException &e) {
        EXPECT_STREQ(e.what(), lzhmsg::kNoHeader);
    }
}

TEST(DataBlock, UnknownBlockIsAProgrammingError)
{
    TStorageFolder dir("unknown");
    EXPECT_THROW(OpenDataBlock("Nothing.zel", "NOTHING", dir.folder()), std::invalid_argument);
}
