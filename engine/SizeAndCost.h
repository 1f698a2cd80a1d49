#pragma once

#include <cstdint>

namespace aw {

class BaseVehicle;

// The constraint pass: derives the default size from the threat value and corrects the
// design where it breaks the rules between default size, final size, armour and crew.
// Raises Armor and Crew and changes FinalSize in the design. Returns the default size.
int32_t DefaultSize(BaseVehicle &vehicle);

// (TV x 1000) x (default size / final size); runs the constraint pass and keeps
// FinalSize at least 1.
double PreProductionCost(BaseVehicle &vehicle);

// The pre-production cost times the production multiplier, plus the weapon and perk
// costs, times the currency multiplier. The running sum is kept in extended precision.
long double FinalCost(BaseVehicle &vehicle);

// ((FinalSize + 0.5) x 3)^3 kilograms. No log.
double DefaultMass(const BaseVehicle &vehicle);

// The threat value rounded half to even, times 1000 (display only).
int64_t DefaultCost(const BaseVehicle &vehicle);

// Lemon dice of the production type, raised by the weapon perks and perks fitted. No log.
int32_t ModelLemonDice(const BaseVehicle &vehicle);
int32_t IndivLemonDice(const BaseVehicle &vehicle);

} // namespace aw
