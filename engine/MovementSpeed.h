#pragma once

namespace aw {

// The speed rules of movement systems: speed points and how typed speeds are stored.

// The highest top speed the editors store, km/h.
constexpr double kMaxTopSpeed = 10002.0;

// One speed point: 30 km/h for a flying system, 6 km/h otherwise.
double KphPerSpeedPoint(bool flight);
// A typed top speed as stored: capped at kMaxTopSpeed.
double CapTopSpeed(double kph);
// A speed typed in speed points, in km/h.
double KphFromMP(double mp, bool flight);

} // namespace aw
