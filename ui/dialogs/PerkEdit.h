#pragma once

#include "engine/PerkRecord.h"

#include <functional>

namespace aw {

// One change the user made to the perk editor's working record.
using PerkEdit = std::function<void(PerkRecord &)>;
// Where a control hands its change: the editor applies it and refreshes every control.
using PerkChange = std::function<void(const PerkEdit &)>;

} // namespace aw
