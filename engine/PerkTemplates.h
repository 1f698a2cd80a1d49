#pragma once

#include "engine/PerkRecord.h"

#include <vector>

// The three kinds of entry a design lists.
enum class TPerkKind { Perk, Flaw, Defect };

// The six fixed defects the program offers, in their order: "Structural Weakness",
// "Electronic Glitch", "Movement System Defect", "Annoyance Flaw", "Minor Flaw", "MajorFlaw".
std::vector<TPerkRecord> DefectTemplates();

// A new custom entry of a kind ("Custom Perk", "Custom Flaw", "Custom Defect"), to be
// configured by the user.
TPerkRecord CustomEntryTemplate(TPerkKind kind);
