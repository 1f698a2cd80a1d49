#pragma once

#include "codec/BitReader.h"
#include "codec/BitWriter.h"

#include <array>
#include <cstdint>

namespace aw {

// The fixed code of match positions: the upper 6 bits of a position (0..4095) through a
// canonical prefix code of 3 to 8 bits, then the lower 6 bits verbatim.
namespace positioncode {

struct Tables {
    std::array<uint8_t, 64> EncodeLength;  // code length of each upper-6-bit value
    std::array<uint8_t, 64> EncodeCode;    // the code, left-aligned in 8 bits
    std::array<uint8_t, 256> DecodeUpper;  // upper 6 bits for every leading byte
    std::array<uint8_t, 256> DecodeLength; // code length for every leading byte
};

const Tables &GetTables();

inline void Encode(unsigned position, BitWriter &out)
{
    const Tables &t = GetTables();
    const unsigned upper = position >> 6;
    const unsigned length = t.EncodeLength[upper];
    const uint32_t prefix = t.EncodeCode[upper] >> (8 - length);
    out.Put(length + 6, (prefix << 6) | (position & 0x3F));
}

inline unsigned Decode(BitReader &in)
{
    const Tables &t = GetTables();
    const uint32_t bits = in.Peek(14);
    const unsigned lead = bits >> 6;
    const unsigned length = t.DecodeLength[lead] + 6;
    const unsigned lower = (bits >> (14 - length)) & 0x3F;
    in.Skip(length);
    return (static_cast<unsigned>(t.DecodeUpper[lead]) << 6) | lower;
}

} // namespace positioncode

} // namespace aw
