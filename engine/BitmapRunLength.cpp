#include "engine/BitmapRunLength.h"

#include "base/Stream.h"
#include "engine/DesignFilePicture.h"

#include <cstdlib>

namespace aw {

namespace {

using bitmapfile::kInfoHeaderSize;
constexpr int64_t kInfoHeaderStart = bitmapfile::kFileHeaderSize;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;

// The expanded pixels, rows in the order the coded data gives them (the file's own order).
class PixelRows {
public:
    PixelRows(uint8_t *pixels, int64_t width, int64_t height, int bitCount)
        : m_pixels(pixels), m_width(width), m_height(height), m_bitCount(bitCount),
          m_stride((width * bitCount + 31) / 32 * 4)
    {
    }

    bool Done() const { return m_y >= m_height; }
    // Past the right edge nothing more of the line is drawn.
    bool LineFull() const { return m_x >= m_width; }
    void EndLine()
    {
        m_x = 0;
        ++m_y;
    }
    void Jump(int dx, int dy)
    {
        m_x += dx;
        m_y += dy;
    }
    // Sets the next pixel of the line; call only while the line is not full.
    void Put(uint8_t index)
    {
        uint8_t &byte = m_pixels[m_y * m_stride + (m_bitCount == 8 ? m_x : m_x / 2)];
        if (m_bitCount == 8)
            byte = index;
        else
            byte |= static_cast<uint8_t>(m_x % 2 == 0 ? index << 4 : index & 0x0F);
        ++m_x;
    }

private:
    uint8_t *m_pixels;
    int64_t m_width, m_height;
    int m_bitCount;
    int64_t m_stride;
    int64_t m_x = 0, m_y = 0;
};

// The index of the i-th pixel of a run or literal byte: RLE4 bytes hold two pixels, high first.
uint8_t PixelOf(uint8_t byte, int i, int bitCount)
{
    if (bitCount == 8)
        return byte;
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void Decode(const uint8_t *data, const uint8_t *end, PixelRows &rows, int bitCount)
{
    while (!rows.Done() && end - data >= 2) {
        const uint8_t count = data[0], value = data[1];
        data += 2;
        if (count > 0) {
            for (int i = 0; i < count && !rows.LineFull(); ++i)
                rows.Put(PixelOf(value, i, bitCount));
        } else if (value == 0) {
            rows.EndLine();
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (end - data < 2)
                return;
            rows.Jump(data[0], data[1]);
            data += 2;
        } else {
            // literal pixels, padded to an even number of bytes
            const int64_t byteCount = bitCount == 8 ? value : (value + 1) / 2;
            for (int i = 0; i < value && !rows.LineFull(); ++i) {
                const int64_t at = bitCount == 8 ? i : i / 2;
                if (at >= end - data)
                    return;
                rows.Put(PixelOf(data[at], i, bitCount));
            }
            data += std::min<int64_t>(end - data, byteCount + byteCount % 2);
        }
    }
}

} // namespace

bool IsRunLengthBitmap(const std::vector<uint8_t> &bytes)
{
    if (bytes.size() < kInfoHeaderStart + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M' ||
        bytes::GetUInt32(bytes.data() + kInfoHeaderStart) < kInfoHeaderSize)
        return false;
    const uint32_t compression = bytes::GetUInt32(bytes.data() + 30);
    return compression == kRle8 || compression == kRle4;
}

std::vector<uint8_t> ExpandRunLengthBitmap(const std::vector<uint8_t> &bytes)
{
    const uint8_t *p = bytes.data();
    const int64_t pixelOffset = bytes::GetUInt32(p + 10);
    const int64_t width = bytes::GetInt32(p + 18);
    const int64_t height = std::llabs(static_cast<int64_t>(bytes::GetInt32(p + 22)));
    const int bitCount = bytes::GetUInt32(p + 30) == kRle8 ? 8 : 4;
    const int64_t pixelSize = (width * bitCount + 31) / 32 * 4 * height;

    std::vector<uint8_t> expanded(bytes.begin(), bytes.begin() + pixelOffset);
    expanded.resize(static_cast<size_t>(pixelOffset + pixelSize), 0);
    bytes::PutUInt32(expanded.data() + 2, static_cast<uint32_t>(expanded.size()));
    bytes::PutUInt32(expanded.data() + 30, 0);
    bytes::PutUInt32(expanded.data() + 34, static_cast<uint32_t>(pixelSize));
    PixelRows rows(expanded.data() + pixelOffset, width, height, bitCount);
    Decode(p + pixelOffset, p + bytes.size(), rows, bitCount);
    return expanded;
}

} // namespace aw
