#include "engine/DesignResults.h"

#include "engine/SizeAndCost.h"
#include "engine/ThreatValue.h"
#include "engine/Vehicle.h"

TDesignResults ComputeResults(TBaseVehicle &vehicle)
{
    // The order matters: the constraint pass inside the cost changes the design the
    // later values are taken from.
    TDesignResults results;
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

TResultTexts FormatResults(const TDesignResults &results, const std::string &currencyName,
                           NumberSeparators separators)
{
    TResultTexts texts;
    texts.FinalCost = fmt::Grouped(static_cast<double>(results.FinalCost), 2, separators) + " " + currencyName;
    texts.ThreatValue = fmt::Fixed(results.ThreatValue, 1, separators);
    texts.FinalSizeShown = fmt::Integer(results.FinalSizeShown);
    texts.OTV = fmt::Fixed(results.OTV, 1, separators);
    texts.DTV = fmt::Fixed(results.DTV, 1, separators);
    texts.MTV = fmt::Fixed(results.MTV, 1, separators);
    texts.DefaultSize = fmt::Integer(results.DefaultSize);
    texts.DefaultCost = fmt::Integer(results.DefaultCost);
    texts.DefaultMass = fmt::General(results.DefaultMass, 15, separators) + "kg";
    texts.PreProductionCost = fmt::Fixed(results.PreProductionCost, 2, separators);
    texts.FinalSize = fmt::Integer(results.FinalSize);
    return texts;
}
