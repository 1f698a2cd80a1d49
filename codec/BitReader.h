#pragma once

#include "codec/SourceBuffer.h"

#include <cstdint>
#include <cstring>

namespace aw {

// Takes bits most significant bit first. Past the end of the source the bits read as
// zero; how far past the end the reader has gone is counted so that the decoder can stop
// on input that cannot be a coded stream.
class BitReader {
public:
    explicit BitReader(SourceBuffer &in) : m_in(in) {}

    unsigned Bit()
    {
        if (m_count == 0)
            Refill();
        const unsigned bit = static_cast<unsigned>(m_buf >> 63);
        m_buf <<= 1;
        --m_count;
        return bit;
    }
    // The next `length` bits (1..32) as a number.
    uint32_t Bits(unsigned length)
    {
        if (m_count < length)
            Refill();
        const uint32_t value = static_cast<uint32_t>(m_buf >> (64 - length));
        m_buf <<= length;
        m_count -= length;
        return value;
    }
    // The next `length` bits (1..32) without consuming them.
    uint32_t Peek(unsigned length)
    {
        if (m_count < length)
            Refill();
        return static_cast<uint32_t>(m_buf >> (64 - length));
    }
    // The unread bits, most significant first, with at least `length` (1..57) of them valid.
    uint64_t Window(unsigned length)
    {
        if (m_count < length)
            Refill();
        return m_buf;
    }
    void Skip(unsigned length)
    {
        m_buf <<= length;
        m_count -= length;
    }

    // Bits consumed beyond the last byte of the source.
    uint64_t BitsPastEnd() const
    {
        const uint64_t zeroBits = m_zeroBytes * 8;
        return zeroBits > m_count ? zeroBits - m_count : 0;
    }

private:
    // Tops the buffer up to at least 57 bits. Inline, like the rest, so that a reader that is
    // a local variable keeps its bits in registers.
    void Refill()
    {
        // Fast path: a whole word is buffered, so take as many bytes of it as fit.
        if (m_in.Available() >= 8) {
            uint64_t word;
            std::memcpy(&word, m_in.Current(), 8);
            word = __builtin_bswap64(word);
            m_buf |= word >> m_count;
            const unsigned take = (63 - m_count) >> 3;
            m_in.Skip(take);
            m_count += take * 8;
            // Bits of the partly taken byte stay below m_count; they are the stream's own
            // next bits, so or-ing them in again on the next refill changes nothing.
            return;
        }
        while (m_count <= 56) {
            uint64_t byte = 0;
            if (m_in.Available() > 0 || m_in.Fill()) {
                byte = *m_in.Current();
                m_in.Skip(1);
            } else {
                ++m_zeroBytes;
            }
            m_buf |= byte << (56 - m_count);
            m_count += 8;
        }
    }

    SourceBuffer &m_in;
    uint64_t m_buf = 0; // the top m_count bits are unread; below them zeros or the next bits
    unsigned m_count = 0;
    uint64_t m_zeroBytes = 0; // zero bytes supplied after the source ended
};

} // namespace aw
