#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"

#include "codec/LzhCompressor.h"
#include "storage/BuiltInBlocks.h"
#include "storage/DataBlock.h"

#include <gtest/gtest.h>

#include <sstream>

namespace aw {

namespace {

std::string TextOf(const Stream &stream) { return std::string(stream.Bytes().begin(), stream.Bytes().end()); }

} // namespace

TEST(DataBlock, EveryBuiltInBlockDecodesToItsRawSourceInWholeRecords)
{
    // AW_RAW_BLOCKS: "NAME=raw file|..." as the build embedded them.
    std::stringstream list(AW_RAW_BLOCKS);
    std::string entry;
    size_t count = 0;
    while (std::getline(list, entry, '|')) {
        const std::string name = entry.substr(0, entry.find('='));
        const std::vector<uint8_t> content = DecompressBytes(BuiltInBlock(name));
        EXPECT_EQ(content, ReadWholeFile(entry.substr(entry.find('=') + 1))) << name;
        const size_t record = name == "WEAPONS" ? 266 : name == "PFD" ? 879 : name == "MOVEMENT" ? 61 : 1;
        EXPECT_EQ(content.size() % record, 0u) << name;
        ++count;
    }
    EXPECT_EQ(count, kDataBlocks.size());
    EXPECT_EQ(DecompressBytes(BuiltInBlock("PRINT")), DecompressBytes(BuiltInBlock("JPEG")));
    // Names match without regard to case.
    EXPECT_EQ(BuiltInBlock("DropDown").data(), BuiltInBlock("DROPDOWN").data());
    EXPECT_TRUE(BuiltInBlock("DROPDOWNS").empty());
}

TEST(DataBlock, OverrideFileIsReadAfreshOnEveryCall)
{
    TempFolder dir;
    const std::string builtIn = TextOf(OpenDataBlock("Text.zel", "TEXT", dir.Folder()));
    WriteFileAtomically(dir / "Text.zel", CompressBytes(Bytes("one")));
    Stream first = OpenDataBlock("Text.zel", "TEXT", dir.Folder());
    EXPECT_EQ(first.Position(), 0);
    EXPECT_EQ(TextOf(first), "one");
    WriteFileAtomically(dir / "Text.zel", CompressBytes(Bytes("two")));
    EXPECT_EQ(TextOf(OpenDataBlock("Text.zel", "TEXT", dir.Folder())), "two");
    RemoveFileIfExists(dir / "Text.zel");
    EXPECT_EQ(TextOf(OpenDataBlock("Text.zel", "TEXT", dir.Folder())), builtIn);
}

TEST(DataBlock, BadOverridesAndUnknownBlocksFail)
{
    TempFolder dir;
    WriteFileAtomically(dir / "html.zel", std::string("<html>plain, not packed</html>"));
    try {
        DataBlockBytes("html", dir.Folder());
        ADD_FAILURE() << "a plain file was accepted";
    } catch (const FileError &e) {
        EXPECT_EQ(e.what(), "The override file \"" + dir.Folder() + "html.zel\" is damaged: " + lzhmsg::kNoHeader);
        EXPECT_EQ(e.FilePath(), dir.Folder() + "html.zel");
    }
    EXPECT_THROW(OpenDataBlock("Nothing.zel", "NOTHING", dir.Folder()), std::invalid_argument);
    EXPECT_THROW(DataBlockBytes("NOTHING", dir.Folder()), std::invalid_argument);
}

} // namespace aw
