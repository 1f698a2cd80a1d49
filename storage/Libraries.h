#pragma once

#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "base/Files.h"
#include "base/SettingsFolder.h"
#include "storage/WindowPositionStore.h"
#include "weapons/BaseWeaponList.h"
#include "weapons/WeaponTexts.h"

#include <array>
#include <functional>
#include <string>

// The program-wide libraries, loaded once at start-up and kept until shutdown: the seven
// weapon lists (one per weapon type; type 6 is the user's custom list), the perk, flaw and
// defect lists, the movement-system list and the window-position store.
class TLibraries {
public:
    // The weapon list of a type 0..6; other types throw std::out_of_range.
    TBaseWeaponList &WeaponList(int weaponType);
    const TBaseWeaponList &WeaponList(int weaponType) const;
    TBaseWeaponList &CustomWeapons() { return m_weapons[kCustomWeaponType]; }
    const TBaseWeaponList &CustomWeapons() const { return m_weapons[kCustomWeaponType]; }
    int WeaponCount() const;

    TPerkList Perks;
    TPerkList Flaws;
    TPerkList Defects;
    TMovementList Movement;
    TWindowPositionStore Positions;

    // Every list emptied and every position and layout value back to -1.
    void Clear();
    // Adds a weapon record to the list of its type; records of other types are dropped.
    void AddWeapon(const TWeaponRecord &record);

private:
    std::array<TBaseWeaponList, kWeaponTypeCount> m_weapons;
};

// The one set of libraries the editor and the command-line tool share.
TLibraries &Libraries();

// Where LoadLibraries looks: override files of the built-in data in Data (the program
// folder), "Screen.zel" and "Custom.zel" in Settings.
struct TLibraryFolders {
    std::string Data;
    std::string Settings;
};

// Start-up loading: "Screen.zel", then "Custom.zel" (its weapons stand before the built-in
// ones of their type), the weapon, perk/flaw and movement libraries (override file or
// built-in block; each movement record numbered by its place in the data), then the six
// fixed defects. processMessages, when given, runs before the longer steps so a splash
// screen stays painted. Codec and file errors are not caught.
void LoadLibraries(TLibraries &libraries, const TLibraryFolders &folders,
                   const std::function<void()> &processMessages = {});
// The same with every file in one folder.
void LoadLibraries(TLibraries &libraries, const std::string &folder = ProgramFolder(),
                   const std::function<void()> &processMessages = {});

// Shutdown: writes "Screen.zel" (atomically) and "Custom.zel" (atomically, or deletes it
// when the custom list is empty) to the folder, then empties the lists.
void SaveSettings(TLibraries &libraries, const std::string &folder = SettingsFolder());

// The settings file name.
inline constexpr const char *kScreenFile = "Screen.zel";
