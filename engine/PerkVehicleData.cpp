#include "engine/PerkVehicleData.h"

#include "base/ExtendedMath.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"

#include <bit>

namespace aw {

int32_t CrewActions(int64_t crew)
{
    // No crew (or a negative count from custom entries that remove crew) has no actions,
    // rather than the logarithm of zero or of a negative number.
    if (crew <= 0)
        return 0;
    return static_cast<int32_t>(std::bit_width(static_cast<uint64_t>(crew)));
}

PerkVehicleData PerkVehicleDataOf(const BaseVehicle &vehicle)
{
    const PerkList *lists[] = {vehicle.Perks.get(), vehicle.Flaws.get(), vehicle.Defects.get()};
    int64_t crew = vehicle.Crew;
    int64_t addedActions = 0;
    int64_t people = vehicle.Crew;
    for (const PerkList *list : lists) {
        if (!list)
            continue;
        crew += list->Addedcrew();
        addedActions += list->AddedActions();
        people += list->AddedPpl();
    }
    PerkVehicleData data;
    data.Actions = SaturateInt32(CrewActions(crew) + addedActions);
    data.People = SaturateInt32(people);
    data.Size = vehicle.FinalSize;
    data.ArmorValue = vehicle.Armor;
    data.CrewValue = vehicle.Crew;
    return data;
}

} // namespace aw
