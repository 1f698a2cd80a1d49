#include "storage/DataBlock.h"

#include "storage/BuiltInBlocks.h"
#include "codec/LzhCompressor.h"

#include <stdexcept>

TStream OpenDataBlock(const std::string &fileName, const std::string &blockName, const std::string &folder)
{
    const std::string path = folder + fileName;
    TStream container;
    if (FileExists(path)) {
        container = TStream(ReadWholeFile(path));
    } else {
        const std::span<const uint8_t> block = BuiltInBlock(blockName);
        if (block.empty())
            throw std::invalid_argument("no built-in data block \"" + blockName + "\"");
        container = TStream(std::vector<uint8_t>(block.begin(), block.end()));
    }
    TStream content;
    DecompressStream(container, content);
    content.Seek(0);
    return content;
}
