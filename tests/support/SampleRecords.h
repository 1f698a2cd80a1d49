#pragma once

#include "engine/MovementRecord.h"
#include "engine/PerkRecord.h"
#include "weapons/WeaponRecord.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace aw {

// Records shared by the tests and benchmarks.

// A movement system; it can fly exactly when it flies. LibraryIndex -1 is "not from the library".
MovementRecord MovementSystem(const std::string &name, double top, double stall = 0.0, int32_t maneuver = 0,
                              bool flight = false, int32_t libraryIndex = -1);

// A weapon record with the default values and the given name, rating and items.
WeaponRecord WeaponWith(const std::string &name, int32_t rating, int32_t items = 1);

// A section of `amount` rounds with the given ammunition types selected (and so allowed),
// and the `free` ones given without cost.
AmmoSection Rounds(int32_t amount, std::initializer_list<int> selectedTypes = {},
                   std::initializer_list<int> freeTypes = {});

// A perk (or flaw) entry whose worth is X (formula 0).
PerkRecord PlainEntry(const std::string &name, double x, int32_t amount = 1);

// An uncompressed 24-bit bitmap file of the given size, pixels shaded from `shade` along each row.
std::vector<uint8_t> TinyBitmap(int width, int height, uint8_t shade = 0x40);

// Light Artillery Gun, as the built-in library describes it.
WeaponRecord LightArtilleryGun();

// Fragmentation Cannon: comes loaded with free Frag ammunition.
WeaponRecord FragmentationCannon();

} // namespace aw
