#include "weapons/ModificationPreview.h"

#include "engine/base/ExtendedMath.h"

double ModificationPreview(double oldRating, const TModificationSettings &s)
{
    // A factor of 1 (no modification, no arc factor) leaves the value exactly as it is.
    double v = oldRating;
    v = MultiplyExtended(v, ModificationFactor(kAccuracyFactors, s.AccMod));
    v = MultiplyExtended(v, ModificationFactor(kDamageFactors, s.DmgMod));
    v = MultiplyExtended(v, ModificationFactor(kRangeFactors, s.RangeMod));
    v = MultiplyExtended(v, ModificationFactor(kROFFactors, s.ROFMod));
    if (s.PoorWorkmanship > 0)
        v = MultiplyExtended(v, ExtendedPoorWorkmanshipFactor(s.PoorWorkmanship));
    if (s.SizeMod < 0 && s.MinSize > 1)
        v = MultiplyExtended(v, static_cast<long double>(s.MinSize) / static_cast<long double>(s.MinSize - 1));
    return MultiplyExtended(v, ArcFactor(s.Arc));
}
