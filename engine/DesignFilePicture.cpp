#include "engine/DesignFilePicture.h"

#include "base/Stream.h"

#include <cstdlib>

namespace aw {

namespace {

using bitmapfile::kCoreHeaderSize;
using bitmapfile::kFileHeaderSize;
using bitmapfile::kInfoHeaderSize;
using bitmapfile::kOs2HeaderSize;
using bitmapfile::kV4HeaderSize;
using bitmapfile::kV5HeaderSize;

// Compression kinds a bitmap reader handles: none, RLE8, RLE4, bit fields.
bool KnownCompression(uint32_t compression, int bitCount)
{
    switch (compression) {
    case 0:
        return true;
    case 1:
        return bitCount == 8;
    case 2:
        return bitCount == 4;
    case 3:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

bool KnownBitCount(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

// A bitmap reader knows no other header size.
bool KnownHeaderSize(int64_t headerSize)
{
    return headerSize == kCoreHeaderSize || headerSize == kInfoHeaderSize || headerSize == kOs2HeaderSize ||
           headerSize == kV4HeaderSize || headerSize == kV5HeaderSize;
}

// What the headers say of the pixels that follow them.
struct BitmapLayout {
    int64_t PixelOffset = 0;
    int64_t HeaderSize = 0;
    int64_t Width = 0;
    int64_t Height = 0;
    int BitCount = 0;
    uint32_t Compression = 0;
    int64_t ColourCount = 0; // 0: as many as the bit count allows
    int64_t ColourSize = 4;
    int64_t Indexes = 0; // colour table entries the pixels can address; 0 for wider pixels
};

// Reads the headers into layout and checks what they alone decide; bytes may end after them.
std::string HeaderProblem(const std::vector<uint8_t> &bytes, PixelCountLimit limit, BitmapLayout &layout)
{
    const int64_t size = static_cast<int64_t>(bytes.size());
    if (size < kFileHeaderSize + kCoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return "it is not a bitmap";
    const uint8_t *p = bytes.data();
    const int64_t pixelOffset = bytes::GetUInt32(p + 10);
    const int64_t headerSize = bytes::GetUInt32(p + 14);
    if (!KnownHeaderSize(headerSize))
        return "its bitmap header is of an unknown kind";
    if (kFileHeaderSize + headerSize > size)
        return "its bitmap header is cut short";

    int64_t width, height;
    int planes, bitCount;
    uint32_t compression = 0;
    int64_t colourCount = 0; // 0: as many as the bit count allows
    int64_t colourSize = 4;
    if (headerSize == kCoreHeaderSize) {
        width = static_cast<uint16_t>(bytes::GetInt16(p + 18));
        height = static_cast<uint16_t>(bytes::GetInt16(p + 20));
        planes = static_cast<uint16_t>(bytes::GetInt16(p + 22));
        bitCount = static_cast<uint16_t>(bytes::GetInt16(p + 24));
        colourSize = 3;
    } else {
        width = bytes::GetInt32(p + 18);
        height = bytes::GetInt32(p + 22);
        planes = static_cast<uint16_t>(bytes::GetInt16(p + 26));
        bitCount = static_cast<uint16_t>(bytes::GetInt16(p + 28));
        compression = bytes::GetUInt32(p + 30);
        colourCount = bytes::GetUInt32(p + 46);
    }
    height = std::llabs(height); // negative: rows stored top-down
    if (planes != 1 || !KnownBitCount(bitCount) || !KnownCompression(compression, bitCount))
        return "its bitmap format is not supported";
    // Pixels of up to 8 bits are colour table indexes; wider ones need no table. Readers take a
    // table longer than the pixels can index, up to 256 colours.
    const int64_t indexes = bitCount <= 8 ? int64_t{1} << bitCount : 0;
    constexpr int64_t kMostColours = 256;
    if (indexes > 0 && colourCount > kMostColours)
        return "its colour table holds " + std::to_string(colourCount) + " colours, more than " +
               std::to_string(kMostColours);
    if (width <= 0 || height == 0)
        return "the bitmap is empty";
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return "the bitmap is " + std::to_string(width) + " x " + std::to_string(height) + " pixels, larger than " +
               std::to_string(kMaxPictureSide) + " on a side";
    if (limit == PixelCountLimit::Applies && width * height > kMaxPicturePixels)
        return "the bitmap is " + std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
               std::to_string(kMaxPicturePixels) + " pixels in all";
    layout = {pixelOffset, headerSize, width, height, bitCount, compression, colourCount, colourSize, indexes};
    return {};
}

} // namespace

std::string BitmapHeaderProblem(const std::vector<uint8_t> &bytes, PixelCountLimit limit)
{
    BitmapLayout layout;
    return HeaderProblem(bytes, limit, layout);
}

std::string BitmapProblem(const std::vector<uint8_t> &bytes, PixelCountLimit limit)
{
    BitmapLayout layout;
    if (std::string problem = HeaderProblem(bytes, limit, layout); !problem.empty())
        return problem;
    const auto [pixelOffset, headerSize, width, height, bitCount, compression, colourCount, colourSize, indexes] =
        layout;
    const int64_t size = static_cast<int64_t>(bytes.size());
    const uint8_t *p = bytes.data();
    if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset > size)
        return "its pixel data lies outside the bitmap";
    // A reader takes the colour table (or the masks) whole and the pixels only after it.
    const bool bitFields = compression == 3;
    const int64_t masksAfterHeader = bitFields && headerSize < kV4HeaderSize ? 3 * 4 : 0;
    const int64_t colours = indexes > 0 ? (colourCount > 0 ? colourCount : indexes) : 0;
    if (pixelOffset < kFileHeaderSize + headerSize + masksAfterHeader + colours * colourSize)
        return "its colour table runs into its pixel data";
    if (bitFields) {
        const int64_t masksAt = kFileHeaderSize + (masksAfterHeader > 0 ? headerSize : kInfoHeaderSize);
        const int maskCount = masksAfterHeader > 0 ? 3 : 4; // red, green, blue (and alpha)
        for (int i = 0; i < maskCount; ++i)
            if (bytes::GetUInt32(p + masksAt + 4 * i) == 0xFFFFFFFFu) // a reader finds no colour in it
                return "its bitmap format is not supported";
    }
    if (compression == 0 || bitFields) {
        const int64_t stride = (width * bitCount + 31) / 32 * 4;
        if (pixelOffset + stride * height > size)
            return "its pixel data is cut short";
    }
    return {};
}

} // namespace aw
