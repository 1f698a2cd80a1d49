#pragma once

#include "codec/CodecSink.h"

#include <array>
#include <bit>
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

    // Where the block being decoded starts: the first byte that has not gone to the sink.
    uint8_t *BlockStart() { return m_bytes.data() + kHistory; }
    // Stores a byte at `at` and returns where the next one goes.
    static uint8_t *Put(uint8_t *at, uint8_t byte)
    {
        *at = byte;
        return at + 1;
    }
    // Appends at `at` `length` (up to kLongest) bytes copied from `distance` (1..kHistory)
    // back, and returns where the next byte goes. `at` must be under kBlock past BlockStart.
    static uint8_t *Copy(uint8_t *at, unsigned distance, unsigned length)
    {
        const uint8_t *from = at - distance;
        if (distance >= kWide) {
            // Blocks kWide apart or more never overlap, and each reads only bytes already
            // in place; what lands past the match is overwritten later.
            for (unsigned done = 0; done < kLongest; done += kWide)
                std::memcpy(at + done, from + done, kWide);
        } else {
            CopyShortRepeat(at, distance);
        }
        return at + length;
    }

    // Hands the bytes from BlockStart up to `end` to the sink and keeps the last kHistory of
    // them for matches to copy from; a short write raises the codec's write error. The next
    // block starts at BlockStart again.
    void Flush(const uint8_t *end);

private:
    static constexpr unsigned kWide = 16;
    // A repeat of distance d under kWide is written as whole periods of 8 to 15 bytes (d
    // itself, or a multiple of it), each stored as two words built from the d bytes before
    // dest; nothing is read back from the bytes just stored, so no load waits on a store.
    // Eight periods cover the longest match; kRoom is how far their stores reach.
    static constexpr unsigned kPeriods = 8;
    static constexpr size_t kRoom = (kPeriods - 1) * (kWide - 1) + kWide;
    static_assert(kPeriods * 8 >= kLongest && kRoom >= kLongest + kWide);
    static uint64_t Word(const uint8_t *at)
    {
        uint64_t word;
        std::memcpy(&word, at, 8);
        return word;
    }
    static void CopyShortRepeat(uint8_t *dest, unsigned distance)
    {
        // The shifts below take the words' bytes as little-endian.
        static_assert(std::endian::native == std::endian::little);
        const uint64_t before = Word(dest - 8); // the 8 bytes before dest, the last one highest
        uint64_t low, high;
        unsigned period;
        if (distance <= 8) {
            // The d bytes spread over the word by one multiplication (the copies never
            // overlap, so nothing carries); the period is the first multiple of d from 8 on.
            const ShortRepeat &repeat = kShortRepeats[distance];
            low = (before >> (8 * (8 - distance))) * repeat.Spread;
            high = low >> repeat.HighShift;
            period = repeat.Period;
        } else {
            low = Word(dest - distance);
            high = before >> (8 * (kWide - distance));
            period = distance;
        }
        for (unsigned k = 0; k < kPeriods; ++k) {
            std::memcpy(dest + k * period, &low, 8);
            std::memcpy(dest + k * period + 8, &high, 8);
        }
    }
    struct ShortRepeat {
        uint64_t Spread;    // a one every 8 * d bits
        unsigned HighShift; // from the period's first word to its second
        unsigned Period;
    };
    static constexpr std::array<ShortRepeat, 9> kShortRepeats = [] {
        std::array<ShortRepeat, 9> table{};
        for (unsigned d = 1; d <= 8; ++d) {
            for (unsigned shift = 0; shift < 64; shift += 8 * d)
                table[d].Spread |= uint64_t{1} << shift;
            table[d].HighShift = 8 * (8 % d);
            table[d].Period = (8 + d - 1) / d * d;
        }
        return table;
    }();

    CodecSink &m_sink;
    // kHistory bytes, then the block being decoded, then room for a match's wide moves.
    std::vector<uint8_t> m_bytes;
};

} // namespace aw
