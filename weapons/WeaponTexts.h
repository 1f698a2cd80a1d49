#pragma once

#include "weapons/WeaponRecord.h"

#include <array>
#include <cstdint>
#include <string>

namespace aw {

// Number of weapon types, one library tab each; the last one holds the custom weapons.
constexpr int kWeaponTypeCount = 7;
constexpr int kCustomWeaponType = 6;

// Library tab caption of a weapon type ("Cannons" ...); empty for other values.
std::string WeaponTypeCaption(int weaponType);
// The same as plain text ("Rockets & Missiles"): a tab caption doubles its "&".
std::string WeaponTypeName(int weaponType);

// Firing arcs.
constexpr int kArcCount = 18;
std::string ArcCode(int arc);
// Caption of arcs 0..8 as the weapon modification dialog offers them ("Forward" ... "Turreted");
// empty for other values.
std::string ArcCaption(int arc);
inline std::string ArcCode(const WeaponRecord &record) { return ArcCode(record.Arc); }
bool IsFixedArc(int arc);
bool IsTurretedArc(int arc);

// The "Special" column text of a record (same text in grids and sheets).
std::string SpecialCodes(const WeaponRecord &record);

// The four range bands; a mounted weapon's RangeMod is added when withRangeMod.
struct WeaponRanges {
    int32_t Short = 0;
    int32_t Medium = 0;
    int32_t Long = 0;
    int32_t Extreme = 0;
};
WeaponRanges RangeText(const WeaponRecord &record, bool withRangeMod);

// A mounted weapon's accuracy, damage and rate of fire: the record's value plus its
// modification, summed in 64 bits.
int64_t MountedAccuracy(const WeaponRecord &record);
int64_t MountedDamage(const WeaponRecord &record);
int64_t MountedROF(const WeaponRecord &record);

// The library grids: 13 columns.
constexpr int kLibraryGridColumns = 13;
using LibraryGridRow = std::array<std::string, kLibraryGridColumns>;
const LibraryGridRow &LibraryGridCaptions();
LibraryGridRow LibraryGridRowOf(const WeaponRecord &record);
// The Sort column of a grid column's caption (0 for "Special", which does not sort).
int LibraryGridSortColumn(int gridColumn);

} // namespace aw
