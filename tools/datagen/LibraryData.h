#pragma once

#include "engine/MovementRecord.h"
#include "engine/PerkRecord.h"
#include "weapons/WeaponRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// The built-in libraries as read from the source tables of the data folder:
// weapons.txt (with ammo-profiles.txt), perks.txt then flaws.txt, movement.txt and
// dropdown.txt.
struct LibraryData {
    std::vector<WeaponRecord> Weapons;
    std::vector<PerkRecord> PerksAndFlaws; // perks first, then flaws; EntryId 1, 2, 3, ...
    std::vector<MovementRecord> Movement;
    std::string DropDown; // the stored text, CR LF line ends
};

// Reads and checks every table of dataDir. Throws DataGenError for bad content and
// FileError for a file that cannot be read.
LibraryData ReadLibraryData(const std::string &dataDir);

// The raw (uncompressed) data blocks: records back to back, no header or count.
std::vector<uint8_t> WeaponsBlock(const std::vector<WeaponRecord> &records);
std::vector<uint8_t> PerksBlock(const std::vector<PerkRecord> &records);
std::vector<uint8_t> MovementBlock(const std::vector<MovementRecord> &records);

// Writes WEAPONS.bin, PFD.bin, MOVEMENT.bin and DROPDOWN.bin into outDir.
void WriteLibraryBlocks(const LibraryData &data, const std::string &outDir);

} // namespace aw
