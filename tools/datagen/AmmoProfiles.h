#pragma once

#include "weapons/AmmoTypes.h"

#include <array>
#include <map>
#include <string>

namespace aw {

using AmmoFlags = std::array<bool, kAmmoTypeCount>;

// Named sets of ammunition types ("cannon = AS, Frag, ...") that the weapon table
// refers to, so a weapon family's allowed ammunition is written once.
class AmmoProfiles {
public:
    AmmoProfiles() = default;
    // Reads "name = code, code, ..." lines. Throws DataGenError.
    AmmoProfiles(const std::string &text, const std::string &source);

    // Resolves a cell: "-" or empty for none, else comma-separated items that are set
    // names or ammunition codes ("Frag", "AE Boost"). Throws DataGenError naming
    // source and line for an unknown item.
    AmmoFlags Resolve(const std::string &cell, const std::string &source, int line) const;

    // The index of an ammunition code as the grids write it ("Frag", "Art. Smoke"),
    // or -1 when there is none.
    static int CodeIndex(const std::string &code);

private:
    std::map<std::string, AmmoFlags> m_sets;
};

} // namespace aw
