#pragma once

#include "engine/MovementRecord.h"

#include <string>
#include <vector>

namespace aw {

// Reads the movement table ("ModeName | CustomMode | Flight | CanFly | HasStall", one
// mode per row). Each row becomes a cleared movement record (speeds 0, maneuver 0,
// library index -1) with the name and flags given. Throws DataGenError.
std::vector<MovementRecord> ReadMovementTable(const std::string &text, const std::string &source);

} // namespace aw
