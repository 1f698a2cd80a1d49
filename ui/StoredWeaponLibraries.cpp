#include "ui/StoredWeaponLibraries.h"

#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"

TBaseWeaponList &TStoredWeaponLibraries::WeaponLibrary(int weaponType)
{
    return Libraries().WeaponList(weaponType);
}

void TStoredWeaponLibraries::CustomWeaponsChanged()
{
    SaveCustomWeaponFile(Libraries().CustomWeapons());
}
