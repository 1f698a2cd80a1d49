#pragma once

#include "base/NumberFormat.h"

#include <string>

namespace aw {

// The thousands and decimal separators of a named locale ("de_DE", "fr_FR"), for the
// --locale option. An empty name gives "," and ".". Throws CliUsage for a name Qt does not
// know and for separators that have no single Windows-1252 character.
NumberSeparators LocaleSeparators(const std::string &name);

} // namespace aw
