#include "SymbolTrace.h"

#include "engine/base/Stream.h"
#include "storage/codec/AdaptiveHuffman.h"
#include "storage/codec/CodecSink.h"
#include "storage/codec/CodecSource.h"
#include "storage/codec/PositionCode.h"

TracedSymbol Lit(char c) { return TracedSymbol{true, static_cast<uint8_t>(c), 0, 0}; }
TracedSymbol Match(int length, int position) { return TracedSymbol{false, 0, length, position}; }

std::string Describe(const std::vector<TracedSymbol> &symbols)
{
    std::string out;
    for (const TracedSymbol &s : symbols) {
        if (s.literal)
            out += "lit(" + std::to_string(s.value) + ") ";
        else
            out += "match(" + std::to_string(s.length) + "," + std::to_string(s.position) + ") ";
    }
    return out;
}

std::vector<TracedSymbol> TraceSymbols(const std::vector<uint8_t> &container)
{
    TStream stream(container);
    const uint32_t magic = stream.ReadUInt32();
    const uint32_t size = stream.ReadUInt32();
    (void)magic;
    TStreamSource source(stream);
    TSourceBuffer buffer(source);
    TBitReader bits(buffer);
    TAdaptiveHuffman huffman;
    std::vector<TracedSymbol> symbols;
    uint64_t produced = 0;
    while (produced < size) {
        const unsigned c = huffman.Decode(bits);
        if (c < 256) {
            symbols.push_back(TracedSymbol{true, static_cast<int>(c), 0, 0});
            ++produced;
        } else {
            const int position = static_cast<int>(positioncode::Decode(bits));
            symbols.push_back(TracedSymbol{false, 0, static_cast<int>(c) - 253, position});
            produced += c - 253;
        }
    }
    return symbols;
}

std::vector<uint8_t> BuildContainer(const std::vector<TracedSymbol> &symbols, uint32_t size)
{
    TStream stream;
    stream.WriteUInt32(0x4C5A4821);
    stream.WriteUInt32(size);
    TStreamSink sink(stream);
    TSinkBuffer buffer(sink);
    TBitWriter bits(buffer);
    TAdaptiveHuffman huffman;
    for (const TracedSymbol &s : symbols) {
        if (s.literal) {
            huffman.Encode(static_cast<unsigned>(s.value), bits);
        } else {
            huffman.Encode(static_cast<unsigned>(s.length + 253), bits);
            positioncode::Encode(static_cast<unsigned>(s.position), bits);
        }
    }
    bits.Finish();
    buffer.Flush();
    return stream.TakeBytes();
}

std::vector<uint8_t> Bytes(const std::string &text) { return std::vector<uint8_t>(text.begin(), text.end()); }
