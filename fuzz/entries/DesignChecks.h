#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace aw {

class BaseVehicle;
class Vehicle;

namespace fuzzcheck {

// What must hold for any design the loader accepts: its body saves and loads back to the same
// body and, unless only that is asked for, the editor can settle it (every result computed)
// and the sheets can be made from it. Throws FuzzFinding when the body does not survive the
// round trip.
enum class DesignCheck { RoundTrip, Full };
void CheckAcceptedDesign(Vehicle &vehicle, DesignCheck check = DesignCheck::Full);

// The outcome of opening a design file's bytes the way the program does: "" when a design
// was read (and passed CheckAcceptedDesign), else the error message the user would see.
// Throws only for findings (FuzzFinding or an unexpected error).
std::string OpenDesignBytes(std::span<const uint8_t> file, DesignCheck check = DesignCheck::Full);
// The same for a decompressed body.
std::string LoadDesignBody(std::span<const uint8_t> body, DesignCheck check = DesignCheck::Full);

} // namespace fuzzcheck

} // namespace aw
