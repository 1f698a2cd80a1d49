#pragma once

#include "weapons/AmmoTypes.h"

#include <array>
#include <cstdint>
#include <string>

namespace aw {

class Stream;

// One ammunition section: a number of rounds of one mix. The same record is a
// weapon's BaseAmmo, where Selected is the default load, Free the types that cost
// nothing and Allowed the types the user may choose.
struct AmmoSection {
    int32_t Amount = 0;
    std::array<bool, kAmmoTypeCount> Selected{};
    std::array<bool, kAmmoTypeCount> Free{};
    std::array<bool, kAmmoTypeCount> Allowed{};

    bool operator==(const AmmoSection &) const = default;
};

// Stored size: Amount, then Selected/Free/Allowed interleaved per type.
constexpr int kAmmoSectionSize = 85;

// A cleared section: no rounds, every flag false (all bytes zero when stored).
AmmoSection ClearAmmoSection();

// Reads/writes the fixed byte image at p (kAmmoSectionSize bytes).
AmmoSection ReadAmmoSection(const uint8_t *p);
void WriteAmmoSection(const AmmoSection &section, uint8_t *p);

// Stream forms of the byte image; reading short data throws StreamError.
AmmoSection LoadAmmoSection(Stream &stream);
void SaveAmmoSection(Stream &stream, const AmmoSection &section);

// The codes of the selected types, e.g. "AL, Frag" (free types included).
std::string AmmoCodes(const AmmoSection &section);

} // namespace aw
