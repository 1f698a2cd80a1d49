#pragma once

#include "weapons/AmmoSection.h"

#include <cstdint>
#include <string>

namespace aw {

class Stream;

// Stored size of a weapon record, used unchanged in the library data, the custom
// weapon file and the design file.
constexpr int kWeaponRecordSize = 266;
constexpr int kWeaponNameCapacity = 64;
constexpr int kWeaponCodeCapacity = 10;

// One weapon: a library entry, a custom weapon, or the data of a mounted weapon line.
struct WeaponRecord {
    std::string Name;         // up to 64 characters
    std::string Code;         // up to 10 characters
    int32_t Rating = 0;       // base threat rating; -1: the vehicle's final size is used
    int32_t BaseRange = 0;    // short range band
    int32_t MediumBonus = 0;  // added to 2 x BaseRange
    int32_t LongBonus = 0;    // added to 4 x BaseRange
    int32_t ExtremeBonus = 0; // added to 8 x BaseRange
    int32_t Damage = 0;
    int32_t Accuracy = 0;
    int32_t ROF = 0;
    int32_t MinSize = 0;
    int32_t AreaEffect = 0; // -1: none, otherwise the radius
    int32_t MinimumRange = 0;
    int32_t DamagePerRB = 0;
    int32_t AccMod = 0; // modifications: -1, 0 or +1
    int32_t DmgMod = 0;
    int32_t RangeMod = 0;
    int32_t ROFMod = 0;
    int32_t SizeMod = 0;
    int32_t PoorWorkmanship = 0;
    int32_t WeaponType = 0; // library tab 0..6
    int32_t Arc = 0;        // firing arc 0..17
    int32_t NumberOfItems = 0;
    double AmmoBaseCost = 0.0; // threat-value cost of one round
    bool AntiInf = false;
    bool Guided = false;
    bool Haywire = false;
    bool Incendiary = false;
    bool IndirectFire = false;
    bool ArmorPiercing = false;
    bool ArmorCrushing = false;
    bool Clumsy = false;
    bool SniperSystem = false;
    bool Stabilized = false;
    bool Entangle = false;
    bool Sporting = false;
    bool Disposable = false;
    AmmoSection BaseAmmo;

    // Records are the same when they are stored the same, so that a record read back from a
    // file equals itself even when a damaged or foreign file gave it a NaN cost.
    bool operator==(const WeaponRecord &other) const;
};

// Byte offsets of the fields in the stored image.
namespace weaponrecord {
constexpr int Name = 0, Code = 65, Rating = 76, BaseRange = 80, MediumBonus = 84, LongBonus = 88, ExtremeBonus = 92,
              Damage = 96, Accuracy = 100, ROF = 104, MinSize = 108, AreaEffect = 112, MinimumRange = 116,
              DamagePerRB = 120, AccMod = 124, DmgMod = 128, RangeMod = 132, ROFMod = 136, SizeMod = 140,
              PoorWorkmanship = 144, WeaponType = 148, Arc = 152, NumberOfItems = 156, AmmoBaseCost = 160,
              AntiInf = 168, Guided = 169, Haywire = 170, Incendiary = 171, IndirectFire = 172, ArmorPiercing = 173,
              ArmorCrushing = 174, Clumsy = 175, SniperSystem = 176, Stabilized = 177, Entangle = 178, Sporting = 179,
              Disposable = 180, BaseAmmo = 181;
} // namespace weaponrecord

// The record of a new weapon: "Untitled", "NONE", one item, no area effect, all else zero.
WeaponRecord DefaultWeaponRecord();

// Reads/writes the fixed byte image at p (kWeaponRecordSize bytes). Texts longer than
// their capacity are cut; unused text bytes are written as zero.
WeaponRecord ReadWeaponRecord(const uint8_t *p);
void WriteWeaponRecord(const WeaponRecord &record, uint8_t *p);

// Stream forms of the byte image; reading short data throws StreamError.
WeaponRecord LoadWeaponRecord(Stream &stream);
void SaveWeaponRecord(Stream &stream, const WeaponRecord &record);

} // namespace aw
