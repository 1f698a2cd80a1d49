#pragma once

#include "weapons/WeaponRecord.h"

#include <string>
#include <vector>

namespace aw {

class AmmoProfiles;

// The column header of the weapon table, in order.
const std::vector<std::string> &WeaponTableColumns();

// Reads the weapon table: "[Tab caption]" sections ("Cannons" ... "Close Combat") and one
// row per weapon. Each row becomes a record of its tab's weapon type, with the defaults
// of a new weapon for everything the table does not give. Checks lengths, flags, ammunition
// codes and that default and free ammunition are allowed. Throws DataGenError.
std::vector<WeaponRecord> ReadWeaponTable(const std::string &text, const std::string &source,
                                          const AmmoProfiles &profiles);

} // namespace aw
