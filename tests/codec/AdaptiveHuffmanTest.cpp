#include "SymbolTrace.h"

#include "engine/base/Stream.h"
#include "storage/codec/AdaptiveHuffman.h"
#include "storage/codec/CodecSink.h"
#include "storage/codec/CodecSource.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TStream encodeAll(TAdaptiveHuffman &tree, const std::vector<unsigned> &symbols)
{
    TStream stream;
    TStreamSink sink(stream);
    TSinkBuffer buffer(sink);
    TBitWriter bits(buffer);
    for (unsigned s : symbols)
        tree.Encode(s, bits);
    bits.Finish();
    buffer.Flush();
    stream.Seek(0);
    return stream;
}

// Codes symbols with one tree and reads them back with another.
std::vector<unsigned> roundTrip(const std::vector<unsigned> &symbols, TAdaptiveHuffman &encoder,
                                TAdaptiveHuffman &decoder)
{
    TStream stream = encodeAll(encoder, symbols);
    TStreamSource source(stream);
    TSourceBuffer buffer(source);
    TBitReader bits(buffer);
    std::vector<unsigned> decoded;
    for (size_t i = 0; i < symbols.size(); ++i)
        decoded.push_back(decoder.Decode(bits));
    return decoded;
}

// Symbols 'A'..'H' drawn with Fibonacci weights: the tree becomes a long chain and the
// leaves of unseen symbols sink below 16 levels.
std::vector<unsigned> skewedLiterals(size_t count)
{
    const unsigned weights[] = {21, 13, 8, 5, 3, 2, 1, 1};
    std::mt19937 rng(11);
    std::vector<unsigned> symbols;
    for (size_t i = 0; i < count; ++i) {
        unsigned pick = rng() % 54;
        unsigned s = 0;
        while (pick >= weights[s])
            pick -= weights[s++];
        symbols.push_back('A' + s);
    }
    return symbols;
}

} // namespace

TEST(AdaptiveHuffman, StartsBalancedWithEightOrNineBitCodes)
{
    TAdaptiveHuffman tree;
    EXPECT_EQ(tree.RootFrequency(), 314u);
    for (unsigned s = 0; s < TAdaptiveHuffman::kSymbols; ++s) {
        const unsigned length = tree.CodeLength(s);
        EXPECT_TRUE(length == 8 || length == 9) << s << ": " << length;
    }
}

TEST(AdaptiveHuffman, RebuildsWithHalvedCountsWhenTheRootReaches0x8000)
{
    TAdaptiveHuffman tree;
    // 314 leaves of 1, plus one per symbol coded.
    encodeAll(tree, std::vector<unsigned>(0x8000 - 314, 'a'));
    EXPECT_EQ(tree.RootFrequency(), 0x8000u);
    EXPECT_EQ(tree.Rebuilds(), 0u);
    encodeAll(tree, {'a'});
    // 'a' had 32455 -> 16228; the other 313 leaves stay 1; then this symbol's count.
    EXPECT_EQ(tree.Rebuilds(), 1u);
    EXPECT_EQ(tree.RootFrequency(), 16228u + 313u + 1u);
}

TEST(AdaptiveHuffman, EncoderAndDecoderRebuildAtTheSameSymbol)
{
    std::mt19937 rng(5);
    std::vector<unsigned> symbols;
    for (int i = 0; i < 150000; ++i) {
        // Skewed over the whole alphabet, match lengths included.
        const unsigned r = rng();
        symbols.push_back((r & 3) ? r % 40 : r % TAdaptiveHuffman::kSymbols);
    }
    TAdaptiveHuffman encoder;
    TAdaptiveHuffman decoder;
    EXPECT_EQ(roundTrip(symbols, encoder, decoder), symbols);
    EXPECT_GE(encoder.Rebuilds(), 4u);
    EXPECT_EQ(decoder.Rebuilds(), encoder.Rebuilds());
    EXPECT_EQ(decoder.RootFrequency(), encoder.RootFrequency());
}

TEST(AdaptiveHuffman, CodesLongerThanSixteenBitsAreWrittenWhole)
{
    std::vector<unsigned> symbols = skewedLiterals(60000);
    TAdaptiveHuffman probe;
    encodeAll(probe, symbols);
    // An unseen symbol whose code is over 16 bits and ends in a 1: a 16-bit code register
    // would lose exactly that last bit.
    unsigned deep = TAdaptiveHuffman::kSymbols;
    for (unsigned s = 0; s < TAdaptiveHuffman::kSymbols && deep == TAdaptiveHuffman::kSymbols; ++s) {
        unsigned length;
        const uint64_t code = probe.Code(s, length);
        if (length > 16 && (code & 1))
            deep = s;
    }
    ASSERT_LT(deep, TAdaptiveHuffman::kSymbols) << "the skewed input no longer makes a deep tree";
    symbols.push_back(deep);
    symbols.push_back('A');

    TAdaptiveHuffman encoder;
    TAdaptiveHuffman decoder;
    EXPECT_EQ(roundTrip(symbols, encoder, decoder), symbols);
    EXPECT_GT(encoder.LongestCodeWritten(), 16u);
}

TEST(AdaptiveHuffman, ContainerWithCodesOverSixteenBitsDecodes)
{
    std::vector<unsigned> values = skewedLiterals(60000);
    for (unsigned b = 0x80; b < 0x90; ++b)
        values.push_back(b); // unseen bytes: the deepest leaves
    std::vector<TracedSymbol> symbols;
    std::vector<uint8_t> expected;
    for (unsigned v : values) {
        symbols.push_back(TracedSymbol{true, static_cast<int>(v), 0, 0});
        expected.push_back(static_cast<uint8_t>(v));
    }
    const std::vector<uint8_t> container = BuildContainer(symbols, static_cast<uint32_t>(expected.size()));
    EXPECT_EQ(DecompressBytes(container), expected);
}
