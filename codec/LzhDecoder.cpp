#include "codec/LzhDecoder.h"

#include "codec/AdaptiveHuffmanSteps.h"
#include "codec/LzhCompressor.h"
#include "codec/MatchWindow.h"
#include "codec/PositionCode.h"

#include <algorithm>
#include <memory>

namespace aw {

uint64_t DecodeLzh(SourceBuffer &source, CodecSink &sink, uint32_t size, uint64_t &bitsPastEnd)
{
    constexpr uint64_t kPaddingBits = lzhformat::kPaddingBytes * 8;
    auto huffman = std::make_unique<AdaptiveHuffman>();
    MatchWindow out(sink);

    // The reader is a local, not behind a reference, so that its bits stay in registers.
    BitReader in(source);
    bitsPastEnd = 0;
    if (size == 0)
        return 0;
    // One compare per symbol: the loop stops to look only where the block ends or the size
    // is reached. How far the reader has gone past the coded bytes only ever grows, so it is
    // checked there too: input that cannot be a coded stream is still refused, a block later
    // at the most.
    uint64_t flushed = 0; // bytes already handed to the sink
    uint8_t *at = out.BlockStart();
    uint8_t *stop = at + std::min<uint64_t>(MatchWindow::kBlock, size);
    // One symbol behind: each symbol's update runs while the next code is read.
    AdaptiveHuffman::PeekedSymbol next = huffman->PeekSymbol(in.Window(AdaptiveHuffman::kWindowBits));
    for (;;) {
        in.Skip(next.Length);
        const unsigned c = next.Symbol;
        if (c < 256)
            at = MatchWindow::Put(at, static_cast<uint8_t>(c));
        else
            at = MatchWindow::Copy(at, positioncode::Decode(in) + 1, c - 253);
        if (at >= stop) [[unlikely]] {
            if (in.BitsPastEnd() > kPaddingBits)
                throw LZHException(lzhmsg::kSizeMismatch);
            const uint64_t count = flushed + static_cast<uint64_t>(at - out.BlockStart());
            out.Flush(at);
            if (count >= size) {
                bitsPastEnd = in.BitsPastEnd();
                return count;
            }
            flushed = count;
            at = out.BlockStart();
            stop = at + std::min<uint64_t>(MatchWindow::kBlock, size - count);
        }
        next = huffman->AdaptAndPeek(next, in.Window(AdaptiveHuffman::kWindowBits));
    }
}

} // namespace aw
