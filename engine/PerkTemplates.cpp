#include "engine/PerkTemplates.h"

#include "engine/PerkEntry.h"

namespace aw {

namespace {

PerkRecord DefectTemplate(const char *name, int32_t formula)
{
    PerkRecord r;
    r.PFDName = name;
    r.WorthFormula = formula;
    return r;
}

} // namespace

std::vector<PerkRecord> DefectTemplates()
{
    PerkRecord annoyance = DefectTemplate("Annoyance Flaw", WorthAnnoyance);
    annoyance.EffectText = "Vehicle has one Annoyance Flaw";
    return {
        DefectTemplate("Structural Weakness", WorthStructuralDefect),
        DefectTemplate("Electronic Glitch", WorthElectronicDefect),
        DefectTemplate("Movement System Defect", WorthMovementDefect),
        annoyance,
        DefectTemplate("Minor Flaw", WorthMinorFlawDefect),
        DefectTemplate("MajorFlaw", WorthMajorFlawDefect),
    };
}

PerkRecord CustomEntryTemplate(PerkKind kind)
{
    PerkRecord r;
    switch (kind) {
    case PerkKind::Perk:
        r.PFDName = "Custom Perk";
        break;
    case PerkKind::Flaw:
        r.PFDName = "Custom Flaw";
        r.IsFlaw = true;
        break;
    case PerkKind::Defect:
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

} // namespace aw
