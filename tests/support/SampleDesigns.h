#pragma once

#include "engine/MovementRecord.h"
#include "engine/PerkRecord.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponRecord.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// Records and whole designs shared by the tests and benchmarks.

// A movement system; it can fly exactly when it flies. LibraryIndex -1 is "not from the library".
TMovementRecord MovementSystem(const std::string &name, double top, double stall = 0.0, int32_t maneuver = 0,
                               bool flight = false, int32_t libraryIndex = -1);

// A weapon record with the default values and the given name, rating and items.
TWeaponRecord WeaponWith(const std::string &name, int32_t rating, int32_t items = 1);

// A section of `amount` rounds with the given ammunition types selected (and so allowed),
// and the `free` ones given without cost.
TAmmoSection Rounds(int32_t amount, std::initializer_list<int> selectedTypes = {},
                    std::initializer_list<int> freeTypes = {});

// A perk (or flaw) entry whose worth is X (formula 0).
TPerkRecord PlainEntry(const std::string &name, double x, int32_t amount = 1);

// An uncompressed 24-bit bitmap file of the given size, pixels shaded from `shade` along each row.
std::vector<uint8_t> TinyBitmap(int width, int height, uint8_t shade = 0x40);

// The three designs whose calculation logs are compared with the golden texts.
std::unique_ptr<TVehicle> StrikerDesign();
std::unique_ptr<TVehicle> HammerDesign();
std::unique_ptr<TVehicle> CarriageGunDesign();

// A design with every field set, Windows-1252 texts beyond ASCII, a picture, three
// movement systems, entries in all three perk lists and three weapons with links, spare
// clips and several ammunition sections.
std::unique_ptr<TVehicle> FullDesign();

// A carriage with something in every part of the body: a 2 x 2 picture, an affiliation at
// its full width, a text holding a zero byte, defects from the templates and two links.
std::unique_ptr<TVehicle> GrizzlyDesign();

// A small design: one ground system, one weapon, production type 3.
std::unique_ptr<TVehicle> SmallDesign(const std::string &name, int32_t armor = 6);

// A heavy design: 40 weapon lines with 3 clips of 3 sections each and links,
// 40 perks and flaws, 4 movement systems.
std::unique_ptr<TVehicle> HeavyDesign();
