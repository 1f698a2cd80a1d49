#pragma once

namespace aw {

// The 27 ammunition types a section can be loaded with, in stored index order.
constexpr int kAmmoTypeCount = 27;

// Index of the mass-destruction type: it costs nothing per round, the whole threat value reacts to it.
constexpr int kMassDestructionAmmo = 21;

struct AmmoType {
    const char *Caption;  // check-box caption in the weapon dialogs
    const char *Code;     // text AmmoCodes appends, with its leading blank and trailing comma
    int Factor;           // threat-value cost factor per round
    const char *LogLabel; // cost log line written after the factor is applied (the value follows)
};

// The type at index k (0..26); any other index yields an empty type with factor 1.
const AmmoType &AmmoTypeAt(int k);

} // namespace aw
