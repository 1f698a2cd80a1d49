#pragma once

#include "base/ArmorwrightError.h"
#include "base/Files.h"
#include "base/SettingsFolder.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "storage/WindowPositionStore.h"
#include "weapons/BaseWeaponList.h"
#include "weapons/WeaponTexts.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

    // Set by LoadLibraries when "Custom.zel" is there but could not be read: SaveSettings
    // then never overwrites or deletes it.
    bool CustomFileUnreadable = false;
    // The records "Custom.zel" holds, when that is known (no file: an empty list); until the
    // user has a file of their own, those of the program folder's file. A list that
    // has not changed is not written again, and a changed one goes on top of what the file
    // holds by then, so closing one window of the program does not take back what another
    // saved meanwhile.
    std::optional<std::vector<WeaponRecord>> CustomFileHolds;
    // The program folder when the settings are kept apart from it: its "Custom.zel" is read
    // while the settings folder has none of its own. Empty when both are one folder.
    std::string CustomFallbackFolder;
    // The entries of the custom list that came from the override "Weapons.zel": shown with
    // the user's own, never written to "Custom.zel", which would add them again at each start.
    std::vector<WeaponRecord> CustomFromWeaponsFile;

    // Every list emptied, every position and layout value back to -1, nothing unreadable.
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

// Some library files could not be read; everything else was loaded. The message has a
// line for each such file, naming it.
class LibraryLoadError : public ArmorwrightError {
public:
    using ArmorwrightError::ArmorwrightError;
};

// Start-up loading: "Screen.zel", then "Custom.zel" (its weapons stand before the built-in
// ones of their type), the weapon, perk/flaw and movement libraries (override file or
// built-in block; each movement record numbered by its place in the data), then the six
// fixed defects. processMessages, when given, runs before the longer steps so a splash
// screen stays painted. A file that cannot be read leaves its lists empty and does not stop
// the others; once all are done, LibraryLoadError reports every such file.
void LoadLibraries(Libraries &libraries, const LibraryFolders &folders,
                   const std::function<void()> &processMessages = {});
// The same with every file in one folder.
void LoadLibraries(Libraries &libraries, const std::string &folder = ProgramFolder(),
                   const std::function<void()> &processMessages = {});

// Writes the custom list (less the entries from "Weapons.zel") to "Custom.zel" in the
// folder, or deletes the file when the list is empty (keeps it as a file of no records while
// a "Custom.zel" of the program folder would be read in its place); nothing when the file
// holds the list already. When another window of the program has saved the file since, the
// list becomes the file's with this one's changes on top, also when the list was read from
// the program folder. A "Custom.zel" that could not be read is left as it
// is while the list is empty; at the first save it is read again, and kept under another
// name (SetAsideCustomWeaponFile) only when it still cannot be read. Returns what the player
// is to be told of that (UTF-8, naming both files), or "".
std::string SaveCustomWeapons(Libraries &libraries, const std::string &folder = SettingsFolder());

// Shutdown: writes "Screen.zel" (atomically) and the custom weapons (SaveCustomWeapons) to
// the folder, then empties the lists. Both are tried; when either fails, FileError has a
// line for each file that could not be written, and the lists stay. Returns what
// SaveCustomWeapons has to tell.
std::string SaveSettings(Libraries &libraries, const std::string &folder = SettingsFolder());

// The settings file name.
inline constexpr const char *kScreenFile = "Screen.zel";

} // namespace aw
