#include "codec/LzhCompressor.h"

#include "base/Stream.h"
#include "codec/BitWriter.h"
#include "codec/CodecSink.h"
#include "codec/CodecSource.h"
#include "codec/LzhDecoder.h"
#include "codec/LzhEncoder.h"
#include "codec/SinkBuffer.h"
#include "codec/SourceBuffer.h"

#include <thread>

namespace aw {

namespace {

void WriteHeaderField(CodecSink &sink, uint32_t value)
{
    uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    if (sink.Write(bytes, 4) != 4)
        throw LZHException(lzhmsg::kWriteError);
}

uint32_t ReadHeaderField(CodecSource &source)
{
    uint8_t bytes[4];
    if (source.Read(bytes, 4) != 4)
        throw LZHException(lzhmsg::kHeaderReadError);
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

} // namespace

void LZHCompressor::CheckStreams()
{
    if (m_input.Position() < 0)
        throw LZHException(lzhmsg::kInputInit);
    if (m_output.Position() < 0)
        throw LZHException(lzhmsg::kOutputInit);
}

uint32_t LZHCompressor::Compress()
{
    CheckStreams();
    // The header counts the bytes that will be coded: those from the input's position on.
    const int64_t size = m_input.Size();
    const int64_t remaining = size - m_input.Position();
    if (size < 0 || remaining < 0 || remaining > static_cast<int64_t>(UINT32_MAX))
        throw LZHException(lzhmsg::kInputInit);
    WriteHeaderField(m_output, lzhformat::kMagic);
    WriteHeaderField(m_output, static_cast<uint32_t>(remaining));

    SourceBuffer in(m_input);
    SinkBuffer out(m_output);
    BitWriter bits(out);
    // Threads pay only for a large input on a machine with more than one core.
    const bool threaded =
        static_cast<uint64_t>(remaining) >= kLzhThreadedSize && std::thread::hardware_concurrency() != 1;
    m_longestCode = EncodeLzh(in, bits, threaded ? EncodeThreads::Three : EncodeThreads::One);
    bits.Finish();
    out.Flush();
    return static_cast<uint32_t>(lzhformat::kHeaderSize + out.Total());
}

uint32_t LZHCompressor::Decompress()
{
    CheckStreams();
    if (ReadHeaderField(m_input) != lzhformat::kMagic)
        throw LZHException(lzhmsg::kNoHeader);
    const uint32_t size = ReadHeaderField(m_input);

    // Refuse a size the coded bytes cannot possibly hold before producing anything.
    const int64_t total = m_input.Size();
    const int64_t position = m_input.Position();
    if (total >= 0 && position >= 0 && total >= position) {
        const uint64_t coded = static_cast<uint64_t>(total - position);
        if (size > (coded + lzhformat::kPaddingBytes) * lzhformat::kMaxBytesPerCodedByte)
            throw LZHException(lzhmsg::kSizeMismatch);
        // A size the coded bytes can hold: room for it is made once.
        m_output.Expect(size);
    }

    SourceBuffer in(m_input);
    const uint64_t written = DecodeLzh(in, m_output, size, m_bitsPastEnd);
    if (written != size)
        throw LZHException(lzhmsg::kSizeMismatch);
    return size;
}

void CompressStream(Stream &source, Stream &dest)
{
    StreamSource input(source);
    StreamSink output(dest);
    LZHCompressor(input, output).Compress();
}

void DecompressStream(Stream &source, Stream &dest)
{
    StreamSource input(source);
    StreamSink output(dest);
    LZHCompressor(input, output).Decompress();
}

// The byte forms read their input in place and append their output to a vector: no copy
// of the input and no zero-filled growth of a stream.
std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data)
{
    SpanSource input(data);
    std::vector<uint8_t> container;
    VectorSink output(container);
    LZHCompressor(input, output).Compress();
    return container;
}

std::vector<uint8_t> DecompressBytes(std::span<const uint8_t> container)
{
    SpanSource input(container);
    std::vector<uint8_t> data;
    VectorSink output(data);
    LZHCompressor(input, output).Decompress();
    return data;
}

std::vector<uint8_t> DecompressWholeBytes(std::span<const uint8_t> container)
{
    SpanSource input(container);
    std::vector<uint8_t> data;
    VectorSink output(data);
    LZHCompressor codec(input, output);
    codec.Decompress();
    if (codec.BitsPastEnd() > 0)
        throw LZHException(lzhmsg::kSizeMismatch);
    return data;
}

} // namespace aw
