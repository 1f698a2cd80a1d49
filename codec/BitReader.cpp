#include "codec/BitReader.h"

#include <cstring>

namespace aw {

void BitReader::Refill()
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

} // namespace aw
