#pragma once

#include "weapons/BaseWeaponList.h"
#include "weapons/WeaponTexts.h"

#include <array>

namespace aw {

// The seven weapon library lists the Weapons page shows, one per weapon type (type 6 holds
// the user's custom weapons), and how a change of the custom list is kept. Unless another
// set is installed (tests install one held in memory), the program's loaded libraries are
// used and the custom list is written to its file at every change.
class WeaponLibraries {
public:
    virtual ~WeaponLibraries() = default;

    // The list of weapon type weaponType (0..6); throws std::out_of_range for other values.
    virtual BaseWeaponList &WeaponLibrary(int weaponType) = 0;
    // Called after every change of the custom list (add, edit, delete, sort) so the custom
    // weapon file can be written at once.
    virtual void CustomWeaponsChanged() = 0;
};

// Seven lists held in memory; a change of the custom list is only counted.
class MemoryWeaponLibraries : public WeaponLibraries {
public:
    BaseWeaponList &WeaponLibrary(int weaponType) override;
    void CustomWeaponsChanged() override { ++m_customChanges; }

    int CustomChanges() const { return m_customChanges; }

private:
    std::array<BaseWeaponList, kWeaponTypeCount> m_lists;
    int m_customChanges = 0;
};

// The installed libraries, or the program's loaded ones when none is installed.
WeaponLibraries &CurrentWeaponLibraries();
// Installs libraries (not owned); nullptr returns to the program's loaded ones.
void SetWeaponLibraries(WeaponLibraries *libraries);

} // namespace aw
