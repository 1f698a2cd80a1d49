#pragma once

// How typed speeds become stored speeds in the movement editors: a top speed is capped at
// 10002 km/h, and a speed typed in movement points is 30 km/h per point for a flying
// system and 6 km/h otherwise.
// (These entry rules belong beside the movement list's speed-point queries; they live
// here until the movement module offers them.)
namespace speedentry {
constexpr double kMaxTopSpeed = 10002.0;
double CapTopSpeed(double kph);
double KphFromMP(double mp, bool flight);
} // namespace speedentry
