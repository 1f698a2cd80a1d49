#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

class MovementList;

// A movement system with a negative maneuver modifier counts as a flaw of the vehicle:
// the flaw lists and sheets show one "Man. Flaw" row per such system.
struct ManeuverFlawRow {
    int32_t Maneuver = 0;
    std::string Effect; // the mode name + " reduced in maneuver.", cut to 53 characters

    bool operator==(const ManeuverFlawRow &) const = default;
};

inline constexpr const char *kManeuverFlawName = "Man. Flaw";

// One row per system with a negative maneuver, in list order.
std::vector<ManeuverFlawRow> ManeuverFlawRows(const MovementList &movement);

} // namespace aw
