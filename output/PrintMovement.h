#pragma once

#include "output/PrintRowList.h"

#include <cstdint>
#include <string>

namespace aw {

// One movement system as a sheet shows it: points and km/h of its top, combat and stall speeds.
struct PrintMovementRow {
    std::string Name;
    int32_t TopMP = 0;
    int32_t CombatMP = 0;
    int32_t StallMP = 0;
    int32_t Maneuver = 0;
    double TopKPH = 0.0;
    double CombatKPH = 0.0;
    double StallKPH = 0.0;

    bool operator==(const PrintMovementRow &) const = default;
};

using PrintMovementList = PrintRowList<PrintMovementRow>;

} // namespace aw
