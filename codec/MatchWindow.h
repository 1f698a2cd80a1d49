#pragma once

#include "codec/CodecSink.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace aw {

// The decoder's output, kept in one run of memory right after the bytes a match may copy
// from: a literal is stored once, a match is copied from the output itself in a few wide
// moves, and the bytes go to the sink in blocks of kBlock.
class MatchWindow {
public:
    static constexpr size_t kHistory = 4096; // how far back a match reaches
    static constexpr size_t kBlock = 32768;
    static constexpr unsigned kLongest = 60;

    // The bytes before the first output read as the coder's initial window: spaces, and
    // zeros beyond the last kLongest of them.
    explicit MatchWindow(CodecSink &sink);

    // Call before each step: makes room for the longest match.
    void MakeRoom()
    {
        if (m_end >= kHistory + kBlock) [[unlikely]]
            Flush();
    }
    void Put(uint8_t byte) { m_bytes[m_end++] = byte; }
    // Appends `length` (up to kLongest) bytes copied from `distance` (1..kHistory) back.
    void Copy(unsigned distance, unsigned length)
    {
        uint8_t *dest = m_bytes.data() + m_end;
        const uint8_t *from = dest - distance;
        m_end += length;
        if (distance >= kWide) {
            // Blocks kWide apart or more never overlap, and each reads only bytes already
            // in place; what lands past the match is overwritten later.
            for (unsigned done = 0; done < kLongest; done += kWide)
                std::memcpy(dest + done, from + done, kWide);
        } else {
            // A short repeat: its first bytes come straight from the bytes before it, never
            // from one just stored (each store would wait for the one before), then it goes
            // on from a whole number of repeats back, at least kWide bytes.
            const uint8_t *repeat = kRepeat[distance].data();
            for (unsigned k = 0; k < kRepeatStart; ++k)
                dest[k] = from[repeat[k]];
            const unsigned back = kRepeatStart / distance * distance;
            for (unsigned done = kRepeatStart; done < length; done += kWide)
                std::memcpy(dest + done, dest + done - back, kWide);
        }
    }

    // Hands the bytes not yet written to the sink; a short write raises the codec's write error.
    void Flush();

private:
    static constexpr unsigned kWide = 16;
    // A repeat shorter than kWide is written byte by byte this far: kRepeat[d][k] is k % d.
    static constexpr unsigned kRepeatStart = 2 * kWide;
    static constexpr auto kRepeat = [] {
        std::array<std::array<uint8_t, kRepeatStart>, kWide> table{};
        for (unsigned d = 1; d < kWide; ++d)
            for (unsigned k = 0; k < kRepeatStart; ++k)
                table[d][k] = static_cast<uint8_t>(k % d);
        return table;
    }();

    CodecSink &m_sink;
    // kHistory bytes, then the block being decoded, then room for a match's wide moves.
    std::vector<uint8_t> m_bytes;
    size_t m_end = kHistory;
};

} // namespace aw
