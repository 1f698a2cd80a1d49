#include "SymbolTrace.h"

#include "base/Stream.h"
#include "codec/CodecSink.h"
#include "codec/CodecSource.h"
#include "codec/LzhCompressor.h"
#include "codec/LzhEncoder.h"
#include "codec/SearchBlocks.h"
#include "tests/support/ReferenceLzhuf.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <random>

namespace aw {

namespace {

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t &b : bytes)
        b = static_cast<uint8_t>(rng());
    return bytes;
}

void ExpectRoundTrip(const std::vector<uint8_t> &data)
{
    const std::vector<uint8_t> container = CompressBytes(data);
    ASSERT_GE(container.size(), 8u);
    EXPECT_EQ(bytes::GetUInt32(container.data()), 0x4C5A4821u);
    EXPECT_EQ(bytes::GetUInt32(container.data() + 4), data.size());
    EXPECT_EQ(DecompressBytes(container), data);
}

// The coded bytes (no header) of data, its matches searched on a thread of their own or not.
std::vector<uint8_t> CodedOn(EncodeThreads threads, const std::vector<uint8_t> &data)
{
    Stream source(data), dest;
    StreamSource input(source);
    StreamSink output(dest);
    SourceBuffer in(input);
    SinkBuffer out(output);
    BitWriter bits(out);
    EncodeLzh(in, bits, threads);
    bits.Finish();
    out.Flush();
    return dest.TakeBytes();
}

} // namespace

TEST(LzhCodec, KnownContainers)
{
    const std::vector<uint8_t> abc = {0x21, 0x48, 0x5A, 0x4C, 0x03, 0, 0, 0, 0xF6, 0xFB, 0xBD, 0xE0};
    EXPECT_EQ(CompressBytes(Bytes("abc")), abc);
    EXPECT_EQ(DecompressBytes(abc), Bytes("abc"));
    // Ten "a": the literal, then length 9 at distance 1, copying its own output.
    const std::vector<uint8_t> tenA = {0x21, 0x48, 0x5A, 0x4C, 0x0A, 0, 0, 0, 0xF6, 0xC9, 0x00, 0x00};
    EXPECT_EQ(CompressBytes(Bytes("aaaaaaaaaa")), tenA);
    EXPECT_EQ(TraceSymbols(tenA), (std::vector<TracedSymbol>{Lit('a'), Match(9, 0)}));
    EXPECT_EQ(CompressBytes({}), (std::vector<uint8_t>{0x21, 0x48, 0x5A, 0x4C, 0, 0, 0, 0}));
}

// The plain program defines the format. Inputs that rebuild the tree often, tie its counts,
// deepen it and shift what is common must give its bytes exactly: a coder that strays from
// it still decodes its own output, but not the files the program wrote.
TEST(LzhCodec, WritesTheBytesOfThePlainProgram)
{
    std::mt19937 rng(3);
    std::vector<std::vector<uint8_t>> inputs{RandomBytes(150000, 9)};
    std::exponential_distribution<> rare(0.25);
    std::vector<uint8_t> skewed(200000), gradient(300000), phases;
    for (uint8_t &b : skewed)
        b = static_cast<uint8_t>(std::min(255.0, rare(rng)));
    for (size_t i = 0; i < gradient.size(); ++i)
        gradient[i] = static_cast<uint8_t>(i / 1200 + rng() % 9);
    for (int phase = 0; phase < 40; ++phase) {
        const unsigned spread = 1u << (phase % 8);
        for (int i = 0; i < 5000; ++i)
            phases.push_back(static_cast<uint8_t>(phase * 7 + rng() % spread));
    }
    inputs.insert(inputs.end(), {skewed, gradient, phases});
    for (const std::vector<uint8_t> &data : inputs)
        EXPECT_EQ(CompressBytes(data), referencelzhuf::Compress(data)) << data.size();
}

TEST(LzhCodec, LongRunIsFullLengthCopiesOfItsOwnOutput)
{
    const std::vector<uint8_t> run(200, 'q'); // 1 + 3 x 60 + 19
    const std::vector<uint8_t> container = CompressBytes(run);
    EXPECT_EQ(TraceSymbols(container),
              (std::vector<TracedSymbol>{Lit('q'), Match(60, 0), Match(60, 0), Match(60, 0), Match(19, 0)}));
    EXPECT_EQ(DecompressBytes(container), run);
}

TEST(LzhCodec, SpacesMatchTheInitialWindowFromTheFirstByte)
{
    const std::vector<uint8_t> spaces(130, ' ');
    for (const TracedSymbol &s : TraceSymbols(CompressBytes(spaces)))
        EXPECT_FALSE(s.Literal);
    ExpectRoundTrip(spaces);
}

TEST(LzhCodec, OfEqualMatchesMetOnTheWayTheNearerIsCoded)
{
    // At "abcB", "abcA" (8 back) and "abcC" (4 back) both share three bytes and the search
    // meets the farther first. Two-byte repeats ("xy") stay literals.
    EXPECT_EQ(TraceSymbols(CompressBytes(Bytes("abcAabcCabcB"))),
              (std::vector<TracedSymbol>{Lit('a'), Lit('b'), Lit('c'), Lit('A'), Match(3, 3), Lit('C'), Match(3, 3),
                                         Lit('B')}));
    EXPECT_EQ(TraceSymbols(CompressBytes(Bytes("xyxyz"))),
              (std::vector<TracedSymbol>{Lit('x'), Lit('y'), Lit('x'), Lit('y'), Lit('z')}));
}

TEST(LzhCodec, RoundTrips)
{
    ExpectRoundTrip({});
    ExpectRoundTrip({0xFF});
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    ExpectRoundTrip(all);
    for (size_t n : {59u, 60u, 61u}) // around the lookahead size
        ExpectRoundTrip(RandomBytes(n, static_cast<uint32_t>(n)));
    ExpectRoundTrip(RandomBytes(5 * 1024 * 1024, 42));
    // Rows repeating with small changes: long matches, runs, the window wrapping.
    std::mt19937 rng(7);
    std::vector<uint8_t> rows, row(1000, 0xFF);
    for (int y = 0; y < 600; ++y) {
        if (y % 37 == 0)
            std::fill(row.begin(), row.end(), static_cast<uint8_t>(rng()));
        row[rng() % row.size()] = static_cast<uint8_t>(rng() & 3);
        rows.insert(rows.end(), row.begin(), row.end());
    }
    ExpectRoundTrip(rows);
    // Decoding and coding again reproduces a container exactly.
    const std::vector<uint8_t> stored = CompressBytes(rows);
    EXPECT_EQ(CompressBytes(DecompressBytes(stored)), stored);
}

// Streams the encoder would not choose: matches of every distance and length, reaching
// into the initial window and across the blocks the output goes out in.
TEST(LzhCodec, DecodesAnyMatchAsThePlainProgram)
{
    std::mt19937 rng(11);
    std::vector<TracedSymbol> symbols{Match(60, 4060)}; // from the zeros into the spaces
    uint32_t size = 60;
    while (size < 300000) {
        const bool literal = rng() % 4 == 0;
        const int distance = rng() % 2 ? 1 + static_cast<int>(rng() % 20) : 1 + static_cast<int>(rng() % 4096);
        symbols.push_back(literal ? Lit(static_cast<int>(rng() % 256))
                                  : Match(3 + static_cast<int>(rng() % 58), distance - 1));
        size += literal ? 1 : static_cast<uint32_t>(symbols.back().Value);
    }
    const std::vector<uint8_t> container = BuildContainer(symbols, size);
    EXPECT_EQ(DecompressBytes(container), referencelzhuf::Decompress(container));
}

TEST(LzhCodec, StreamsAreUsedFromTheirPositions)
{
    Stream source(Bytes("skipped|kept part"));
    source.Seek(8);
    Stream dest;
    dest.WriteBuffer("PREFIX", 6);
    CompressStream(source, dest);
    // The header counts the bytes coded, not the whole source.
    EXPECT_EQ(bytes::GetUInt32(dest.Bytes().data() + 6 + 4), 9u);
    dest.Seek(6);
    Stream out;
    out.WriteBuffer("<<", 2);
    DecompressStream(dest, out);
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "<<kept part");
}

TEST(LzhCodec, OneAndThreeThreadsCodeTheSameBytes)
{
    std::vector<std::vector<uint8_t>> inputs;
    // Around the size where coding moves to three threads, a multiple of the window.
    for (uint64_t size : {kLzhThreadedSize - 1, kLzhThreadedSize, kLzhThreadedSize + 1})
        inputs.push_back(RandomBytes(size, static_cast<uint32_t>(size)));
    // The strings near a block's end wait for the next block's bytes; the input may end just
    // before, at or after a block's end, or within the 60 bytes after it. A run of one byte
    // leaves one searcher without a string to keep.
    constexpr size_t kBlock = SearchBlocks::kBlockBytes;
    for (size_t size : {5 * kBlock - 1, 5 * kBlock, 5 * kBlock + 1, 5 * kBlock + 59, 5 * kBlock + 60})
        inputs.emplace_back(size, 'q');
    for (const std::vector<uint8_t> &data : inputs) {
        const std::vector<uint8_t> coded = CodedOn(EncodeThreads::One, data);
        EXPECT_EQ(CodedOn(EncodeThreads::Three, data), coded) << data.size();
        const std::vector<uint8_t> container = CompressBytes(data);
        EXPECT_TRUE(std::equal(container.begin() + 8, container.end(), coded.begin(), coded.end())) << data.size();
    }
    EXPECT_EQ(DecompressBytes(CompressBytes(inputs.back())), inputs.back());
}

} // namespace aw
