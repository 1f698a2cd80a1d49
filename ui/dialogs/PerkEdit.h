#pragma once

#include "engine/PerkRecord.h"

#include <functional>

// One change the user made to the perk editor's working record.
using TPerkEdit = std::function<void(TPerkRecord &)>;
// Where a control hands its change: the editor applies it and refreshes every control.
using TPerkChange = std::function<void(const TPerkEdit &)>;
