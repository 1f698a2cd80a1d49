#pragma once

#include "base/Stream.h"

#include <cstdint>
#include <vector>

namespace aw {

// Reads fixed-size records back to back until the end of the stream; a last, partial
// record is not used. Calls take(pointer to the record's bytes, record number from 0).
template <typename Take> void ForEachRecord(Stream &stream, int recordSize, Take take)
{
    std::vector<uint8_t> record(static_cast<size_t>(recordSize));
    for (int n = 0; stream.Remaining() >= recordSize; ++n) {
        stream.ReadBuffer(record.data(), record.size());
        take(record.data(), n);
    }
}

} // namespace aw
