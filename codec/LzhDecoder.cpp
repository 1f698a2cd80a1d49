#include "codec/LzhDecoder.h"

#include "codec/AdaptiveHuffmanSteps.h"
#include "codec/LzhCompressor.h"
#include "codec/MatchWindow.h"
#include "codec/PositionCode.h"

#include <memory>

namespace aw {

uint64_t DecodeLzh(SourceBuffer &source, CodecSink &sink, uint32_t size, uint64_t &bitsPastEnd)
{
    constexpr uint64_t kPaddingBits = lzhformat::kPaddingBytes * 8;
    auto huffman = std::make_unique<AdaptiveHuffman>();
    MatchWindow out(sink);
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
        out.MakeRoom();
        if (c < 256) {
            out.Put(static_cast<uint8_t>(c));
            ++count;
        } else {
            const unsigned n = c - 253;
            out.Copy(positioncode::Decode(in) + 1, n);
            count += n;
        }
        if (in.BitsPastEnd() > kPaddingBits)
            throw LZHException(lzhmsg::kSizeMismatch);
        if (count >= size) {
            out.Flush();
            bitsPastEnd = in.BitsPastEnd();
            return count;
        }
        next = huffman->AdaptAndPeek(c, in.Window(AdaptiveHuffman::kWindowBits));
    }
}

} // namespace aw
