#include "SymbolTrace.h"

#include "engine/base/Stream.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<uint8_t> randomBytes(size_t size, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t &b : bytes)
        b = static_cast<uint8_t>(rng());
    return bytes;
}

void expectRoundTrip(const std::vector<uint8_t> &data)
{
    const std::vector<uint8_t> container = CompressBytes(data);
    ASSERT_GE(container.size(), 8u);
    EXPECT_EQ(container[0], 0x21);
    EXPECT_EQ(container[1], 0x48);
    EXPECT_EQ(container[2], 0x5A);
    EXPECT_EQ(container[3], 0x4C);
    EXPECT_EQ(bytes::GetUInt32(container.data() + 4), data.size());
    EXPECT_EQ(DecompressBytes(container), data);
}

} // namespace

TEST(LzhCodec, ThreeLiteralsGiveTheKnownContainer)
{
    const std::vector<uint8_t> expected = {0x21, 0x48, 0x5A, 0x4C, 0x03, 0x00, 0x00, 0x00, 0xF6, 0xFB, 0xBD, 0xE0};
    EXPECT_EQ(CompressBytes(Bytes("abc")), expected);
    EXPECT_EQ(DecompressBytes(expected), Bytes("abc"));
}

TEST(LzhCodec, TenEqualBytesAreALiteralAndAnOverlappingMatch)
{
    const std::vector<uint8_t> expected = {0x21, 0x48, 0x5A, 0x4C, 0x0A, 0x00, 0x00, 0x00, 0xF6, 0xC9, 0x00, 0x00};
    const std::vector<uint8_t> container = CompressBytes(Bytes("aaaaaaaaaa"));
    EXPECT_EQ(container, expected);
    EXPECT_EQ(TraceSymbols(container), (std::vector<TracedSymbol>{Lit('a'), Match(9, 0)}));
    EXPECT_EQ(DecompressBytes(expected), Bytes("aaaaaaaaaa"));
}

TEST(LzhCodec, LongRunIsCodedAsFullLengthCopiesOfItsOwnOutput)
{
    // 200 = 1 literal + 3 x 60 + 19; every copy reads bytes it has just written.
    const std::vector<uint8_t> run(200, 'q');
    const std::vector<uint8_t> container = CompressBytes(run);
    EXPECT_EQ(TraceSymbols(container),
              (std::vector<TracedSymbol>{Lit('q'), Match(60, 0), Match(60, 0), Match(60, 0), Match(19, 0)}))
        << Describe(TraceSymbols(container));
    EXPECT_EQ(DecompressBytes(container), run);
}

TEST(LzhCodec, SpacesMatchTheInitialWindowFromTheFirstByte)
{
    const std::vector<uint8_t> spaces(130, ' ');
    const std::vector<uint8_t> container = CompressBytes(spaces);
    const std::vector<TracedSymbol> symbols = TraceSymbols(container);
    ASSERT_FALSE(symbols.empty());
    EXPECT_FALSE(symbols[0].literal) << Describe(symbols);
    for (const TracedSymbol &s : symbols)
        EXPECT_FALSE(s.literal) << Describe(symbols);
    EXPECT_EQ(DecompressBytes(container), spaces);
}

TEST(LzhCodec, OfTwoEqualMatchesMetOnTheWayTheNearerIsCoded)
{
    // At "abcB" both "abcA" (8 back) and "abcC" (4 back) share three bytes; the search
    // meets the farther first, so keeping the first would code position 7.
    const std::vector<uint8_t> data = Bytes("abcAabcCabcB");
    const std::vector<TracedSymbol> expected = {Lit('a'), Lit('b'), Lit('c'), Lit('A'), Match(3, 3), Lit('C'),
                                                Match(3, 3), Lit('B')};
    const std::vector<uint8_t> container = CompressBytes(data);
    EXPECT_EQ(TraceSymbols(container), expected) << Describe(TraceSymbols(container));
    EXPECT_EQ(DecompressBytes(container), data);
}

TEST(LzhCodec, ShortRepeatsStayLiterals)
{
    // Two-byte repeats are below the three-byte threshold.
    const std::vector<uint8_t> container = CompressBytes(Bytes("xyxyz"));
    EXPECT_EQ(TraceSymbols(container), (std::vector<TracedSymbol>{Lit('x'), Lit('y'), Lit('x'), Lit('y'), Lit('z')}));
}

TEST(LzhCodec, RoundTripsOfEdgeSizes)
{
    expectRoundTrip({});
    expectRoundTrip({0x00});
    expectRoundTrip({0xFF});
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    expectRoundTrip(all);
    // Input shorter than, equal to and just past the 60-byte lookahead.
    for (size_t n : {59u, 60u, 61u})
        expectRoundTrip(randomBytes(n, static_cast<uint32_t>(n)));
}

TEST(LzhCodec, EmptyInputIsTheHeaderAlone)
{
    EXPECT_EQ(CompressBytes({}), (std::vector<uint8_t>{0x21, 0x48, 0x5A, 0x4C, 0, 0, 0, 0}));
}

TEST(LzhCodec, RandomFiveMegabytesRoundTrip)
{
    expectRoundTrip(randomBytes(5 * 1024 * 1024, 42));
}

TEST(LzhCodec, RepetitiveDataWrappingTheWindowRoundTrips)
{
    // Rows that repeat with small changes: long matches, window wrap-around, runs.
    std::mt19937 rng(7);
    std::vector<uint8_t> data;
    std::vector<uint8_t> row(1000, 0xFF);
    for (int y = 0; y < 600; ++y) {
        if (y % 37 == 0)
            std::fill(row.begin(), row.end(), static_cast<uint8_t>(rng()));
        row[rng() % row.size()] = static_cast<uint8_t>(rng() & 3);
        data.insert(data.end(), row.begin(), row.end());
    }
    expectRoundTrip(data);
}

TEST(LzhCodec, EncodingIsDeterministic)
{
    const std::vector<uint8_t> data = randomBytes(100000, 3);
    std::vector<uint8_t> text;
    for (int i = 0; i < 5000; ++i)
        for (char c : std::string("Light Cannon |X| "))
            text.push_back(static_cast<uint8_t>(c + (i % 7 == 0)));
    EXPECT_EQ(CompressBytes(data), CompressBytes(data));
    EXPECT_EQ(CompressBytes(text), CompressBytes(text));
    // Decoding and coding again reproduces a stored container exactly.
    const std::vector<uint8_t> stored = CompressBytes(text);
    EXPECT_EQ(CompressBytes(DecompressBytes(stored)), stored);
}

TEST(LzhCodec, StreamsAreUsedFromTheirPositions)
{
    TStream source(Bytes("skipped|kept part"));
    source.Seek(8);
    TStream dest;
    dest.WriteBuffer("PREFIX", 6);
    CompressStream(source, dest);
    EXPECT_EQ(source.Position(), source.Size());
    // The header counts the bytes that were coded, not the whole source.
    EXPECT_EQ(bytes::GetUInt32(dest.Bytes().data() + 6 + 4), 9u);

    dest.Seek(6);
    TStream out;
    out.WriteBuffer("<<", 2);
    DecompressStream(dest, out);
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "<<kept part");
}
