#include "engine/DesignResults.h"

#include "engine/SizeAndCost.h"
#include "engine/ThreatValue.h"
#include "engine/Vehicle.h"

namespace aw {

DesignResults ComputeResults(BaseVehicle &vehicle)
{
    // The order matters: the constraint pass inside the cost changes the design the
    // later values are taken from.
    DesignResults results;
    results.FinalCost = FinalCost(vehicle);
    results.ThreatValue = ThreatValue(vehicle);
    results.FinalSizeShown = vehicle.FinalSize;
    results.OTV = OTV(vehicle);
    results.DTV = DTV(vehicle);
    results.MTV = MTV(vehicle);
    results.DefaultSize = DefaultSize(vehicle);
    results.DefaultCost = DefaultCost(vehicle);
    results.DefaultMass = DefaultMass(vehicle);
    results.PreProductionCost = PreProductionCost(vehicle);
    results.FinalSize = vehicle.FinalSize;
    return results;
}

std::string ThreatValueText(double value, NumberSeparators separators) { return number::Fixed(value, 1, separators); }

std::string CostText(double value, NumberSeparators separators) { return number::Grouped(value, 2, separators); }

std::string DefaultMassText(double value, NumberSeparators separators)
{
    return number::General(value, 15, separators) + "kg";
}

std::string PreProductionCostText(double value, NumberSeparators separators)
{
    return number::Fixed(value, 2, separators);
}

ResultTexts FormatResults(const DesignResults &results, const std::string &currencyName, NumberSeparators separators)
{
    ResultTexts texts;
    texts.FinalCost = CostText(static_cast<double>(results.FinalCost), separators) + " " + currencyName;
    texts.ThreatValue = ThreatValueText(results.ThreatValue, separators);
    texts.FinalSizeShown = number::Integer(results.FinalSizeShown);
    texts.OTV = ThreatValueText(results.OTV, separators);
    texts.DTV = ThreatValueText(results.DTV, separators);
    texts.MTV = ThreatValueText(results.MTV, separators);
    texts.DefaultSize = number::Integer(results.DefaultSize);
    texts.DefaultCost = number::Integer(results.DefaultCost);
    texts.DefaultMass = DefaultMassText(results.DefaultMass, separators);
    texts.PreProductionCost = PreProductionCostText(results.PreProductionCost, separators);
    texts.FinalSize = number::Integer(results.FinalSize);
    return texts;
}

} // namespace aw
