#pragma once

#include "output/PrintRowList.h"
#include "weapons/PrintRows.h"

namespace aw {

// The weapons block of a sheet: weapon lines, further ammunition sections and spare clips.
using PrintWeaponList = PrintRowList<PrintWeaponRow>;

} // namespace aw
