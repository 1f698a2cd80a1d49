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
// (info) bitmap header, or one of the info header's longer forms.
namespace bitmapfile {
constexpr int64_t kFileHeaderSize = 14;
constexpr int64_t kCoreHeaderSize = 12;
constexpr int64_t kInfoHeaderSize = 40;
constexpr int64_t kOs2HeaderSize = 64;
constexpr int64_t kV4HeaderSize = 108; // holds the bit-field colour masks
constexpr int64_t kV5HeaderSize = 124;
} // namespace bitmapfile

// Whether BitmapProblem holds a bitmap to kMaxPicturePixels: not a picture file that is
// scaled down to fewer before it is stored.
enum class PixelCountLimit { Applies, Waived };

// Checks that bytes hold a Windows bitmap file a picture decoder can read: the file and
// bitmap headers, a sane size (at most kMaxPictureSide per side and, unless waived,
// kMaxPicturePixels in all), a colour table the pixels can use and that ends before them,
// and, for uncompressed pixels, that they all lie inside the bytes. Returns an empty text
// when it does, else the reason it does not.
std::string BitmapProblem(const std::vector<uint8_t> &bytes, PixelCountLimit limit = PixelCountLimit::Applies);

// The bytes that hold every header BitmapProblem reads; a file's longest bitmap header ends there.
constexpr int64_t kBitmapHeadersSize = bitmapfile::kFileHeaderSize + bitmapfile::kV5HeaderSize;
// The checks of BitmapProblem the headers alone decide, given at least the first
// kBitmapHeadersSize bytes of a file (or all of a shorter one): a file they refuse need not
// be read further, and BitmapProblem gives the same reason for it.
std::string BitmapHeaderProblem(const std::vector<uint8_t> &bytes, PixelCountLimit limit = PixelCountLimit::Applies);

} // namespace aw
