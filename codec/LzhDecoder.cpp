#include "codec/LzhDecoder.h"

#include "codec/AdaptiveHuffman.h"
#include "codec/LzhCompressor.h"
#include "codec/PositionCode.h"

#include <cstring>
#include <memory>

uint64_t DecodeLzh(TBitReader &in, TSinkBuffer &out, uint32_t size)
{
    constexpr unsigned N = 4096;
    constexpr unsigned F = 60;
    constexpr uint64_t kPaddingBits = lzhformat::kPaddingBytes * 8;
    auto huffman = std::make_unique<TAdaptiveHuffman>();
    uint8_t text[N];
    std::memset(text, ' ', N - F);
    std::memset(text + N - F, 0, F);
    unsigned r = N - F;
    uint64_t count = 0;

    while (count < size) {
        const unsigned c = huffman->Decode(in);
        if (c < 256) {
            out.Put(static_cast<uint8_t>(c));
            text[r] = static_cast<uint8_t>(c);
            r = (r + 1) & (N - 1);
            ++count;
        } else {
            const unsigned position = positioncode::Decode(in);
            const unsigned n = c - 253;
            unsigned from = (r - position - 1) & (N - 1);
            uint8_t *dest = out.Reserve(n);
            const unsigned distance = position + 1;
            if (from + n <= N && r + n <= N && distance >= n) {
                // Neither side wraps and the copy does not read bytes it writes itself.
                std::memmove(text + r, text + from, n);
                std::memcpy(dest, text + r, n);
                r = (r + n) & (N - 1);
            } else {
                for (unsigned k = 0; k < n; ++k) {
                    const uint8_t b = text[(from + k) & (N - 1)];
                    dest[k] = b;
                    text[r] = b;
                    r = (r + 1) & (N - 1);
                }
            }
            out.Commit(n);
            count += n;
        }
        if (in.BitsPastEnd() > kPaddingBits)
            throw ELZHException(lzhmsg::kSizeMismatch);
    }
    return count;
}
