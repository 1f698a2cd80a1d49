#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace aw {

// A bitmap file ("BM") of the image with 8 bits per pixel and a 256-entry grey palette
// (index i is the grey i), rows stored bottom-up and padded to four bytes.
std::vector<uint8_t> GreyBitmapFile(const QImage &image);

} // namespace aw
