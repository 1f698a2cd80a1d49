#include "tests/support/SampleDesigns.h"

#include "base/Stream.h"

namespace aw {

namespace samples {

std::vector<uint8_t> BitmapFile(int width, int height, int bitCount, uint32_t seed)
{
    const int paletteEntries = bitCount <= 8 ? (1 << bitCount) : 0;
    const int64_t stride = (static_cast<int64_t>(width) * bitCount + 31) / 32 * 4;
    const int64_t pixelOffset = 14 + 40 + 4 * paletteEntries;
    const int64_t fileSize = pixelOffset + stride * height;

    Stream s;
    s.WriteUInt8('B');
    s.WriteUInt8('M');
    s.WriteUInt32(static_cast<uint32_t>(fileSize));
    s.WriteUInt32(0);
    s.WriteUInt32(static_cast<uint32_t>(pixelOffset));
    s.WriteUInt32(40);
    s.WriteInt32(width);
    s.WriteInt32(height);
    s.WriteInt16(1);
    s.WriteInt16(static_cast<int16_t>(bitCount));
    s.WriteUInt32(0); // uncompressed
    s.WriteUInt32(static_cast<uint32_t>(stride * height));
    s.WriteInt32(3780);
    s.WriteInt32(3780);
    s.WriteUInt32(static_cast<uint32_t>(paletteEntries));
    s.WriteUInt32(0);
    for (int i = 0; i < paletteEntries; ++i) {
        const uint8_t grey = static_cast<uint8_t>(i * 255 / (paletteEntries - 1));
        const uint8_t entry[4] = {grey, static_cast<uint8_t>(255 - grey), static_cast<uint8_t>(grey / 2), 0};
        s.WriteBuffer(entry, 4);
    }
    // A simple pseudo-random pattern so the picture does not compress to nothing.
    uint32_t state = seed * 2654435761u + 1;
    std::vector<uint8_t> row(static_cast<size_t>(stride));
    for (int y = 0; y < height; ++y) {
        for (auto &b : row) {
            state = state * 1103515245u + 12345u;
            b = static_cast<uint8_t>(state >> 16);
        }
        s.WriteBuffer(row.data(), row.size());
    }
    return s.TakeBytes();
}

std::vector<uint8_t> RunLengthBitmapFile(int width, int height, int bitCount, const std::vector<uint8_t> &coded)
{
    const int colours = 1 << bitCount;
    Stream file;
    file.WriteBuffer("BM", 2);
    file.WriteUInt32(static_cast<uint32_t>(54 + 4 * colours + coded.size()));
    file.WriteUInt32(0);
    file.WriteUInt32(static_cast<uint32_t>(54 + 4 * colours));
    for (int32_t field : {40, width, height})
        file.WriteInt32(field);
    file.WriteInt16(1);
    file.WriteInt16(static_cast<int16_t>(bitCount));
    for (uint32_t field : {bitCount == 8 ? 1u : 2u, static_cast<uint32_t>(coded.size()), 0u, 0u, 0u, 0u})
        file.WriteUInt32(field);
    for (uint32_t i = 0; i < static_cast<uint32_t>(colours); ++i)
        file.WriteUInt32(i * 16 << 16 | (255 - i * 16) << 8 | 40);
    file.WriteBuffer(coded.data(), coded.size());
    return file.TakeBytes();
}

} // namespace samples

} // namespace aw
