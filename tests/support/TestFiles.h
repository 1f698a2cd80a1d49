#pragma once

#include "engine/Vehicle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// The bytes of a text.
inline std::vector<uint8_t> Bytes(const std::string &text) { return {text.begin(), text.end()}; }

// A whole file as bytes in a string.
std::string ReadText(const std::string &path);

// A text file of the test data folder, split into lines (line ends removed).
std::vector<std::string> ReadTestLines(const std::string &relativePath);

// The body the writer makes of a design (what a design file holds before compression).
std::vector<uint8_t> BodyOf(const BaseVehicle &vehicle);

} // namespace aw
