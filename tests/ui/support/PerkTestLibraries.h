#pragma once

#include "engine/PerkRecord.h"

namespace aw {

// A small perk, flaw and defect library in the program-wide libraries (the six fixed
// defects as the program makes them), emptied again when it goes.
//   Perks: 0 "Ablative Armor" (rating 1 x 0.5, arc, formula shown), 1 "Battle Arm"
//          (amount, "Can Punch" inside OTV), 2 "Passenger Seating" (rating = people).
//   Flaws: 0 "Annoyance" (-0.2), 1 "Weak Point" (-1, location), 2 "Brittle Armor" (-2),
//          3 "Unstable" (rating 1 x -3).
struct PerkTestLibraries {
    PerkTestLibraries();
    ~PerkTestLibraries();

    static PerkRecord Perk(int index);
    static PerkRecord Flaw(int index);
};

} // namespace aw
