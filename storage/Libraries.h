#pragma once

#include "base/Files.h"
#include "base/SettingsFolder.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "storage/WindowPositionStore.h"
#include "weapons/BaseWeaponList.h"
#include "weapons/WeaponTexts.h"

#include <array>
#include <functional>
#include <string>

namespace aw {

// The program-wide libraries, loaded once at start-up and kept until shutdown: the seven
// weapon lists (one per weapon type; type 6 is the user's custom list), the perk, flaw and
// defect lists, the movement-system list and the window-position store.
class Libraries {
public:
    // The weapon list of a type 0..6; other types throw std::out_of_range.
    BaseWeaponList &WeaponList(int weaponType);
    const BaseWeaponList &WeaponList(int weaponType) const;
    BaseWeaponList &CustomWeapons() { return m_weapons[kCustomWeaponType]; }
    const BaseWeaponList &CustomWeapons() const { return m_weapons[kCustomWeaponType]; }
    int WeaponCount() const;

    PerkList Perks;
    PerkList Flaws;
    PerkList Defects;
    MovementList Movement;
    WindowPositionStore Positions;

    // Every list emptied and every position and layout value back to -1.
    void Clear();
    // Adds a weapon record to the list of its type; records of other types are dropped.
    void AddWeapon(const WeaponRecord &record);

private:
    std::array<BaseWeaponList, kWeaponTypeCount> m_weapons;
};

// The one set of libraries the editor and the command-line tool share.
Libraries &SharedLibraries();

// Where LoadLibraries looks: override files of the built-in data in Data (the program
// folder), "Screen.zel" and "Custom.zel" in Settings.
struct LibraryFolders {
    std::string Data;
    std::string Settings;
};

// Start-up loading: "Screen.zel", then "Custom.zel" (its weapons stand before the built-in
// ones of their type), the weapon, perk/flaw and movement libraries (override file or
// built-in block; each movement record numbered by its place in the data), then the six
// fixed defects. processMessages, when given, runs before the longer steps so a splash
// screen stays painted. Codec and file errors are not caught.
void LoadLibraries(Libraries &libraries, const LibraryFolders &folders,
                   const std::function<void()> &processMessages = {});
// The same with every file in one folder.
void LoadLibraries(Libraries &libraries, const std::string &folder = ProgramFolder(),
                   const std::function<void()> &processMessages = {});

// Shutdown: writes "Screen.zel" (atomically) and "Custom.zel" (atomically, or deletes it
// when the custom list is empty) to the folder, then empties the lists.
void SaveSettings(Libraries &libraries, const std::string &folder = SettingsFolder());

// The settings file name.
inline constexpr const char *kScreenFile = "Screen.zel";

} // namespace aw
