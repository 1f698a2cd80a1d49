#pragma once

#include "base/Stream.h"

#include <cstdint>
#include <vector>

namespace aw {

// Where the codec writes to (see CodecSource).
class CodecSink {
public:
    virtual ~CodecSink() = default;
    // Current position; negative when the stream cannot be used.
    virtual int64_t Position() = 0;
    // Writes count bytes and returns how many were written.
    virtual int64_t Write(const uint8_t *data, int64_t count) = 0;
    // About `count` more bytes will be written: a sink that grows may make room at once.
    virtual void Expect(uint64_t /*count*/) {}
};

// A memory stream as a codec sink, written at its position.
class StreamSink : public CodecSink {
public:
    explicit StreamSink(Stream &stream) : m_stream(stream) {}
    int64_t Position() override { return m_stream.Position(); }
    int64_t Write(const uint8_t *data, int64_t count) override
    {
        m_stream.WriteBuffer(data, static_cast<size_t>(count));
        return count;
    }

private:
    Stream &m_stream;
};

// A byte vector as a codec sink: what is written is appended.
class VectorSink : public CodecSink {
public:
    explicit VectorSink(std::vector<uint8_t> &bytes) : m_bytes(bytes) {}
    int64_t Position() override { return static_cast<int64_t>(m_bytes.size()); }
    int64_t Write(const uint8_t *data, int64_t count) override
    {
        m_bytes.insert(m_bytes.end(), data, data + count);
        return count;
    }
    // Growing by doubling copies the bytes again and again and touches fresh memory each time.
    void Expect(uint64_t count) override { m_bytes.reserve(m_bytes.size() + count); }

private:
    std::vector<uint8_t> &m_bytes;
};

} // namespace aw
