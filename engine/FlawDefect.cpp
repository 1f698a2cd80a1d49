#include "engine/FlawDefect.h"

#include "engine/PerkEntry.h"

namespace aw {

namespace {
constexpr double kMajorFlawWorth = -2.0;
}

bool AdoptsFlaw(const PerkRecord &entry)
{
    return entry.WorthFormula == WorthMajorFlawDefect || entry.WorthFormula == WorthMinorFlawDefect;
}

PerkRecord AdoptFlaw(const PerkRecord &defect, const PerkRecord &flaw)
{
    PerkRecord adopted = flaw;
    adopted.WorthFormula = defect.WorthFormula;
    adopted.Variant = flaw.WorthFormula;
    return adopted;
}

bool EntryAcceptable(const PerkRecord &entry, const PerkVehicleData &vehicle)
{
    if (entry.WorthFormula != WorthMajorFlawDefect)
        return true;
    return Worth(entry, vehicle) <= kMajorFlawWorth;
}

} // namespace aw
