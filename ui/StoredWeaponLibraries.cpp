#include "ui/StoredWeaponLibraries.h"

#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"

namespace aw {

BaseWeaponList &StoredWeaponLibraries::WeaponLibrary(int weaponType)
{
    return SharedLibraries().WeaponList(weaponType);
}

void StoredWeaponLibraries::CustomWeaponsChanged() { SaveCustomWeapons(SharedLibraries()); }

} // namespace aw
