#pragma once

#include "base/Files.h"

#include <array>
#include <string>
#include <vector>

namespace aw {

// The eight word lists of the Info page's combo boxes, in order: vehicle type, use,
// manufacturer, affiliation, engine type, engine output, armour material, armour thickness.
using DropDownLists = std::array<std::vector<std::string>, 8>;

// Splits the drop-down text into lines (ending at CR, LF or CR LF; text after the last
// line end is a last line when not empty; lines are kept exactly, an empty line is an
// empty entry) and deals them out: a line of exactly "|" ends a list. Lists the lines do
// not reach stay empty; lines after the eighth list's end are ignored.
DropDownLists SplitDropDownLists(const std::string &text);

// The lists from "DropDown.zel" in the folder, or from the built-in block.
DropDownLists LoadDropDownLists(const std::string &folder = ProgramFolder());

} // namespace aw
