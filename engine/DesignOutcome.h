#pragma once

#include "engine/DesignResults.h"

#include <cstdint>

namespace aw {

class BaseVehicle;

// Every result the editor shows for a design: the results area and the lemon dice of the
// production panel and the Defects tab.
struct DesignOutcome {
    DesignResults Results;
    int32_t ModelLemonDice = 0;
    int32_t IndivLemonDice = 0;
};

// The outcome of a design whose results were just computed (ComputeResults or
// SettleOpenedDesign); adds the lemon dice.
DesignOutcome DesignOutcomeOf(const BaseVehicle &vehicle, const DesignResults &results);

// The outcome's values by name, in the order the editor shows them. f(name, value) with
// value a long double, double, int32_t or int64_t.
template <typename F> void ForEachOutcomeField(const DesignOutcome &o, F &&f)
{
    f("FinalCost", o.Results.FinalCost);
    f("ThreatValue", o.Results.ThreatValue);
    f("OTV", o.Results.OTV);
    f("DTV", o.Results.DTV);
    f("MTV", o.Results.MTV);
    f("FinalSize", o.Results.FinalSize);
    f("DefaultSize", o.Results.DefaultSize);
    f("DefaultCost", o.Results.DefaultCost);
    f("DefaultMass", o.Results.DefaultMass);
    f("PreProductionCost", o.Results.PreProductionCost);
    f("ModelLemonDice", o.ModelLemonDice);
    f("IndivLemonDice", o.IndivLemonDice);
}

} // namespace aw
