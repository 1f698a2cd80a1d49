#include "weapons/WeaponList.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"

namespace aw {

int32_t WeaponList::PerkItemCount() const
{
    bool anySniper = false;
    bool anyShieldedClip = false;
    int64_t stabilized = 0;
    for (const auto &weapon : m_weapons) {
        anySniper = anySniper || weapon->Data.SniperSystem;
        anyShieldedClip = anyShieldedClip || weapon->Clips.HasShieldedClip();
        if (weapon->Data.Stabilized)
            stabilized += weapon->Data.NumberOfItems;
    }
    // The sniper system and the shielded container are one perk each, however many lines use them.
    return SaturateInt32((anySniper ? 1 : 0) + stabilized + LinkCount() + (anyShieldedClip ? 1 : 0));
}

double WeaponList::TotalPerkCost() const
{
    LogLine("      Total Perks stored with weapons");
    double total = 0.0;
    for (const auto &weapon : m_weapons)
        total += weapon->PerkCost();
    return total;
}

double WeaponList::SportingCost() const
{
    double total = 0.0;
    for (const auto &weapon : m_weapons)
        if (weapon->Data.Sporting)
            total += MultiplyExtended(weapon->Data.NumberOfItems, 100.0L);
    return total;
}

bool WeaponList::HasMassDestruction() const
{
    for (const auto &weapon : m_weapons)
        if (weapon->Clips.HasMassDestruction())
            return true;
    return false;
}

double WeaponList::OTVSubtotal(int32_t finalSize) const
{
    double subtotal = 0.0;
    for (int i = 0; i < Count(); ++i) {
        const Weapon &weapon = *m_weapons[static_cast<size_t>(i)];
        LogLine("   Weapon ", i + 1);
        subtotal += weapon.Rating(finalSize);
        LogLine("       Now ammo... clip 0 is the internal magazine");
        for (int c = 0; c < weapon.Clips.Count(); ++c) {
            LogLine("        Clip ", c);
            const Clip &clip = weapon.Clips.Get(c);
            const double worth = clip.Worth(weapon.Data.AmmoBaseCost);
            // Items x (clips x worth), formed in extended precision.
            const long double clipsWorth = static_cast<long double>(clip.ClipCount) * worth;
            subtotal = static_cast<double>(subtotal + static_cast<long double>(weapon.Data.NumberOfItems) * clipsWorth);
        }
        LogLine("     OTV Subtotal so far = ", subtotal);
    }
    return subtotal;
}

} // namespace aw
