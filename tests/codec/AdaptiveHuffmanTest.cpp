#include "base/Stream.h"
#include "codec/AdaptiveHuffmanSteps.h"
#include "codec/CodecSink.h"
#include "codec/CodecSource.h"

#include <gtest/gtest.h>

#include <random>

namespace aw {

namespace {

Stream EncodeAll(AdaptiveHuffman &tree, const std::vector<unsigned> &symbols)
{
    Stream stream;
    StreamSink sink(stream);
    SinkBuffer buffer(sink);
    BitWriter bits(buffer);
    for (unsigned s : symbols)
        tree.Encode(s, bits);
    bits.Finish();
    buffer.Flush();
    stream.Seek(0);
    return stream;
}

// Codes symbols with one tree and reads them back with another, one symbol behind as the
// LZH decoder does (each code read before the previous symbol's update).
std::vector<unsigned> RoundTrip(const std::vector<unsigned> &symbols, AdaptiveHuffman &encoder,
                                AdaptiveHuffman &decoder)
{
    Stream stream = EncodeAll(encoder, symbols);
    StreamSource source(stream);
    SourceBuffer buffer(source);
    BitReader bits(buffer);
    std::vector<unsigned> decoded;
    AdaptiveHuffman::PeekedSymbol next{};
    for (size_t i = 0; i < symbols.size(); ++i) {
        const uint64_t window = bits.Window(AdaptiveHuffman::kWindowBits);
        next = i == 0 ? decoder.PeekSymbol(window) : decoder.AdaptAndPeek(next, window);
        bits.Skip(next.Length);
        decoded.push_back(next.Symbol);
    }
    if (!decoded.empty())
        decoder.Update(decoded.back());
    return decoded;
}

// 'A'..'H' with Fibonacci weights: the tree becomes a chain and unseen leaves sink deep.
std::vector<unsigned> SkewedLiterals()
{
    const unsigned weights[] = {21, 13, 8, 5, 3, 2, 1, 1};
    std::mt19937 rng(11);
    std::vector<unsigned> symbols;
    for (int i = 0; i < 60000; ++i) {
        unsigned pick = rng() % 54, s = 0;
        while (pick >= weights[s])
            pick -= weights[s++];
        symbols.push_back('A' + s);
    }
    return symbols;
}

} // namespace

TEST(AdaptiveHuffman, RebuildsWithHalvedCountsWhenTheRootReaches0x8000)
{
    AdaptiveHuffman tree;
    EncodeAll(tree, std::vector<unsigned>(0x8000 - 314, 'a')); // 314 leaves of 1 to start
    EXPECT_EQ(tree.RootFrequency(), 0x8000u);
    EXPECT_EQ(tree.Rebuilds(), 0u);
    EncodeAll(tree, {'a'});
    // 'a' had 32455 -> 16228, the other 313 leaves stay 1, then this symbol's count.
    EXPECT_EQ(tree.Rebuilds(), 1u);
    EXPECT_EQ(tree.RootFrequency(), 16228u + 313u + 1u);
}

TEST(AdaptiveHuffman, EncoderAndDecoderRebuildAtTheSameSymbol)
{
    std::mt19937 rng(5);
    std::vector<unsigned> symbols;
    for (int i = 0; i < 150000; ++i) {
        const unsigned r = rng();
        symbols.push_back((r & 3) ? r % 40 : r % AdaptiveHuffman::kSymbols);
    }
    AdaptiveHuffman encoder, decoder;
    EXPECT_EQ(RoundTrip(symbols, encoder, decoder), symbols);
    EXPECT_GE(encoder.Rebuilds(), 4u);
    EXPECT_EQ(decoder.RootFrequency(), encoder.RootFrequency());
}

TEST(AdaptiveHuffman, CodesLongerThanSixteenBitsAreWrittenWhole)
{
    std::vector<unsigned> symbols = SkewedLiterals();
    AdaptiveHuffman probe;
    EncodeAll(probe, symbols);
    // An unseen symbol whose code is over 16 bits and ends in a 1: a 16-bit code register
    // would lose exactly that last bit.
    unsigned deep = AdaptiveHuffman::kSymbols;
    for (unsigned s = 0; s < AdaptiveHuffman::kSymbols && deep == AdaptiveHuffman::kSymbols; ++s) {
        unsigned length;
        if ((probe.Code(s, length) & 1) && length > 16)
            deep = s;
    }
    ASSERT_LT(deep, AdaptiveHuffman::kSymbols) << "the skewed input no longer makes a deep tree";
    symbols.push_back(deep);
    symbols.push_back('A');
    AdaptiveHuffman encoder, decoder;
    EXPECT_EQ(RoundTrip(symbols, encoder, decoder), symbols);
    EXPECT_GT(encoder.LongestCodeWritten(), 16u);
}

} // namespace aw
