#pragma once

#include "weapons/WeaponRecord.h"
#include "weapons/AmmoTypes.h"

#include <initializer_list>

namespace fixtures {

// Light Artillery Gun, as the built-in library describes it.
inline TWeaponRecord LightArtilleryGun()
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Name = "Light Artillery Gun";
    r.Code = "LAG";
    r.Rating = 1107;
    r.BaseRange = 25;
    r.Damage = 12;
    r.Accuracy = -2;
    r.ROF = 1;
    r.MinSize = 8;
    r.AreaEffect = 0;
    r.MinimumRange = 10;
    r.WeaponType = 3;
    r.AmmoBaseCost = 4.4;
    r.IndirectFire = true;
    return r;
}

// Fragmentation Cannon: comes loaded with free Frag ammunition.
inline TWeaponRecord FragmentationCannon()
{
    TWeaponRecord r = DefaultWeaponRecord();
    r.Name = "Fragmentation Cannon";
    r.Code = "FGC";
    r.Rating = 195;
    r.BaseRange = 1;
    r.Damage = 7;
    r.Accuracy = 1;
    r.MinSize = 5;
    r.AmmoBaseCost = 0.75;
    r.AntiInf = true;
    r.BaseAmmo.Selected[4] = true;
    r.BaseAmmo.Free[4] = true;
    r.BaseAmmo.Allowed[4] = true;
    return r;
}

// A section of `amount` rounds with the given types selected.
inline TAmmoSection Section(int32_t amount, std::initializer_list<int> selected = {})
{
    TAmmoSection s;
    s.Amount = amount;
    for (int k : selected)
        s.Selected[static_cast<size_t>(k)] = true;
    return s;
}

} // namespace fixtures
