#include "PerkTestLibraries.h"

#include "engine/PerkEntry.h"
#include "engine/PerkTemplates.h"
#include "storage/Libraries.h"

namespace {

TPerkRecord entry(const char *name, int32_t formula, double rating, double x, bool flaw)
{
    TPerkRecord r;
    r.PFDName = name;
    r.WorthFormula = formula;
    r.RatingValue = rating;
    r.X = x;
    r.IsFlaw = flaw;
    return r;
}

} // namespace

TPerkRecord TPerkTestLibraries::Perk(int index)
{
    switch (index) {
    case 0: {
        TPerkRecord r = entry("Ablative Armor", 3, 1, 0.5, false);
        r.ShowRating = true;
        r.HasArc = true;
        r.ShowFormula = true;
        r.FormulaText = "0.5 * Rating, per arc";
        r.EffectText = "|R| ablative armor on |A|";
        return r;
    }
    case 1: {
        TPerkRecord r = entry("Battle Arm", 0, 0, 1, false);
        r.OTVFormula = 8;
        r.OffersInside = true;
        r.InsideLabel = "Can Punch";
        r.HasAmount = true;
        r.EffectText = "Arm";
        return r;
    }
    default: {
        TPerkRecord r = entry("Passenger Seating", 4, 4, 1, false);
        r.RatingIsPeople = true;
        r.ShowRating = true;
        r.EffectText = "Seats |R|";
        return r;
    }
    }
}

TPerkRecord TPerkTestLibraries::Flaw(int index)
{
    switch (index) {
    case 0: {
        TPerkRecord r = entry("Annoyance", WorthAnnoyance, 0, 0, true);
        r.EffectText = "Annoying";
        return r;
    }
    case 1: {
        TPerkRecord r = entry("Weak Point", 0, 0, -1, true);
        r.HasLocation = 1;
        r.RoundMode = 2;
        r.EffectText = "Weak |LOC|";
        return r;
    }
    case 2:
        return entry("Brittle Armor", 0, 0, -2, true);
    default: {
        TPerkRecord r = entry("Unstable", 3, 1, -3, true);
        r.ShowRating = true;
        return r;
    }
    }
}

TPerkTestLibraries::TPerkTestLibraries()
{
    TLibraries &libraries = Libraries();
    for (int i = 0; i < 3; ++i)
        libraries.Perks.Add(Perk(i));
    for (int i = 0; i < 4; ++i)
        libraries.Flaws.Add(Flaw(i));
    for (const TPerkRecord &defect : DefectTemplates())
        libraries.Defects.Add(defect);
}

TPerkTestLibraries::~TPerkTestLibraries()
{
    TLibraries &libraries = Libraries();
    libraries.Perks.Clear();
    libraries.Flaws.Clear();
    libraries.Defects.Clear();
}
