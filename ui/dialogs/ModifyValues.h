#pragma once

#include "weapons/AmmoSection.h"

#include <cstdint>

namespace aw {

// The weapon settings the dialog edits.
struct ModificationSettings {
    int32_t AccMod = 0; // -1, 0 or +1
    int32_t DmgMod = 0;
    int32_t RangeMod = 0;
    int32_t ROFMod = 0;
    int32_t SizeMod = 0;
    int32_t PoorWorkmanship = 0;
    int32_t Arc = 0;
};

// The working copy the weapon modification dialog edits: the caller fills it before the
// dialog shows and copies it back after OK.
struct ModifyValues {
    ModificationSettings Mods;
    double OldRating = 0.0; // read only
    AmmoSection Section = ClearAmmoSection();
    bool Sniper = false;
    bool Stabilized = false;
    bool Sporting = false;
    bool Shielded = false;
    // Which pages show, and whether the rate-of-fire options can be chosen.
    bool ShowAmmoPage = true;
    bool ShowWeaponPage = true;
    bool ShowClipPage = true;
    bool ROFEnabled = true;
};

} // namespace aw
