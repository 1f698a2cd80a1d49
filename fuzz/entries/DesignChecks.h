#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TBaseVehicle;
class TVehicle;

namespace fuzzcheck {

// What must hold for any design the loader accepts: its body saves and loads back to the same
// body and, unless only that is asked for, the editor can settle it (every result computed)
// and the sheets can be made from it. Throws EFuzzFinding when the body does not survive the
// round trip.
enum class TDesignCheck { RoundTrip, Full };
void CheckAcceptedDesign(TVehicle &vehicle, TDesignCheck check = TDesignCheck::Full);

// The outcome of opening a design file's bytes the way the program does: "" when a design
// was read (and passed CheckAcceptedDesign), else the error message the user would see.
// Throws only for findings (EFuzzFinding or an unexpected error).
std::string OpenDesignBytes(std::span<const uint8_t> file, TDesignCheck check = TDesignCheck::Full);
// The same for a decompressed body.
std::string LoadDesignBody(std::span<const uint8_t> body, TDesignCheck check = TDesignCheck::Full);

} // namespace fuzzcheck
