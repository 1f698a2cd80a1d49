#include "engine/DesignOutcome.h"

#include "engine/SizeAndCost.h"

TDesignOutcome DesignOutcome(const TBaseVehicle &vehicle, const TDesignResults &results)
{
    TDesignOutcome outcome;
    outcome.Results = results;
    outcome.ModelLemonDice = ModelLemonDice(vehicle);
    outcome.IndivLemonDice = IndivLemonDice(vehicle);
    return outcome;
}
