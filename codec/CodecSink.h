#pragma once

#include "base/Stream.h"

#include <cstdint>

namespace aw {

// Where the codec writes to (see CodecSource).
class CodecSink {
public:
    virtual ~CodecSink() = default;
    // Current position; negative when the stream cannot be used.
    virtual int64_t Position() = 0;
    // Writes count bytes and returns how many were written.
    virtual int64_t Write(const uint8_t *data, int64_t count) = 0;
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

} // namespace aw
