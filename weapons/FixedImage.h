#pragma once

#include "base/Stream.h"

#include <cstddef>
#include <cstdint>

namespace aw {

// Stream access to a record stored as a fixed byte image of Size bytes, given the
// record's own image reader or writer. Short data throws StreamError.
template <size_t Size, typename ReadImage> auto LoadFixedImage(Stream &stream, ReadImage read)
{
    uint8_t image[Size];
    stream.ReadBuffer(image, Size);
    return read(image);
}

template <size_t Size, typename Record, typename WriteImage>
void SaveFixedImage(Stream &stream, const Record &record, WriteImage write)
{
    uint8_t image[Size];
    write(record, image);
    stream.WriteBuffer(image, Size);
}

} // namespace aw
