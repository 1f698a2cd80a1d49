#pragma once

#include <QImage>

#include <cstdint>
#include <stdexcept>
#include <vector>

// A sheet background or a design picture is not a bitmap that can be drawn.
class ESheetBitmapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Loads a bitmap file ("BM" header) as a 32-bit RGB image. The file is checked first with the
// design file's bitmap check (BitmapProblem: a known format, a bounded size, pixel data inside
// the file), so a damaged or hostile file is refused before any pixel memory is allocated.
QImage LoadSheetBitmap(const std::vector<uint8_t> &bitmapFile);
