#include "SymbolTrace.h"

#include "engine/base/Stream.h"
#include "storage/codec/CodecSink.h"
#include "storage/codec/CodecSource.h"
#include "storage/codec/LzhCompressor.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs f and returns the codec message it raised ("" when none).
std::string codecMessage(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ELZHException &e) {
        return e.what();
    }
    return "";
}

std::vector<uint8_t> withSize(std::vector<uint8_t> container, uint32_t size)
{
    bytes::PutUInt32(container.data() + 4, size);
    return container;
}

// A memory source whose answers can be spoiled.
class FaultySource : public TCodecSource {
public:
    explicit FaultySource(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    int64_t position = 0;
    bool badPosition = false;
    int failReadNumber = 0; // this read (1-based) reports an error
    int64_t shortReadLimit = -1;

    int64_t Position() override { return badPosition ? -1 : position; }
    int64_t Size() override { return static_cast<int64_t>(m_bytes.size()); }
    int64_t Read(uint8_t *buffer, int64_t count) override
    {
        if (++m_reads == failReadNumber)
            return -1;
        int64_t n = std::min<int64_t>(count, Size() - position);
        if (shortReadLimit >= 0)
            n = std::min(n, shortReadLimit);
        std::copy_n(m_bytes.begin() + position, n, buffer);
        position += n;
        return n;
    }

private:
    std::vector<uint8_t> m_bytes;
    int m_reads = 0;
};

// A memory sink that can refuse positions or stop taking bytes after a limit.
class FaultySink : public TCodecSink {
public:
    std::vector<uint8_t> bytes;
    bool badPosition = false;
    size_t capacity = SIZE_MAX;

    int64_t Position() override { return badPosition ? -1 : static_cast<int64_t>(bytes.size()); }
    int64_t Write(const uint8_t *data, int64_t count) override
    {
        const size_t n = std::min(static_cast<size_t>(count), capacity - bytes.size());
        bytes.insert(bytes.end(), data, data + n);
        return static_cast<int64_t>(n);
    }
};

} // namespace

TEST(LzhFailure, PlainTextHasNoValidHeaderAndNothingIsDecoded)
{
    TStream source(Bytes("Name: Scout Walker\r\nArmor: 12\r\n"));
    TStream dest;
    EXPECT_EQ(codecMessage([&] { DecompressStream(source, dest); }), lzhmsg::kNoHeader);
    EXPECT_EQ(dest.Size(), 0);
}

TEST(LzhFailure, HeaderCutShortIsAReadError)
{
    EXPECT_EQ(codecMessage([] { DecompressBytes({}); }), lzhmsg::kHeaderReadError);
    EXPECT_EQ(codecMessage([] { DecompressBytes(std::vector<uint8_t>{0x21, 0x48, 0x5A}); }), lzhmsg::kHeaderReadError);
    EXPECT_EQ(codecMessage([] { DecompressBytes(std::vector<uint8_t>{0x21, 0x48, 0x5A, 0x4C, 0x05, 0x00}); }), lzhmsg::kHeaderReadError);
}

TEST(LzhFailure, ZeroSizeDecodesToNothingWhateverFollows)
{
    EXPECT_TRUE(DecompressBytes(std::vector<uint8_t>{0x21, 0x48, 0x5A, 0x4C, 0, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF}).empty());
    EXPECT_TRUE(DecompressBytes(std::vector<uint8_t>{0x21, 0x48, 0x5A, 0x4C, 0, 0, 0, 0}).empty());
}

TEST(LzhFailure, SizeBeyondWhatTheCodedBytesCanHoldIsRefusedBeforeDecoding)
{
    // Four coded bytes can hold at most a few hundred bytes, never 4 GB.
    TStream source(withSize(CompressBytes(Bytes("abc")), 0xFFFFFFFFu));
    TStream dest;
    EXPECT_EQ(codecMessage([&] { DecompressStream(source, dest); }), lzhmsg::kSizeMismatch);
    EXPECT_EQ(dest.Size(), 0);
    EXPECT_EQ(codecMessage([] { DecompressBytes(withSize(CompressBytes(Bytes("abc")), 100000)); }),
              lzhmsg::kSizeMismatch);
}

TEST(LzhFailure, DecoderStopsOnceItReadsFarPastTheEnd)
{
    // A size the bytes could in principle hold, but they end long before: the decoder
    // must not go on turning zero bits into output.
    const uint32_t claimed = 500;
    TStream source(withSize(CompressBytes(Bytes("abc")), claimed));
    TStream dest;
    EXPECT_EQ(codecMessage([&] { DecompressStream(source, dest); }), lzhmsg::kSizeMismatch);
    EXPECT_LE(dest.Size(), claimed + 60);
}

TEST(LzhFailure, ZeroBitsMissingAtTheVeryEndAreLegal)
{
    // The ten-"a" container ends in two zero bytes that carry only zero bits.
    const std::vector<uint8_t> cut = {0x21, 0x48, 0x5A, 0x4C, 0x0A, 0x00, 0x00, 0x00, 0xF6, 0xC9};
    EXPECT_EQ(DecompressBytes(cut), Bytes("aaaaaaaaaa"));
}

TEST(LzhFailure, MatchRunningPastTheSizeIsAMismatch)
{
    const std::vector<uint8_t> container = BuildContainer({Lit('a'), Match(10, 0)}, 5);
    EXPECT_EQ(codecMessage([&] { DecompressBytes(container); }), lzhmsg::kSizeMismatch);
}

TEST(LzhFailure, FirstMatchCopiesTheInitialSpaces)
{
    // Then a copy from two back that overlaps itself: " x" and its own first byte.
    const std::vector<uint8_t> container = BuildContainer({Match(5, 0), Lit('x'), Match(3, 1)}, 9);
    EXPECT_EQ(DecompressBytes(container), Bytes("     x x "));
}

TEST(LzhFailure, UnusableStreamsAreReportedBeforeAnythingIsWritten)
{
    {
        FaultySource in(Bytes("data"));
        in.badPosition = true;
        FaultySink out;
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Compress(); }), lzhmsg::kInputInit);
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Decompress(); }), lzhmsg::kInputInit);
        EXPECT_TRUE(out.bytes.empty());
    }
    {
        FaultySource in(Bytes("data"));
        FaultySink out;
        out.badPosition = true;
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Compress(); }), lzhmsg::kOutputInit);
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Decompress(); }), lzhmsg::kOutputInit);
        EXPECT_TRUE(out.bytes.empty());
    }
}

TEST(LzhFailure, ShortWritesAreWriteErrors)
{
    std::vector<uint8_t> data(100000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7919 >> 3);
    for (size_t capacity : {0u, 6u, 8u, 1000u}) {
        FaultySource in(data);
        FaultySink out;
        out.capacity = capacity;
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Compress(); }), lzhmsg::kWriteError) << capacity;
    }
    FaultySource in(CompressBytes(data));
    FaultySink out;
    out.capacity = 50000;
    EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Decompress(); }), lzhmsg::kWriteError);
}

TEST(LzhFailure, ReadErrorsOfTheHeaderAndOfTheBlocksAreTold)
{
    {
        FaultySource in(CompressBytes(Bytes("abcdef")));
        in.failReadNumber = 1; // the magic
        FaultySink out;
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Decompress(); }), lzhmsg::kHeaderReadError);
    }
    {
        FaultySource in(CompressBytes(Bytes("abcdef")));
        in.failReadNumber = 3; // the first block after the header
        FaultySink out;
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Decompress(); }), lzhmsg::kBlockReadError);
    }
    {
        FaultySource in(Bytes("abcdef"));
        in.failReadNumber = 1;
        FaultySink out;
        EXPECT_EQ(codecMessage([&] { LZHCompressor(in, out).Compress(); }), lzhmsg::kBlockReadError);
    }
}

TEST(LzhFailure, SourcesThatDeliverInSmallPiecesStillWork)
{
    std::vector<uint8_t> data;
    for (int i = 0; i < 70000; ++i)
        data.push_back(static_cast<uint8_t>("Heavy Rocket Pack "[i % 18]));
    FaultySource in(data);
    in.shortReadLimit = 7;
    FaultySink out;
    const uint32_t written = LZHCompressor(in, out).Compress();
    EXPECT_EQ(written, out.bytes.size());
    EXPECT_EQ(out.bytes, CompressBytes(data));

    FaultySource packed(out.bytes);
    packed.shortReadLimit = 5; // the header fields need whole reads
    FaultySink unpacked;
    EXPECT_EQ(LZHCompressor(packed, unpacked).Decompress(), data.size());
    EXPECT_EQ(unpacked.bytes, data);
}
