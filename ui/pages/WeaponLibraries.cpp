#include "ui/pages/WeaponLibraries.h"

#include "ui/StoredWeaponLibraries.h"

#include <stdexcept>

namespace {
TWeaponLibraries *g_installed = nullptr;
}

TBaseWeaponList &TMemoryWeaponLibraries::WeaponLibrary(int weaponType)
{
    if (weaponType < 0 || weaponType >= kWeaponTypeCount)
        throw std::out_of_range("There is no weapon library of that type.");
    return m_lists[static_cast<size_t>(weaponType)];
}

TWeaponLibraries &WeaponLibraries()
{
    static TStoredWeaponLibraries loaded;
    return g_installed ? *g_installed : loaded;
}

void SetWeaponLibraries(TWeaponLibraries *libraries)
{
    g_installed = libraries;
}
