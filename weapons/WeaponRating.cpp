#include "weapons/Weapon.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/RoundUp.h"
#include "weapons/ModificationFactors.h"
#include "weapons/WeaponTexts.h"

namespace aw {

namespace {

// Applies a modification's factor and logs the result; no modification, no line.
void ApplyModification(double &v, int32_t modification, const ModificationFactors &factors, const char *label)
{
    if (modification == 0)
        return;
    v = MultiplyExtended(v, ModificationFactor(factors, modification));
    LogLine(label, v);
}

} // namespace

double Weapon::Rating(int32_t finalSize) const
{
    const WeaponRecord &d = Data;
    double v = d.Rating == -1 ? static_cast<double>(finalSize) : static_cast<double>(d.Rating);
    LogLine("       Base rating = ", v);

    ApplyModification(v, d.AccMod, kAccuracyFactors, "          After Acc Mod = ");
    ApplyModification(v, d.DmgMod, kDamageFactors, "          After Dmg Mod = ");
    ApplyModification(v, d.RangeMod, kRangeFactors, "          After Range Mod = ");
    ApplyModification(v, d.ROFMod, kROFFactors, "          After ROF Mod = ");

    // A smaller mount scales by the share of the minimum size kept. A weapon without a
    // minimum size has nothing to scale, so it keeps its rating.
    if (d.SizeMod < 0 && d.MinSize != 0) {
        const long double share =
            static_cast<long double>(static_cast<int64_t>(d.MinSize) + d.SizeMod) / static_cast<long double>(d.MinSize);
        v = MultiplyExtended(v, share);
        LogLine("          After Size Mod = ", v);
    }

    if (d.PoorWorkmanship > 0) {
        v = MultiplyExtended(v, ExtendedPoorWorkmanshipFactor(d.PoorWorkmanship));
        LogLine("          After Poor Workmanship Mod = ", v);
    }

    const double rounded = RoundUp(v);
    if (rounded != v) {
        v = rounded;
        LogLine("          After Rounding up to the nearest Whole number = ", v);
    }

    if (IsFixedArc(d.Arc)) {
        v = MultiplyExtended(v, kFixedArcFactor);
        LogLine("          After Fixed Arc = ", v);
    } else if (IsTurretedArc(d.Arc)) {
        v = MultiplyExtended(v, kTurretedArcFactor);
        LogLine("          After Turreted Arc = ", v);
    }

    v = MultiplyExtended(v, d.NumberOfItems);
    LogLine("          Times ammount of weapons(", d.NumberOfItems, ") = ", v);
    return v;
}

} // namespace aw
