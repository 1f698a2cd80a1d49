#include "SymbolTrace.h"

#include "base/Stream.h"
#include "codec/AdaptiveHuffman.h"
#include "codec/CodecSink.h"
#include "codec/CodecSource.h"
#include "codec/PositionCode.h"

namespace aw {

std::vector<TracedSymbol> TraceSymbols(const std::vector<uint8_t> &container)
{
    Stream stream(container);
    stream.Seek(4);
    const uint32_t size = stream.ReadUInt32();
    StreamSource source(stream);
    SourceBuffer buffer(source);
    BitReader bits(buffer);
    AdaptiveHuffman huffman;
    std::vector<TracedSymbol> symbols;
    for (uint64_t produced = 0; produced < size;) {
        const int c = static_cast<int>(huffman.Decode(bits));
        symbols.push_back(c < 256 ? Lit(c) : Match(c - 253, static_cast<int>(positioncode::Decode(bits))));
        produced += c < 256 ? 1 : static_cast<unsigned>(c - 253);
    }
    return symbols;
}

std::vector<uint8_t> BuildContainer(const std::vector<TracedSymbol> &symbols, uint32_t size)
{
    Stream stream;
    stream.WriteUInt32(0x4C5A4821);
    stream.WriteUInt32(size);
    StreamSink sink(stream);
    SinkBuffer buffer(sink);
    BitWriter bits(buffer);
    AdaptiveHuffman huffman;
    for (const TracedSymbol &s : symbols) {
        huffman.Encode(static_cast<unsigned>(s.Literal ? s.Value : s.Value + 253), bits);
        if (!s.Literal)
            positioncode::Encode(static_cast<unsigned>(s.Position), bits);
    }
    bits.Finish();
    buffer.Flush();
    return stream.TakeBytes();
}

} // namespace aw
