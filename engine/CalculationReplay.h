#pragma once

#include "base/CalculationLog.h"

#include <string>

namespace aw {

class BaseVehicle;

enum class LogKind {
    ThreatValue, // "View TV Log": one run of the threat value
    Price,       // "View Price Log": one run of the final cost, constraint pass included
};

// The calculation log of one run: the design's name, an empty line, then every step of
// the chosen calculation. The price run may raise Armor, FinalSize and Crew as any
// refresh does. The log is switched off again afterwards, also when a step throws.
LogLines ReplayCalculationLog(BaseVehicle &vehicle, LogKind kind);

// The lines joined as a text file: each line ended by lineEnd.
std::string JoinLogLines(const LogLines &lines, const std::string &lineEnd = "\r\n");

} // namespace aw
