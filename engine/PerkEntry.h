#pragma once

#include "base/NumberFormat.h"
#include "engine/PerkRecord.h"
#include "engine/PerkVehicleData.h"

#include <cstdint>
#include <string>

namespace aw {

// The rules of one perk, flaw or defect entry.

// The worth formulas a record can select (WorthFormula, or Variant for a flaw defect).
enum : int32_t {
    WorthMajorFlawDefect = -1, // adopts a library flaw worth -2 or worse
    WorthMinorFlawDefect = -2, // adopts any library flaw
    WorthMovementDefect = -3,
    WorthElectronicDefect = -4,
    WorthStructuralDefect = -5,
    WorthCustom = 1,
    WorthAnnoyance = 2,
};

// The name with " x" + amount when the amount is not 1, and ".c" for a custom entry.
std::string DisplayName(const PerkRecord &r);
// The entry's worth for the threat value, rounded as the record asks and times the amount.
// Writes the calculation log.
double Worth(const PerkRecord &r, const PerkVehicleData &v);
// The value the entry adds to the offensive threat value, times the amount.
double OTVValue(const PerkRecord &r);
// The cost the entry adds after the production multiplier, times the amount.
double Cost(const PerkRecord &r);
// People carried: the rating when it counts people, else 0.
int32_t People(const PerkRecord &r);
// Crew added: AddedCrewValue, or the truncated rating when that is -1.
int32_t CrewAdded(const PerkRecord &r);
int32_t ActionsAdded(const PerkRecord &r);
// The rating in general format when it is shown, else empty.
std::string RatingText(const PerkRecord &r, NumberSeparators separators = {});
// The game-effect text: a defect kind's fixed text, or the template with its tokens filled.
std::string EffectTextFor(const PerkRecord &r, const PerkVehicleData &v, NumberSeparators separators = {});

// The arc codes of the arc token and the perk editor ("F" .. "T" for 0..8, else empty).
std::string PerkArcCode(int32_t arc);
// The location names of the location token ("Mov" .. "Struct" for 0..4, else empty).
std::string PerkLocationName(int32_t location);

} // namespace aw
