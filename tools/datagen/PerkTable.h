#pragma once

#include "engine/PerkRecord.h"

#include <string>
#include <vector>

namespace aw {

// Reads a perk or flaw table: "[Name]" blocks of "Field = value" lines naming fields
// of the perk record; an optional first block "[*]" gives defaults for every entry.
// Fields not given keep their cleared values; Amount stays 1 and EntryId 0 (the
// library numbers the entries). Checks field names, number forms, text lengths, the
// formula, arc, location and rounding ranges and the effect-text tokens.
// Throws DataGenError.
std::vector<PerkRecord> ReadPerkTable(const std::string &text, const std::string &source);

// The effect-text tokens a template may use.
const std::vector<std::string> &EffectTextTokens();

} // namespace aw
