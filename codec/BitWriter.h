#pragma once

#include "codec/SinkBuffer.h"

#include <cstdint>

namespace aw {

// Packs codes most significant bit first into bytes. Codes of any length up to 64 bits
// are written in full.
class BitWriter {
public:
    explicit BitWriter(SinkBuffer &out) : m_out(out) {}

    // Appends the low `length` bits of code (length 0..32).
    void Put(unsigned length, uint32_t code)
    {
        m_acc = (m_acc << length) | code;
        m_bits += length;
        if (m_bits >= 32) {
            m_bits -= 32;
            const uint32_t word = static_cast<uint32_t>(m_acc >> m_bits);
            uint8_t *p = m_out.Reserve(4);
            p[0] = static_cast<uint8_t>(word >> 24);
            p[1] = static_cast<uint8_t>(word >> 16);
            p[2] = static_cast<uint8_t>(word >> 8);
            p[3] = static_cast<uint8_t>(word);
            m_out.Commit(4);
        }
    }
    // Appends the low `length` bits of code (length 0..64).
    void PutLong(unsigned length, uint64_t code)
    {
        if (length > 32) {
            Put(length - 32, static_cast<uint32_t>(code >> 32));
            length = 32;
        }
        Put(length, static_cast<uint32_t>(code & (length == 32 ? 0xFFFFFFFFull : ((1ull << length) - 1))));
    }
    // Writes the pending bits; a last partial byte is padded with zero bits.
    void Finish()
    {
        while (m_bits >= 8) {
            m_bits -= 8;
            m_out.Put(static_cast<uint8_t>(m_acc >> m_bits));
        }
        if (m_bits > 0)
            m_out.Put(static_cast<uint8_t>(m_acc << (8 - m_bits)));
        m_bits = 0;
    }

private:
    SinkBuffer &m_out;
    uint64_t m_acc = 0; // the low m_bits bits are pending, older bits above them are ignored
    unsigned m_bits = 0;
};

} // namespace aw
