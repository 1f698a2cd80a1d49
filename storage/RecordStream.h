#pragma once

#include "base/Stream.h"

#include <cstdint>
#include <string>
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

// Why the rest of the stream is not a library's records, or "" when it is a whole number of
// them. Data cut short, or written with records of another size, would be read as records of
// wrong values.
inline std::string PartialRecordReason(const Stream &stream, int recordSize)
{
    const int64_t size = stream.Remaining();
    if (size % recordSize == 0)
        return {};
    return "its " + std::to_string(size) + " bytes of data are not a whole number of " + std::to_string(recordSize) +
           "-byte records";
}

} // namespace aw
