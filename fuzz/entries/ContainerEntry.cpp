#include "fuzz/entries/FuzzEntries.h"

#include "codec/LzhCompressor.h"

namespace aw {

namespace {
// Compressing is far slower than decoding: small outputs still reach the encoder with arbitrary
// content (its window wrap is covered by the codec's own tests), and larger ones would spend the
// fuzzer's time there instead of in the decoder.
constexpr size_t RoundTripLimit = 2 * 1024;
} // namespace

void FuzzContainer(std::span<const uint8_t> data)
{
    std::vector<uint8_t> decoded;
    try {
        decoded = DecompressBytes(data);
    } catch (const LZHException &) {
        return;
    }
    // The header's size is what came out.
    const uint32_t stated = static_cast<uint32_t>(data[4]) | static_cast<uint32_t>(data[5]) << 8 |
                            static_cast<uint32_t>(data[6]) << 16 | static_cast<uint32_t>(data[7]) << 24;
    if (decoded.size() != stated)
        throw FuzzFinding("decoded size differs from the header's");
    if (decoded.size() <= RoundTripLimit && DecompressBytes(CompressBytes(decoded)) != decoded)
        throw FuzzFinding("decoded data does not survive compressing again");
}

} // namespace aw
