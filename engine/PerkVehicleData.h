#pragma once

#include <cstdint>

namespace aw {

class BaseVehicle;

// The vehicle figures the perk formulas and effect texts read, taken fresh for each evaluation.
struct PerkVehicleData {
    int32_t Actions = 0;
    int32_t People = 0;
    int32_t Size = 0;
    int32_t ArmorValue = 0;
    int32_t CrewValue = 0;
};

// Actions for a crew count: 0 without crew, else the integer part of log2(crew) plus 1.
int32_t CrewActions(int64_t crew);

// Takes the figures from a design: actions from the crew plus the crew added by all three
// perk lists, plus the actions they add; people from the crew plus the people they add.
PerkVehicleData PerkVehicleDataOf(const BaseVehicle &vehicle);

} // namespace aw
