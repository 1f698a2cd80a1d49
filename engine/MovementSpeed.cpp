#include "engine/MovementSpeed.h"

#include <algorithm>

namespace aw {

double KphPerSpeedPoint(bool flight) { return flight ? 30.0 : 6.0; }

double CapTopSpeed(double kph) { return std::min(kph, kMaxTopSpeed); }

double KphFromMP(double mp, bool flight) { return mp * KphPerSpeedPoint(flight); }

} // namespace aw
