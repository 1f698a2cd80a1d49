#pragma once

#include "output/PrintJob.h"

#include <string>
#include <vector>

namespace aw {

// Print jobs, rows and template files shared by the sheet tests, fuzz targets and benchmarks.
namespace sheettest {

// The built-in text and HTML sheet templates as shipped.
std::string TextTemplate();
std::string HtmlTemplate();

PrintMovementRow Movement(std::string name, int top, int combat, int stall, int maneuver, double topKph,
                          double combatKph, double stallKph);

// ranges: short, medium, long and extreme.
PrintWeaponRow Weapon(std::string name, std::string code, std::string arc, std::vector<int> ranges, int accuracy,
                      int damage, int quantity, std::string special, int ammo, std::string rof);

// A row of further ammunition under a weapon.
PrintWeaponRow AmmoRow(std::string special, int ammo);

// A design with every kind of value: four movement systems (stall on the second and fourth),
// weapons with further ammunition and a spare clip, perks, flaws and a defect.
PrintJob FullSheetJob();

// The print job of the sample design with every kind of content (made once).
const PrintJob &EverythingJob();

} // namespace sheettest

} // namespace aw
