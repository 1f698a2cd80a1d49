#pragma once

#include "ui/pages/WeaponLibraries.h"

namespace aw {

// The program's weapon libraries as loaded at start-up (storage's Libraries()); every
// change of the custom list is written to the custom weapon file at once, so a crash or a
// killed program loses none of the user's custom weapons.
class StoredWeaponLibraries : public WeaponLibraries {
public:
    BaseWeaponList &WeaponLibrary(int weaponType) override;
    void CustomWeaponsChanged() override;
};

} // namespace aw
