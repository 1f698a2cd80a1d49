#include "weapons/ModificationFactors.h"

#include "weapons/WeaponTexts.h"

long double ModificationFactor(const TModificationFactors &factors, int32_t modification)
{
    if (modification == 0)
        return 1.0L;
    return modification >= 1 ? factors.Up : factors.Down;
}

long double ArcFactor(int32_t arc)
{
    if (IsFixedArc(arc))
        return kFixedArcFactor;
    if (IsTurretedArc(arc))
        return kTurretedArcFactor;
    return 1.0L;
}

long double ExtendedPoorWorkmanshipFactor(int32_t level)
{
    return 1.0L - static_cast<long double>(level) * 0.1L;
}

double PoorWorkmanshipFactor(int32_t level) { return static_cast<double>(ExtendedPoorWorkmanshipFactor(level)); }
