#include "PerkTestLibraries.h"

#include "engine/PerkEntry.h"
#include "engine/PerkTemplates.h"
#include "storage/Libraries.h"

namespace aw {

namespace {

PerkRecord PerkEntryRecord(const char *name, int32_t formula, double rating, double x, bool flaw, const char *effect)
{
    PerkRecord r;
    r.PFDName = name;
    r.WorthFormula = formula;
    r.RatingValue = rating;
    r.X = x;
    r.IsFlaw = flaw;
    r.EffectText = effect;
    return r;
}

} // namespace

PerkRecord PerkTestLibraries::Perk(int index)
{
    PerkRecord r;
    if (index == 0) {
        r = PerkEntryRecord("Ablative Armor", 3, 1, 0.5, false, "|R| ablative armor on |A|");
        r.ShowRating = r.HasArc = r.ShowFormula = true;
        r.FormulaText = "0.5 * Rating, per arc";
    } else if (index == 1) {
        r = PerkEntryRecord("Battle Arm", 0, 0, 1, false, "Arm");
        r.OTVFormula = 8;
        r.OffersInside = r.HasAmount = true;
        r.InsideLabel = "Can Punch";
    } else {
        r = PerkEntryRecord("Passenger Seating", 4, 4, 1, false, "Seats |R|");
        r.RatingIsPeople = r.ShowRating = true;
    }
    return r;
}

PerkRecord PerkTestLibraries::Flaw(int index)
{
    PerkRecord r;
    if (index == 0) {
        r = PerkEntryRecord("Annoyance", WorthAnnoyance, 0, 0, true, "Annoying");
    } else if (index == 1) {
        r = PerkEntryRecord("Weak Point", 0, 0, -1, true, "Weak |LOC|");
        r.HasLocation = 1;
        r.RoundMode = 2;
    } else if (index == 2) {
        r = PerkEntryRecord("Brittle Armor", 0, 0, -2, true, "");
    } else {
        r = PerkEntryRecord("Unstable", 3, 1, -3, true, "");
        r.ShowRating = true;
    }
    return r;
}

PerkTestLibraries::PerkTestLibraries()
{
    Libraries &libraries = SharedLibraries();
    for (int i = 0; i < 3; ++i)
        libraries.Perks.Add(Perk(i));
    for (int i = 0; i < 4; ++i)
        libraries.Flaws.Add(Flaw(i));
    for (const PerkRecord &defect : DefectTemplates())
        libraries.Defects.Add(defect);
}

PerkTestLibraries::~PerkTestLibraries()
{
    SharedLibraries().Perks.Clear();
    SharedLibraries().Flaws.Clear();
    SharedLibraries().Defects.Clear();
}

} // namespace aw
