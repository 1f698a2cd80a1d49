#include "ui/StoredWeaponLibraries.h"

#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"
#include "ui/dialogs/DialogProvider.h"

#include <QApplication>

namespace aw {

BaseWeaponList &StoredWeaponLibraries::WeaponLibrary(int weaponType)
{
    return SharedLibraries().WeaponList(weaponType);
}

void StoredWeaponLibraries::CustomWeaponsChanged()
{
    // A damaged file was set aside: the player learns where the weapons it held are.
    const std::string note = SaveCustomWeapons(SharedLibraries());
    if (!note.empty())
        Dialogs().Warn(QApplication::activeWindow(), QString::fromStdString(note));
}

} // namespace aw
