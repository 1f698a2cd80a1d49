#include "storage/DataBlock.h"

#include "base/Utf8Path.h"
#include "codec/LzhCompressor.h"
#include "storage/BuiltInBlocks.h"

#include <stdexcept>

namespace aw {

Stream OpenDataBlock(const std::string &fileName, const std::string &blockName, const std::string &folder)
{
    const std::filesystem::path path = PathFromUtf8(folder + fileName);
    Stream container;
    if (FileExists(path)) {
        container = Stream(ReadWholeFile(path));
    } else {
        const std::span<const uint8_t> block = BuiltInBlock(blockName);
        if (block.empty())
            throw std::invalid_argument("no built-in data block \"" + blockName + "\"");
        container = Stream(std::vector<uint8_t>(block.begin(), block.end()));
    }
    Stream content;
    DecompressStream(container, content);
    content.Seek(0);
    return content;
}

} // namespace aw
