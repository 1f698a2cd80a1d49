#pragma once

#include <cstdint>
#include <string>

namespace aw {

// One row of the weapons block of a sheet: a weapon line, a further ammunition
// section ("AMMO") or a spare clip ("CLIP").
struct PrintWeaponRow {
    std::string Name;
    std::string Code;
    std::string Arc;
    int32_t ShortRange = 0;
    int32_t MediumRange = 0;
    int32_t LongRange = 0;
    int32_t ExtremeRange = 0;
    int32_t Accuracy = 0;
    int32_t Damage = 0;
    int32_t Quantity = 0;
    std::string Special;
    int32_t Ammo = 0;
    double Rating = 0.0;
    std::string ROF;

    bool operator==(const PrintWeaponRow &) const = default;
};

// One row of a perk, flaw or defect block of a sheet.
struct PrintPFDRow {
    std::string Name;
    std::string Rating;
    std::string Effect;
    std::string GameData;
    int32_t Aux = 0; // non-zero: printed as "AUX"

    bool operator==(const PrintPFDRow &) const = default;
};

} // namespace aw
