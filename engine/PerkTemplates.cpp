#include "engine/PerkTemplates.h"

#include "engine/PerkEntry.h"

namespace {

TPerkRecord defect(const char *name, int32_t formula)
{
    TPerkRecord r;
    r.PFDName = name;
    r.WorthFormula = formula;
    return r;
}

} // namespace

std::vector<TPerkRecord> DefectTemplates()
{
    TPerkRecord annoyance = defect("Annoyance Flaw", WorthAnnoyance);
    annoyance.EffectText = "Vehicle has one Annoyance Flaw";
    return {
        defect("Structural Weakness", WorthStructuralDefect),
        defect("Electronic Glitch", WorthElectronicDefect),
        defect("Movement System Defect", WorthMovementDefect),
        annoyance,
        defect("Minor Flaw", WorthMinorFlawDefect),
        defect("MajorFlaw", WorthMajorFlawDefect),
    };
}

TPerkRecord CustomEntryTemplate(TPerkKind kind)
{
    TPerkRecord r;
    switch (kind) {
    case TPerkKind::Perk:
        r.PFDName = "Custom Perk";
        break;
    case TPerkKind::Flaw:
        r.PFDName = "Custom Flaw";
        r.IsFlaw = true;
        break;
    case TPerkKind::Defect:
        r.PFDName = "Custom Defect";
        r.IsFlaw = true;
        break;
    }
    r.EffectText = "Please Edit...";
    r.WorthFormula = WorthCustom;
    r.HasAmount = true;
    r.OTVFormula = 6;
    return r;
}
