#pragma once

#include "base/Files.h"
#include "base/Stream.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// A built-in data block and the override file that stands in for it when present.
struct DataBlockName {
    const char *Block;
    const char *File;
};

// Every data block the program carries, in its stored order.
inline constexpr std::array<DataBlockName, 8> kDataBlocks = {{{"WEAPONS", "Weapons.zel"},
                                                              {"PFD", "pfd.zel"},
                                                              {"MOVEMENT", "Movement.zel"},
                                                              {"DROPDOWN", "DropDown.zel"},
                                                              {"TEXT", "Text.zel"},
                                                              {"HTML", "html.zel"},
                                                              {"JPEG", "Jpeg.zel"},
                                                              {"PRINT", "Print.zel"}}};

// The uncompressed content of a data block: the file `fileName` in `folder` when it
// exists (read afresh on every call), otherwise the built-in block `blockName`. The stream
// is positioned at its start. An override file that is not a valid container fails with a
// FileError naming it and giving the codec's message; an unknown block name is a
// programming error (std::invalid_argument).
Stream OpenDataBlock(const std::string &fileName, const std::string &blockName,
                     const std::string &folder = ProgramFolder());

// The same for a block of kDataBlocks named in any letter case, as bytes.
std::vector<uint8_t> DataBlockBytes(std::string_view blockName, const std::string &folder = ProgramFolder());

} // namespace aw
