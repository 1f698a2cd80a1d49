#include "engine/FlawDefect.h"

#include "engine/PerkEntry.h"
#include "engine/PerkTemplates.h"

#include <gtest/gtest.h>

namespace aw {

namespace {

PerkRecord DefectNamed(const std::string &name)
{
    for (const PerkRecord &r : DefectTemplates())
        if (r.PFDName == name)
            return r;
    ADD_FAILURE() << "no defect " << name;
    return {};
}

PerkRecord SampleFlaw(const char *name, int32_t formula, double rating, double x)
{
    PerkRecord r;
    r.PFDName = name;
    r.IsFlaw = true;
    r.WorthFormula = formula;
    r.RatingValue = rating;
    r.X = x;
    r.ShowRating = true;
    r.EffectText = "Weak |R|";
    r.EntryId = 120;
    return r;
}

} // namespace

TEST(FlawDefect, OnlyMinorAndMajorFlawDefectsAdopt)
{
    EXPECT_TRUE(AdoptsFlaw(DefectNamed("Minor Flaw")));
    EXPECT_TRUE(AdoptsFlaw(DefectNamed("MajorFlaw")));
    EXPECT_FALSE(AdoptsFlaw(DefectNamed("Structural Weakness")));
    EXPECT_FALSE(AdoptsFlaw(DefectNamed("Annoyance Flaw")));
    EXPECT_FALSE(AdoptsFlaw(CustomEntryTemplate(PerkKind::Defect)));
}

TEST(FlawDefect, AdoptingCopiesTheFlawButKeepsTheDefectKind)
{
    const PerkRecord weak = SampleFlaw("Weak Point", 3, 2, -1.5);
    const PerkRecord adopted = AdoptFlaw(DefectNamed("Minor Flaw"), weak);
    EXPECT_EQ(adopted.PFDName, "Weak Point");
    EXPECT_EQ(adopted.WorthFormula, WorthMinorFlawDefect);
    EXPECT_EQ(adopted.Variant, 3);
    EXPECT_EQ(adopted.EffectText, weak.EffectText);
    EXPECT_EQ(adopted.EntryId, 120);
    // evaluated with the adopted flaw's formula: 2 x -1.5
    EXPECT_DOUBLE_EQ(Worth(adopted, {}), -3.0);
}

TEST(FlawDefect, MajorFlawNeedsAFlawWorthMinusTwoOrWorse)
{
    const PerkRecord major = DefectNamed("MajorFlaw");
    EXPECT_FALSE(EntryAcceptable(major, {})); // nothing adopted yet: worth 0
    EXPECT_FALSE(EntryAcceptable(AdoptFlaw(major, SampleFlaw("Mild", 0, 0, -1.99)), {}));
    EXPECT_TRUE(EntryAcceptable(AdoptFlaw(major, SampleFlaw("Exact", 0, 0, -2)), {}));
    EXPECT_TRUE(EntryAcceptable(AdoptFlaw(major, SampleFlaw("Bad", 3, 2, -3)), {}));
}

TEST(FlawDefect, OtherEntriesAreAlwaysAcceptable)
{
    EXPECT_TRUE(EntryAcceptable(DefectNamed("Minor Flaw"), {}));
    EXPECT_TRUE(EntryAcceptable(AdoptFlaw(DefectNamed("Minor Flaw"), SampleFlaw("Mild", 0, 0, -1)), {}));
    EXPECT_TRUE(EntryAcceptable(CustomEntryTemplate(PerkKind::Perk), {}));
}

} // namespace aw
