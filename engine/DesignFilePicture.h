#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// The largest width or height of a design picture the program accepts.
constexpr int64_t kMaxPictureSide = 16384;
// The most pixels a picture or sheet bitmap may have in all (4096 x 4096): a compressed bitmap
// can claim a size far beyond its bytes, and decoding allocates for the size claimed.
constexpr int64_t kMaxPicturePixels = int64_t{4096} * 4096;

// The parts of a Windows bitmap file: the file header, then the old (core) or the newer
// (info) bitmap header.
namespace bitmapfile {
constexpr int64_t kFileHeaderSize = 14;
constexpr int64_t kCoreHeaderSize = 12;
constexpr int64_t kInfoHeaderSize = 40;
} // namespace bitmapfile

// Checks that bytes hold a Windows bitmap file a picture decoder can read: the file and
// info headers, a sane size (at most kMaxPictureSide per side and
// kMaxPicturePixels in all), and, for uncompressed
// pixels, that they all lie inside the bytes. Returns an empty text when it does, else
// the reason it does not.
std::string BitmapProblem(const std::vector<uint8_t> &bytes);

} // namespace aw
