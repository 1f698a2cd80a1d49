#pragma once

#include "codec/CodecSink.h"

#include <cstdint>
#include <vector>

namespace aw {

// The codec's 32768-byte output buffer: bytes collect here and go to the sink in blocks,
// so the per-byte coder never calls the stream.
class SinkBuffer {
public:
    static constexpr size_t kCapacity = 32768;

    explicit SinkBuffer(CodecSink &sink);

    void Put(uint8_t byte)
    {
        if (m_used == kCapacity)
            Flush();
        m_data[m_used++] = byte;
    }
    // A place for up to `count` (at most kCapacity) bytes; Commit says how many were filled.
    uint8_t *Reserve(size_t count)
    {
        if (kCapacity - m_used < count)
            Flush();
        return m_data.data() + m_used;
    }
    void Commit(size_t count) { m_used += count; }

    // Writes the buffered bytes to the sink; a short write raises the codec's write error.
    void Flush();
    // Bytes handed to the sink so far plus those still buffered.
    uint64_t Total() const { return m_flushed + m_used; }

private:
    CodecSink &m_sink;
    std::vector<uint8_t> m_data;
    size_t m_used = 0;
    uint64_t m_flushed = 0;
};

} // namespace aw
