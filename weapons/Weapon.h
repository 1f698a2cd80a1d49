#pragma once

#include "base/BooleanList.h"
#include "weapons/ClipList.h"
#include "weapons/WeaponRecord.h"

#include <cstdint>

namespace aw {

class Stream;

// One weapon line of the vehicle: its record, its clips and its link memberships.
class Weapon {
public:
    WeaponRecord Data = DefaultWeaponRecord();
    ClipList Clips;    // always created with clip 0, the internal magazine
    BooleanList Links; // entry i true: member of weapon link i+1

    Weapon() = default;
    explicit Weapon(const WeaponRecord &record) : Data(record) {}

    // Threat rating of the line for a vehicle of final size finalSize, with its log lines.
    double Rating(int32_t finalSize) const;
    // The minimum vehicle size the line needs once its ammunition is counted.
    int32_t EffectiveMinSize() const;
    // Perk points of the line (sniper, stabilizer, links, shielded clips), with its log lines.
    int32_t PerkCost() const;

    // Record, then clips, then links. Damaged data throws StreamError.
    void LoadFromStream(Stream &stream, int fileVersion = kCurrentDesignFileVersion);
    void SaveToStream(Stream &stream) const;

    bool operator==(const Weapon &) const = default;
};

} // namespace aw
