#pragma once

#include "engine/Vehicle.h"
#include "tests/support/SampleRecords.h"

#include <cstdint>
#include <memory>
#include <string>

// Whole designs shared by the tests and benchmarks.

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
