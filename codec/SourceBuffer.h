#pragma once

#include "codec/CodecSource.h"

#include <cstdint>
#include <vector>

namespace aw {

// The codec's 32768-byte input buffer, refilled from the source in blocks.
class SourceBuffer {
public:
    static constexpr size_t kCapacity = 32768;
    // Bytes after the buffered data that may be read (they are zero), so word loads near
    // the end stay inside the buffer.
    static constexpr size_t kSlack = 8;

    explicit SourceBuffer(CodecSource &source);

    // The next byte, or -1 at the end of the source.
    int Next()
    {
        if (m_pos == m_end && !Fill())
            return -1;
        return m_data[m_pos++];
    }

    // Direct access for the bit reader: the unread buffered bytes.
    const uint8_t *Current() const { return m_data.data() + m_pos; }
    size_t Available() const { return m_end - m_pos; }
    void Skip(size_t count) { m_pos += count; }
    // Refills an empty buffer; false at the end of the source. A read error raises the
    // codec's block-read error.
    bool Fill();

private:
    CodecSource &m_source;
    std::vector<uint8_t> m_data;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_ended = false;
};

} // namespace aw
