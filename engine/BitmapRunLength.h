#pragma once

#include <cstdint>
#include <vector>

namespace aw {

// Whether a bitmap file's pixels are run-length coded (8-bit RLE8 or 4-bit RLE4).
bool IsRunLengthBitmap(const std::vector<uint8_t> &bytes);

// A run-length coded bitmap that passes BitmapProblem (its pixel count limit waived or not)
// as the same bitmap uncompressed: the same headers, palette and row order, the pixels
// expanded. Pixels the coded data never sets (a line or the bitmap ended early, a jump, data
// cut short) are palette index 0, as Windows shows them; runs and jumps past an edge are cut
// there.
std::vector<uint8_t> ExpandRunLengthBitmap(const std::vector<uint8_t> &bytes);

} // namespace aw
