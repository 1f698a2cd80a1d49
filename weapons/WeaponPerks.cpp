#include "weapons/Weapon.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"

namespace aw {

int32_t Weapon::PerkCost() const
{
    int64_t p = 0;
    if (Data.SniperSystem) {
        p = 5;
        LogLine("          Weapon is Snipered... cost 5");
    }
    if (Data.Stabilized) {
        LogLine("          Weapon is Stabilized... cost 2");
        p += 2;
    }
    for (int i = 0; i < Links.Count(); ++i) {
        if (!Links.Get(i))
            continue;
        LogLine("          Part of link ", i + 1, "... cost 1");
        ++p;
    }
    p += Clips.ShieldedClipCost(Data.AmmoBaseCost);
    p = static_cast<int64_t>(SaturateInt32(p)) * Data.NumberOfItems;
    const int32_t cost = SaturateInt32(p);
    LogLine("                Weapon Costs ", cost, " In Perks");
    return cost;
}

} // namespace aw
