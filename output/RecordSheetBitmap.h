#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <stdexcept>

// A sheet background or a design picture is not a bitmap that can be drawn.
class ESheetBitmapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Largest bitmap accepted, in pixels per side: far above any sheet or picture, far below what
// would exhaust memory.
constexpr int32_t kMaxSheetSide = 16384;

// Loads a bitmap file ("BM" header) as a 32-bit RGB image. The headers are checked
// first (dimensions within kMaxSheetSide and
// kMaxPicturePixels in all, a known bit depth, pixel data inside the file) so a
// damaged or hostile file is refused before any pixel memory is allocated.
QImage LoadSheetBitmap(std::span<const uint8_t> bitmapFile);
