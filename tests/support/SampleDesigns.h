#pragma once

#include "engine/Vehicle.h"
#include "tests/support/SampleRecords.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace aw {

class Libraries;

// Whole designs shared by the tests, fuzz targets and benchmarks.

// The three designs whose calculation logs are compared with the golden texts.
std::unique_ptr<Vehicle> StrikerDesign();
std::unique_ptr<Vehicle> HammerDesign();
std::unique_ptr<Vehicle> CarriageGunDesign();

// A design with every field set, Windows-1252 texts beyond ASCII, a picture, three
// movement systems, entries in all three perk lists and three weapons with links, spare
// clips and several ammunition sections.
std::unique_ptr<Vehicle> FullDesign();

// A carriage with something in every part of the body: a 2 x 2 picture, an affiliation at
// its full width, a text holding a zero byte, defects from the templates and two links.
std::unique_ptr<Vehicle> GrizzlyDesign();

// A small design: one ground system, one weapon, production type 3.
std::unique_ptr<Vehicle> SmallDesign(const std::string &name, int32_t armor = 6);

// A heavy design: 40 weapon lines with 3 clips of 3 sections each and links,
// 40 perks and flaws, 4 movement systems.
std::unique_ptr<Vehicle> HeavyDesign();

// Designs built with the program's own code, covering every kind of content a design file
// holds: fixed fields at their widths, pictures of several bit depths, movement systems,
// long notes, perks, flaws and defects from the library and custom ones, weapons of every
// library tab with clips, sections and links. They seed the fuzzers and feed the corruption
// and fault-injection tests.
namespace samples {

struct SampleDesign {
    std::string Name; // short, usable as a file name
    std::unique_ptr<Vehicle> Design;
};

// The libraries as the program loads them without override files (loaded once).
const Libraries &BuiltInLibraries();

// Every sample design, freshly built (at least ten).
std::vector<SampleDesign> SampleDesigns();

// The design body of a version-6 file: the older clip form without clip counts.
std::vector<uint8_t> Version6Body();

// A Windows bitmap file of the given size and bit depth (1, 4, 8, 24 or 32) with a pattern
// in it; for 1, 4 and 8 bits a palette is included.
std::vector<uint8_t> BitmapFile(int width, int height, int bitCount, uint32_t seed = 1);

// A bitmap file of run-length coded pixels (8 bits RLE8, 4 bits RLE4), stored bottom row first,
// whose palette index i is red i * 16, green 255 - i * 16, blue 40.
std::vector<uint8_t> RunLengthBitmapFile(int width, int height, int bitCount, const std::vector<uint8_t> &coded);

} // namespace samples

} // namespace aw
