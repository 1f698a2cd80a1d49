#include "codec/LzhDecoder.h"

#include "codec/AdaptiveHuffman.h"
#include "codec/LzhCompressor.h"
#include "codec/PositionCode.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace aw {

uint64_t DecodeLzh(SourceBuffer &source, SinkBuffer &out, uint32_t size, uint64_t &bitsPastEnd)
{
    constexpr unsigned N = 4096;
    constexpr unsigned F = 60;
    constexpr uint64_t kPaddingBits = lzhformat::kPaddingBytes * 8;
    auto huffman = std::make_unique<AdaptiveHuffman>();
    uint8_t text[N];
    std::memset(text, ' ', N - F);
    std::memset(text + N - F, 0, F);
    unsigned r = N - F;
    uint64_t count = 0;

    // The reader is a local, not behind a reference, so that its bits stay in registers.
    BitReader in(source);
    bitsPastEnd = 0;
    if (size == 0)
        return 0;
    // One symbol behind: each symbol's update runs while the next code is read.
    AdaptiveHuffman::PeekedSymbol next = huffman->PeekSymbol(in.Window(AdaptiveHuffman::kWindowBits));
    for (;;) {
        in.Skip(next.Length);
        const unsigned c = next.Symbol;
        if (c < 256) {
            out.Put(static_cast<uint8_t>(c));
            text[r] = static_cast<uint8_t>(c);
            r = (r + 1) & (N - 1);
            ++count;
        } else {
            const unsigned position = positioncode::Decode(in);
            const unsigned n = c - 253;
            const unsigned from = (r - position - 1) & (N - 1);
            uint8_t *dest = out.Reserve(n);
            const unsigned distance = position + 1;
            // Past the first `distance` bytes a copy repeats its own output: those come from
            // dest in doubling blocks, so short repeats never wait on the byte just stored.
            const unsigned fresh = std::min(n, distance);
            if (from + fresh <= N) {
                std::memcpy(dest, text + from, fresh);
            } else {
                for (unsigned k = 0; k < fresh; ++k)
                    dest[k] = text[(from + k) & (N - 1)];
            }
            for (unsigned done = fresh; done < n; done *= 2)
                std::memcpy(dest + done, dest, std::min(done, n - done));
            const unsigned first = std::min(n, N - r);
            std::memcpy(text + r, dest, first);
            std::memcpy(text, dest + first, n - first);
            r = (r + n) & (N - 1);
            out.Commit(n);
            count += n;
        }
        if (in.BitsPastEnd() > kPaddingBits)
            throw LZHException(lzhmsg::kSizeMismatch);
        if (count >= size) {
            bitsPastEnd = in.BitsPastEnd();
            return count;
        }
        next = huffman->AdaptAndPeek(c, in.Window(AdaptiveHuffman::kWindowBits));
    }
}

} // namespace aw
