#pragma once

#include "weapons/AmmoSection.h"
#include "weapons/ModificationPreview.h"

// The working copy the weapon modification dialog edits: the caller fills it before the
// dialog shows and copies it back after OK.
struct TModifyValues {
    TModificationSettings Mods; // modifications, poor workmanship, arc, size; MinSize read only
    double OldRating = 0.0;     // read only
    TAmmoSection Section = ClearAmmoSection();
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
