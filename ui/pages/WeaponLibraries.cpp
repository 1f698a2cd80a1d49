#include "ui/pages/WeaponLibraries.h"

#include "ui/StoredWeaponLibraries.h"

#include <stdexcept>

namespace aw {

namespace {
WeaponLibraries *g_installed = nullptr;
}

BaseWeaponList &MemoryWeaponLibraries::WeaponLibrary(int weaponType)
{
    if (weaponType < 0 || weaponType >= kWeaponTypeCount)
        throw std::out_of_range("There is no weapon library of that type.");
    return m_lists[static_cast<size_t>(weaponType)];
}

WeaponLibraries &CurrentWeaponLibraries()
{
    static StoredWeaponLibraries loaded;
    return g_installed ? *g_installed : loaded;
}

void SetWeaponLibraries(WeaponLibraries *libraries) { g_installed = libraries; }

} // namespace aw
