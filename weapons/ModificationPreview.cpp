#include "weapons/ModificationPreview.h"

#include "weapons/ExtendedMath.h"
#include "weapons/WeaponTexts.h"

namespace {

// A modification of +1 or more multiplies by up, a negative one by down.
double Modified(double v, int32_t modification, long double up, long double down)
{
    if (modification == 0)
        return v;
    return MultiplyExtended(v, modification >= 1 ? up : down);
}

long double ExtendedPoorWorkmanshipFactor(int32_t level)
{
    return 1.0L - static_cast<long double>(level) * 0.1L;
}

} // namespace

double PoorWorkmanshipFactor(int32_t level)
{
    return static_cast<double>(ExtendedPoorWorkmanshipFactor(level));
}

double ModificationPreview(double oldRating, const TModificationSettings &s)
{
    double v = oldRating;
    v = Modified(v, s.AccMod, 1.5L, 0.6L);
    v = Modified(v, s.DmgMod, 1.25L, 0.85L);
    v = Modified(v, s.RangeMod, 1.1L, 0.9L);
    v = Modified(v, s.ROFMod, 1.1L, 0.9L);
    if (s.PoorWorkmanship > 0)
        v = MultiplyExtended(v, ExtendedPoorWorkmanshipFactor(s.PoorWorkmanship));
    if (s.SizeMod < 0 && s.MinSize > 1)
        v = MultiplyExtended(v, static_cast<long double>(s.MinSize) / static_cast<long double>(s.MinSize - 1));
    if (IsFixedArc(s.Arc))
        v = MultiplyExtended(v, 0.6L);
    else if (IsTurretedArc(s.Arc))
        v = MultiplyExtended(v, 1.8L);
    return v;
}
