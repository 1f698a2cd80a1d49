#pragma once

#include "base/ArmorwrightError.h"

#include <cstdint>
#include <span>
#include <vector>

namespace aw {

class Stream;
class CodecSource;
class CodecSink;

// A codec failure; the message is one of the codec's fixed texts (lzhmsg).
class LZHException : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

namespace lzhmsg {
inline constexpr const char *kInputInit = "LZH (de)compression : Failed to initialize input stream !";
inline constexpr const char *kOutputInit = "LZH (de)compression : Failed to initialize output stream !";
inline constexpr const char *kWriteError = "LZH : Error writing to output stream !";
inline constexpr const char *kHeaderReadError = "LZH : Error reading from input stream !";
inline constexpr const char *kBlockReadError = "LZH : Error reading from input stream ! (LZH)";
inline constexpr const char *kNoHeader = "LZH decompression : input stream contains no valid header !";
inline constexpr const char *kSizeMismatch = "LZH (LZH decompression) : Original and compressed sizes do not match !";
} // namespace lzhmsg

// The container: the magic "!HZL", the uncompressed size (unsigned 32-bit little-endian),
// then the LZHUF bit stream.
namespace lzhformat {
inline constexpr uint32_t kMagic = 0x4C5A4821;
inline constexpr int kHeaderSize = 8;
// Zero bytes the decoder may read after the coded bytes (a stream may end early when its
// last bits are zeros).
inline constexpr uint64_t kPaddingBytes = 8;
// Most output one coded byte can yield: a 60-byte match costs at least 10 bits.
inline constexpr uint64_t kMaxBytesPerCodedByte = 8 * 60 / 10;
} // namespace lzhformat

// Compresses or decompresses between two streams it does not own.
class LZHCompressor {
public:
    LZHCompressor(CodecSource &input, CodecSink &output) : m_input(input), m_output(output) {}

    // Writes the container of the input's remaining bytes; returns the bytes written,
    // header included.
    uint32_t Compress();
    // Reads a container and writes the uncompressed bytes; returns their count.
    uint32_t Decompress();

    // The longest Huffman code the last Compress wrote, in bits.
    unsigned LongestCode() const { return m_longestCode; }
    // The bits the last Decompress read past the end of the coded bytes (as zeros). A stream
    // written whole never needs any: its last byte is written even when only partly used.
    uint64_t BitsPastEnd() const { return m_bitsPastEnd; }

private:
    void CheckStreams();

    CodecSource &m_input;
    CodecSink &m_output;
    unsigned m_longestCode = 0;
    uint64_t m_bitsPastEnd = 0;
};

// Writes the "!HZL" container of source's bytes (from its position to its end) at dest's position.
void CompressStream(Stream &source, Stream &dest);
// Reads the container at source's position and writes exactly the uncompressed bytes at dest's position.
void DecompressStream(Stream &source, Stream &dest);

// The same on whole byte buffers.
std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data);
std::vector<uint8_t> DecompressBytes(std::span<const uint8_t> container);
// As DecompressBytes, but a coded stream that ends before its last code is refused with the
// size-mismatch error instead of being completed with zero bits: for the files this program
// writes whole (designs, custom weapons), where a cut-off file must not open as other data.
std::vector<uint8_t> DecompressWholeBytes(std::span<const uint8_t> container);

} // namespace aw
