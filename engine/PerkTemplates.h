#pragma once

#include "engine/PerkRecord.h"

#include <vector>

namespace aw {

// The three kinds of entry a design lists.
enum class PerkKind { Perk, Flaw, Defect };

// The six fixed defects the program offers, in their order: "Structural Weakness",
// "Electronic Glitch", "Movement System Defect", "Annoyance Flaw", "Minor Flaw", "MajorFlaw".
std::vector<PerkRecord> DefectTemplates();

// A new custom entry of a kind ("Custom Perk", "Custom Flaw", "Custom Defect"), to be
// configured by the user.
PerkRecord CustomEntryTemplate(PerkKind kind);

} // namespace aw
