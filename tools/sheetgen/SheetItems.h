#pragma once

#include "output/SheetLayout.h"

#include <vector>

namespace aw {

// The 263 drawing items of the built-in record sheet, in stored order: the name label, the
// picture frame, the 50 armour boxes, the single labels, then the weapon, perk, flaw and
// defect table rows.
std::vector<SheetItem> BuiltInSheetItems();

} // namespace aw
