#pragma once

#include "engine/Vehicle.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TLibraries;

// Designs built with the program's own code, covering every kind of content a design file
// holds: fixed fields at their widths, pictures of several bit depths, movement systems,
// long notes, perks, flaws and defects from the library and custom ones, weapons of every
// library tab with clips, sections and links. Used to seed the fuzzers and by the
// corruption and fault-injection tests.
namespace samples {

struct TSampleDesign {
    std::string Name;               // short, usable as a file name
    std::unique_ptr<TVehicle> Vehicle;
};

// The libraries as the program loads them without override files (loaded once).
const TLibraries &BuiltInLibraries();

// Every sample design, freshly built (at least ten).
std::vector<TSampleDesign> SampleDesigns();

// The design body of a version-6 file: the older clip form without clip counts.
std::vector<uint8_t> Version6Body();

// A Windows bitmap file of the given size and bit depth (1, 4, 8, 24 or 32) with a pattern
// in it; for 1, 4 and 8 bits a palette is included.
std::vector<uint8_t> BitmapFile(int width, int height, int bitCount, uint32_t seed = 1);

// The body SaveToStream writes for the design.
std::vector<uint8_t> BodyOf(const TBaseVehicle &vehicle);

} // namespace samples
