#include "codec/PositionCode.h"

namespace aw {

namespace positioncode {

namespace {

constexpr Tables Build()
{
    Tables t{};
    // How many upper-6-bit values take each code length 3..8.
    constexpr int perLength[] = {1, 3, 8, 12, 24, 16};
    unsigned value = 0;
    unsigned code = 0; // canonical: consecutive codes in increasing order, left-aligned
    for (int l = 0; l < 6; ++l) {
        const unsigned length = 3 + static_cast<unsigned>(l);
        for (int k = 0; k < perLength[l]; ++k, ++value) {
            t.EncodeLength[value] = static_cast<uint8_t>(length);
            t.EncodeCode[value] = static_cast<uint8_t>(code);
            const unsigned span = 1u << (8 - length);
            for (unsigned b = code; b < code + span; ++b) {
                t.DecodeUpper[b] = static_cast<uint8_t>(value);
                t.DecodeLength[b] = static_cast<uint8_t>(length);
            }
            code += span;
        }
    }
    return t;
}

constexpr Tables kTables = Build();
static_assert(kTables.EncodeCode[1] == 0x20 && kTables.EncodeCode[4] == 0x50 && kTables.EncodeCode[5] == 0x58);
static_assert(kTables.EncodeCode[12] == 0x90 && kTables.EncodeCode[24] == 0xC0 && kTables.EncodeCode[63] == 0xFF);

} // namespace

const Tables &GetTables() { return kTables; }

} // namespace positioncode

} // namespace aw
