#pragma once

#include "base/Stream.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace aw {

// Where the codec reads from. Kept abstract so the codec can run over any stream and so
// stream failures can be exercised; the memory stream is the usual one.
class CodecSource {
public:
    virtual ~CodecSource() = default;
    // Current position; negative when the stream cannot be used.
    virtual int64_t Position() = 0;
    // Total size in bytes; negative when unknown.
    virtual int64_t Size() = 0;
    // Reads up to count bytes: the number read, 0 at the end, negative on an error.
    virtual int64_t Read(uint8_t *buffer, int64_t count) = 0;
};

// A memory stream as a codec source; reading advances the stream's position.
class StreamSource : public CodecSource {
public:
    explicit StreamSource(Stream &stream) : m_stream(stream) {}
    int64_t Position() override { return m_stream.Position(); }
    int64_t Size() override { return m_stream.Size(); }
    int64_t Read(uint8_t *buffer, int64_t count) override
    {
        return static_cast<int64_t>(m_stream.Read(buffer, static_cast<size_t>(count)));
    }

private:
    Stream &m_stream;
};

// A byte buffer as a codec source, read in place.
class SpanSource : public CodecSource {
public:
    explicit SpanSource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    int64_t Position() override { return static_cast<int64_t>(m_position); }
    int64_t Size() override { return static_cast<int64_t>(m_bytes.size()); }
    int64_t Read(uint8_t *buffer, int64_t count) override
    {
        const size_t n = std::min(static_cast<size_t>(count), m_bytes.size() - m_position);
        std::copy_n(m_bytes.data() + m_position, n, buffer);
        m_position += n;
        return static_cast<int64_t>(n);
    }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
};

} // namespace aw
