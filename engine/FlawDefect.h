#pragma once

#include "engine/PerkRecord.h"
#include "engine/PerkVehicleData.h"

// The minor and major flaw defects take on a library flaw: the defect becomes a copy of
// the flaw that keeps its own kind (WorthFormula) and evaluates the flaw's formula,
// kept in Variant.

// True for the minor and major flaw defects, which adopt a flaw.
bool AdoptsFlaw(const TPerkRecord &entry);
// The defect after adopting flaw.
TPerkRecord AdoptFlaw(const TPerkRecord &defect, const TPerkRecord &flaw);
// Whether the entry may be accepted as configured: a major flaw defect needs a flaw worth
// -2 or worse; every other entry may always be accepted.
bool EntryAcceptable(const TPerkRecord &entry, const TPerkVehicleData &vehicle);
