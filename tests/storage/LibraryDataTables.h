#pragma once

#include "tools/datagen/LibraryData.h"

namespace aw {

// The libraries as the data folder's tables describe them, read once per test program.
inline const LibraryData &Library()
{
    static const LibraryData data = ReadLibraryData(AW_SOURCE_DIR "/data");
    return data;
}

} // namespace aw
