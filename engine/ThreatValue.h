#pragma once

namespace aw {

class BaseVehicle;

// The threat value of a design and its three partial values. Each writes its steps to
// the calculation log; none of them changes the design. Results are whole numbers.

// Offensive: weapons and their ammunition, times the fire-control multiplier, plus the
// perks' inside and outside shares. At least 0.
double OTV(const BaseVehicle &vehicle);
// Defensive: armour squared plus the speed term, times the maneuver multiplier. At least 0.
double DTV(const BaseVehicle &vehicle);
// Miscellaneous: crew actions, ranges, deployment and the perk/flaw group. At least 0.
double MTV(const BaseVehicle &vehicle);
// The mean of the three (times 50 with mass-destruction ammunition), rounded up.
double ThreatValue(const BaseVehicle &vehicle);

// The offensive multiplier of a fire-control value (0 outside -5..5).
long double FireControlMultiplier(int fireControl);
// The defensive multiplier of a vehicle maneuver value (0 outside -10..10).
long double ManeuverMultiplier(int maneuver);

} // namespace aw
