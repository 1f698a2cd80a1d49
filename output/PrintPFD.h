#pragma once

#include "output/PrintRowList.h"
#include "weapons/PrintRows.h"

namespace aw {

// The perk, flaw or defect block of a sheet.
using PrintPFDList = PrintRowList<PrintPFDRow>;

} // namespace aw
