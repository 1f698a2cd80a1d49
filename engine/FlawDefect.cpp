#include "engine/FlawDefect.h"

#include "engine/PerkEntry.h"

namespace {
constexpr double kMajorFlawWorth = -2.0;
}

bool AdoptsFlaw(const TPerkRecord &entry)
{
    return entry.WorthFormula == WorthMajorFlawDefect || entry.WorthFormula == WorthMinorFlawDefect;
}

TPerkRecord AdoptFlaw(const TPerkRecord &defect, const TPerkRecord &flaw)
{
    TPerkRecord adopted = flaw;
    adopted.WorthFormula = defect.WorthFormula;
    adopted.Variant = flaw.WorthFormula;
    return adopted;
}

bool EntryAcceptable(const TPerkRecord &entry, const TPerkVehicleData &vehicle)
{
    if (entry.WorthFormula != WorthMajorFlawDefect)
        return true;
    return Worth(entry, vehicle) <= kMajorFlawWorth;
}
