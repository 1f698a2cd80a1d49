#include "SymbolTrace.h"

#include "base/Stream.h"
#include "codec/CodecSink.h"
#include "codec/CodecSource.h"
#include "codec/LzhCompressor.h"
#include "codec/LzhEncoder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace aw {

namespace {

// The codec message f raised ("" when none).
std::string CodecMessage(const std::function<void()> &f)
{
    try {
        f();
    } catch (const LZHException &e) {
        return e.what();
    }
    return "";
}

std::vector<uint8_t> WithSize(std::vector<uint8_t> container, uint32_t size)
{
    bytes::PutUInt32(container.data() + 4, size);
    return container;
}

// Memory streams whose answers can be spoiled.
struct FaultySource : CodecSource {
    std::vector<uint8_t> Content;
    int64_t Offset = 0;
    bool BadPosition = false;
    int FailingRead = 0; // this read (1-based) reports an error
    int Reads = 0;
    explicit FaultySource(std::vector<uint8_t> b) : Content(std::move(b)) {}
    int64_t Position() override { return BadPosition ? -1 : Offset; }
    int64_t Size() override { return static_cast<int64_t>(Content.size()); }
    int64_t Read(uint8_t *buffer, int64_t count) override
    {
        if (++Reads == FailingRead)
            return -1;
        const int64_t n = std::min<int64_t>(count, Size() - Offset);
        std::copy_n(Content.begin() + Offset, n, buffer);
        Offset += n;
        return n;
    }
};

struct FaultySink : CodecSink {
    std::vector<uint8_t> Written;
    bool BadPosition = false;
    size_t Capacity = SIZE_MAX;
    int64_t Position() override { return BadPosition ? -1 : static_cast<int64_t>(Written.size()); }
    int64_t Write(const uint8_t *data, int64_t count) override
    {
        const size_t n = std::min(static_cast<size_t>(count), Capacity - Written.size());
        Written.insert(Written.end(), data, data + n);
        return static_cast<int64_t>(n);
    }
};

} // namespace

TEST(LzhFailure, BadHeaders)
{
    Stream text(Bytes("Name: Scout Walker\r\nArmor: 12\r\n")), dest;
    EXPECT_EQ(CodecMessage([&] { DecompressStream(text, dest); }), lzhmsg::kNoHeader);
    EXPECT_EQ(dest.Size(), 0);
    EXPECT_EQ(CodecMessage([] { DecompressBytes(Bytes("!HZ")); }), lzhmsg::kHeaderReadError);
    EXPECT_EQ(CodecMessage([] { DecompressBytes(Bytes("!HZL\x05")); }), lzhmsg::kHeaderReadError);
    // Size 0 decodes to nothing, whatever follows.
    EXPECT_TRUE(DecompressBytes(Bytes(std::string("!HZL\0\0\0\0\xDE\xAD", 10))).empty());
}

TEST(LzhFailure, SizesTheCodedBytesCannotHoldAreRefused)
{
    // Refused before decoding anything: four coded bytes never make 4 GB.
    Stream source(WithSize(CompressBytes(Bytes("abc")), 0xFFFFFFFFu)), dest;
    EXPECT_EQ(CodecMessage([&] { DecompressStream(source, dest); }), lzhmsg::kSizeMismatch);
    EXPECT_EQ(dest.Size(), 0);
    // A size the bytes might hold, but they end long before: decoding stops, bounded.
    Stream shortSource(WithSize(CompressBytes(Bytes("abc")), 500)), shortDest;
    EXPECT_EQ(CodecMessage([&] { DecompressStream(shortSource, shortDest); }), lzhmsg::kSizeMismatch);
    EXPECT_LE(shortDest.Size(), 560);
    // A last match running past the size.
    EXPECT_EQ(CodecMessage([] {
                  DecompressBytes(BuildContainer({Lit('a'), Match(10, 0)}, 5));
              }),
              lzhmsg::kSizeMismatch);
}

TEST(LzhFailure, ZeroBitsMissingAtTheVeryEndAreLegal)
{
    // The ten-"a" container without its two trailing zero bytes.
    EXPECT_EQ(DecompressBytes(std::vector<uint8_t>{0x21, 0x48, 0x5A, 0x4C, 0x0A, 0, 0, 0, 0xF6, 0xC9}),
              Bytes("aaaaaaaaaa"));
    // A first match copies the window's initial spaces; a later one overlaps itself.
    EXPECT_EQ(DecompressBytes(BuildContainer({Match(5, 0), Lit('x'), Match(3, 1)}, 9)), Bytes("     x x "));
}

TEST(LzhFailure, StreamFailuresHaveTheirMessages)
{
    FaultySource in(Bytes("data"));
    FaultySink out;
    in.BadPosition = true;
    EXPECT_EQ(CodecMessage([&] { LZHCompressor(in, out).Compress(); }), lzhmsg::kInputInit);
    EXPECT_EQ(CodecMessage([&] { LZHCompressor(in, out).Decompress(); }), lzhmsg::kInputInit);
    in.BadPosition = false;
    out.BadPosition = true;
    EXPECT_EQ(CodecMessage([&] { LZHCompressor(in, out).Compress(); }), lzhmsg::kOutputInit);
    EXPECT_TRUE(out.Written.empty());

    std::vector<uint8_t> data(100000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7919 >> 3);
    for (size_t capacity : {0u, 6u, 1000u}) { // in the header, and in a later block
        FaultySource source(data);
        FaultySink sink;
        sink.Capacity = capacity;
        EXPECT_EQ(CodecMessage([&] { LZHCompressor(source, sink).Compress(); }), lzhmsg::kWriteError);
    }
    for (int failing : {1, 3}) { // the magic, then the first block after the header
        FaultySource source(CompressBytes(data));
        source.FailingRead = failing;
        FaultySink sink;
        EXPECT_EQ(CodecMessage([&] { LZHCompressor(source, sink).Decompress(); }),
                  failing == 1 ? lzhmsg::kHeaderReadError : lzhmsg::kBlockReadError);
    }
}

TEST(LzhFailure, ReadErrorWhileCodingIsRaisedAfterCodingWhatWasReadOnOneOrThreeThreads)
{
    std::mt19937 rng(5);
    std::vector<uint8_t> data(200000); // incompressible: the coded bytes fill several blocks
    for (uint8_t &b : data)
        b = static_cast<uint8_t>(rng());
    std::vector<std::vector<uint8_t>> written;
    for (EncodeThreads threads : {EncodeThreads::One, EncodeThreads::Three}) {
        FaultySource source(data);
        source.FailingRead = 4; // the fourth block of input
        FaultySink sink;
        SourceBuffer in(source);
        SinkBuffer out(sink);
        BitWriter bits(out);
        EXPECT_EQ(CodecMessage([&] { EncodeLzh(in, bits, threads); }), lzhmsg::kBlockReadError);
        // Everything found before the error has been coded.
        bits.Finish();
        out.Flush();
        written.push_back(sink.Written);
    }
    EXPECT_EQ(written[1], written[0]);
    EXPECT_GT(written[0].size(), 2 * SourceBuffer::kCapacity);
}

} // namespace aw
