#include "engine/DesignOutcome.h"

#include "engine/SizeAndCost.h"

namespace aw {

DesignOutcome DesignOutcomeOf(const BaseVehicle &vehicle, const DesignResults &results)
{
    DesignOutcome outcome;
    outcome.Results = results;
    outcome.ModelLemonDice = ModelLemonDice(vehicle);
    outcome.IndivLemonDice = IndivLemonDice(vehicle);
    return outcome;
}

} // namespace aw
