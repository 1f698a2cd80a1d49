#include "tools/sheetgen/GreyBitmapFile.h"

#include "base/Stream.h"

namespace aw {

std::vector<uint8_t> GreyBitmapFile(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const uint32_t width = static_cast<uint32_t>(grey.width());
    const uint32_t height = static_cast<uint32_t>(grey.height());
    const uint32_t stride = (width + 3) / 4 * 4;
    constexpr uint32_t headers = 14 + 40 + 256 * 4;
    const uint32_t pixels = stride * height;

    Stream out;
    out.WriteUInt8('B');
    out.WriteUInt8('M');
    out.WriteUInt32(headers + pixels); // file size
    out.WriteUInt32(0);                // reserved
    out.WriteUInt32(headers);          // offset of the pixels
    out.WriteUInt32(40);               // info header size
    out.WriteInt32(static_cast<int32_t>(width));
    out.WriteInt32(static_cast<int32_t>(height)); // positive: bottom-up
    out.WriteInt16(1);                            // planes
    out.WriteInt16(8);                            // bits per pixel
    out.WriteUInt32(0);                           // uncompressed
    out.WriteUInt32(pixels);
    out.WriteInt32(3780); // 96 pixels per inch, in pixels per metre
    out.WriteInt32(3780);
    out.WriteUInt32(256); // colours used
    out.WriteUInt32(0);   // all important
    for (uint32_t i = 0; i < 256; ++i) {
        const uint8_t entry[4] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0};
        out.WriteBuffer(entry, 4);
    }
    const std::vector<uint8_t> padding(stride - width, 0);
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        out.WriteBuffer(grey.constScanLine(y), width);
        out.WriteBuffer(padding.data(), padding.size());
    }
    return out.TakeBytes();
}

} // namespace aw
