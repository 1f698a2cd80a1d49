#pragma once

#include "base/SettingsFolder.h"
#include "weapons/BaseWeaponList.h"

#include <string>
#include <vector>

namespace aw {

// "Custom.zel": the user's custom weapons, a compressed container of 266-byte weapon
// records in list order.
inline constexpr const char *kCustomWeaponFile = "Custom.zel";

// The records of "Custom.zel" in the folder (none when the file does not exist). A file
// that is not a valid container, or whose content is not a whole number of records, fails
// with an LZHException naming it and giving the reason; one that is not a plain file (a
// folder, a pipe) fails with FileError.
std::vector<WeaponRecord> ReadCustomWeaponFile(const std::string &folder = SettingsFolder());

// Writes the custom list to "Custom.zel" atomically, or deletes the file when the list is
// empty. The editor calls this whenever the custom list changes, and at shutdown.
void SaveCustomWeaponFile(const BaseWeaponList &custom, const std::string &folder = SettingsFolder());
// Writes the custom list to "Custom.zel" atomically, an empty list as a file of no records.
void WriteCustomWeaponFile(const BaseWeaponList &custom, const std::string &folder);

// The custom records of the file as another window of the program left it (`inFile`), with
// the changes this window made since the file held `known` on top: the records it added go
// at the end, the ones it removed come out.
std::vector<WeaponRecord> MergeCustomWeapons(const std::vector<WeaponRecord> &inFile,
                                             const std::vector<WeaponRecord> &known,
                                             const std::vector<WeaponRecord> &ours);

// Takes one equal record out of `records` for each of `entries`; returns the entries that
// were found there.
std::vector<WeaponRecord> TakeOutWeapons(std::vector<WeaponRecord> &records, const std::vector<WeaponRecord> &entries);

// Keeps a "Custom.zel" that could not be read under the first free name of
// "Custom.zel.damaged", "Custom.zel.damaged-2", ...; returns the new path, or "" when the
// file is no longer there.
std::string SetAsideCustomWeaponFile(const std::string &folder = SettingsFolder());

} // namespace aw
