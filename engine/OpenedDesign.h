#pragma once

#include "engine/DesignResults.h"

namespace aw {

class BaseVehicle;
class MovementList;

// The corrections the editor makes to the movement systems as it shows them: a negative
// top speed becomes 0, a stall speed above the top speed becomes the top speed, and on
// the primary and secondary systems a positive maneuver becomes 0.
// Returns true when it changed a system.
bool NormalizeMovementSystems(MovementList &movement);

// Brings a design just read from a file into the state the editor holds once it has
// shown it: the production type shown as custom when above 7, the production, movement
// and general refreshes each recomputing every result (the constraint pass may raise
// armour, final size and crew). Returns the results of the last refresh.
DesignResults SettleOpenedDesign(BaseVehicle &vehicle);

} // namespace aw
