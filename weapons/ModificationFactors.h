#pragma once

#include <cstdint>

namespace aw {

// The multipliers of the weapon modifications. The weapon rating applies them (writing a log
// line for each); the modification dialog's option captions show the same figures. Held as
// extended values: every product is formed in extended precision.
struct ModificationFactors {
    long double Up;   // a modification of +1 or more
    long double Down; // a negative modification
};

inline constexpr ModificationFactors kAccuracyFactors{1.5L, 0.6L};
inline constexpr ModificationFactors kDamageFactors{1.25L, 0.85L};
inline constexpr ModificationFactors kRangeFactors{1.1L, 0.9L};
inline constexpr ModificationFactors kROFFactors{1.1L, 0.9L};

inline constexpr long double kFixedArcFactor = 0.6L;
inline constexpr long double kTurretedArcFactor = 1.8L;

// Up or Down by the sign of the modification; 1 for none.
long double ModificationFactor(const ModificationFactors &factors, int32_t modification);

// The highest poor workmanship level: it leaves nothing of the rating, and a higher one would
// make it negative.
inline constexpr int32_t kMaxPoorWorkmanship = 10;
// The share of a rating a poor workmanship level leaves: 1 - level x 0.1.
long double ExtendedPoorWorkmanshipFactor(int32_t level);
double PoorWorkmanshipFactor(int32_t level);

} // namespace aw
