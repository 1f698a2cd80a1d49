#pragma once

#include "base/ArmorwrightError.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace aw {

// A sheet background or a design picture is not a bitmap that can be drawn.
class SheetBitmapError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// Loads a bitmap file ("BM" header) as a 32-bit RGB image. The file is checked first with the
// design file's bitmap check (BitmapProblem: a known format, a bounded size, pixel data inside
// the file), so a damaged or hostile file is refused before any pixel memory is allocated.
QImage LoadSheetBitmap(const std::vector<uint8_t> &bitmapFile);

} // namespace aw
