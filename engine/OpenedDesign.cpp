#include "engine/OpenedDesign.h"

#include "engine/MovementList.h"
#include "engine/ProductionTypes.h"
#include "engine/Vehicle.h"

#include <cmath>

namespace aw {

bool NormalizeMovementSystems(MovementList &movement)
{
    bool changed = false;
    for (int i = 0; i < movement.Count(); ++i) {
        MovementRecord record = movement.Get(i);
        const MovementRecord before = record;
        // A speed that is no number or endless (a damaged file) counts as none, as a negative one.
        if (!std::isfinite(record.TopSpeed) || record.TopSpeed < 0)
            record.TopSpeed = 0;
        if (record.StallSpeed > record.TopSpeed)
            record.StallSpeed = record.TopSpeed;
        // A stall speed below 0 means none; taken as it is, it would raise the defensive value.
        if (!(record.StallSpeed >= 0))
            record.StallSpeed = 0;
        // Only the primary and secondary editors keep the maneuver at or below 0.
        if (i < 2 && record.Maneuver > 0)
            record.Maneuver = 0;
        if (!(record == before)) {
            movement.Set(i, record);
            changed = true;
        }
    }
    return changed;
}

DesignResults SettleOpenedDesign(BaseVehicle &vehicle)
{
    // Showing the production panel, then the movement systems, then the general page;
    // each ends with a full refresh of the results.
    NormalizeProductionType(vehicle);
    ComputeResults(vehicle);
    NormalizeMovementSystems(*vehicle.Movement);
    ComputeResults(vehicle);
    return ComputeResults(vehicle);
}

} // namespace aw
