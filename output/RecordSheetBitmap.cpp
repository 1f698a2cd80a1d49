#include "output/RecordSheetBitmap.h"

#include "engine/DesignFilePicture.h"
#include "engine/base/Stream.h"

#include <QByteArrayView>

#include <cstdlib>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;

[[noreturn]] void Refuse(const char *why)
{
    throw ESheetBitmapError(std::string("Not a usable bitmap: ") + why);
}

uint16_t GetUInt16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

struct BitmapHeader {
    int64_t width = 0;
    int64_t height = 0; // absolute value; negative stored heights are top-down bitmaps
    int bitCount = 0;
    uint32_t compression = 0;
    uint32_t pixelOffset = 0;
};

BitmapHeader ParseHeader(std::span<const uint8_t> file)
{
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file[0] != 'B' || file[1] != 'M')
        Refuse("no bitmap header");
    BitmapHeader header;
    header.pixelOffset = bytes::GetUInt32(file.data() + 10);
    const uint8_t *info = file.data() + kFileHeaderSize;
    const uint32_t infoSize = bytes::GetUInt32(info);
    if (infoSize < kCoreHeaderSize || infoSize > file.size() - kFileHeaderSize)
        Refuse("damaged bitmap header");
    if (infoSize == kCoreHeaderSize) {
        header.width = GetUInt16(info + 4);
        header.height = GetUInt16(info + 6);
        header.bitCount = GetUInt16(info + 10);
    } else {
        if (infoSize < 40)
            Refuse("damaged bitmap header");
        header.width = bytes::GetInt32(info + 4);
        header.height = std::llabs(static_cast<int64_t>(bytes::GetInt32(info + 8)));
        header.bitCount = GetUInt16(info + 14);
        header.compression = bytes::GetUInt32(info + 16);
    }
    return header;
}

} // namespace

QImage LoadSheetBitmap(std::span<const uint8_t> bitmapFile)
{
    const BitmapHeader header = ParseHeader(bitmapFile);
    if (header.width <= 0 || header.height <= 0 || header.width > kMaxSheetSide || header.height > kMaxSheetSide ||
        header.width * header.height > kMaxPicturePixels)
        Refuse("its size is out of range");
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        Refuse("unknown bit depth");
    }
    // Uncompressed pixel rows must lie inside the file (compressed rows are bounded by the decoder).
    const bool uncompressed = header.compression == 0 || header.compression == 3;
    if (uncompressed) {
        const int64_t stride = (header.width * header.bitCount + 31) / 32 * 4;
        if (static_cast<int64_t>(header.pixelOffset) + stride * header.height > static_cast<int64_t>(bitmapFile.size()))
            Refuse("the pixel data ends early");
    } else if (header.compression != 1 && header.compression != 2) {
        Refuse("unknown compression");
    }

    QImage image;
    const QByteArrayView data(reinterpret_cast<const char *>(bitmapFile.data()),
                              static_cast<qsizetype>(bitmapFile.size()));
    if (!image.loadFromData(data, "BMP") || image.isNull())
        Refuse("the bitmap could not be decoded");
    return image.convertToFormat(QImage::Format_RGB32);
}
