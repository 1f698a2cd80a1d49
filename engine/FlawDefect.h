#pragma once

#include "engine/PerkRecord.h"
#include "engine/PerkVehicleData.h"

namespace aw {

// The minor and major flaw defects take on a library flaw: the defect becomes a copy of
// the flaw that keeps its own kind (WorthFormula) and evaluates the flaw's formula,
// kept in Variant.

// True for the minor and major flaw defects, which adopt a flaw.
bool AdoptsFlaw(const PerkRecord &entry);
// The defect after adopting flaw.
PerkRecord AdoptFlaw(const PerkRecord &defect, const PerkRecord &flaw);
// Whether the entry may be accepted as configured: a major flaw defect needs a flaw worth
// -2 or worse; every other entry may always be accepted.
bool EntryAcceptable(const PerkRecord &entry, const PerkVehicleData &vehicle);

} // namespace aw
