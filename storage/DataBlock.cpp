#include "storage/DataBlock.h"

#include "base/Utf8Path.h"
#include "codec/LzhCompressor.h"
#include "storage/BuiltInBlocks.h"

#include <stdexcept>

namespace aw {

Stream OpenDataBlock(const std::string &fileName, const std::string &blockName, const std::string &folder)
{
    const std::filesystem::path path = PathFromUtf8(folder + fileName);
    Stream content;
    if (FileExists(path)) {
        Stream container(ReadWholeFile(path));
        try {
            DecompressStream(container, content);
        } catch (const LZHException &e) {
            // The codec's message alone reads as if whatever was being opened were damaged.
            throw FileError(
                ErrorText("The override file ").File(folder + fileName).SystemText(" is damaged: " + e.Utf8()));
        }
    } else {
        const std::span<const uint8_t> block = BuiltInBlock(blockName);
        if (block.empty())
            throw std::invalid_argument("no built-in data block \"" + blockName + "\"");
        Stream container(std::vector<uint8_t>(block.begin(), block.end()));
        DecompressStream(container, content);
    }
    content.Seek(0);
    return content;
}

std::vector<uint8_t> DataBlockBytes(std::string_view blockName, const std::string &folder)
{
    for (const DataBlockName &block : kDataBlocks) {
        if (SameBlockName(block.Block, blockName))
            return OpenDataBlock(block.File, block.Block, folder).TakeBytes();
    }
    throw std::invalid_argument("unknown data block " + std::string(blockName));
}

} // namespace aw
