#pragma once

#include "base/Files.h"
#include "base/Stream.h"

#include <array>
#include <string>

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
// is positioned at its start. A file that is not a valid container fails with the codec's
// LZHException; an unknown block name is a programming error (std::invalid_argument).
Stream OpenDataBlock(const std::string &fileName, const std::string &blockName,
                     const std::string &folder = ProgramFolder());

} // namespace aw
