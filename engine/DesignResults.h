#pragma once

#include "base/NumberFormat.h"

#include <cstdint>
#include <string>

namespace aw {

class BaseVehicle;

// Everything the editor's results area shows, as computed by one refresh.
struct DesignResults {
    long double FinalCost = 0;
    double ThreatValue = 0;
    int32_t FinalSizeShown = 0; // the final size beside the threat values
    double OTV = 0;
    double DTV = 0;
    double MTV = 0;
    int32_t DefaultSize = 0;
    int64_t DefaultCost = 0;
    double DefaultMass = 0;
    double PreProductionCost = 0;
    int32_t FinalSize = 0; // the final size once every calculation has run
};

// The results as the editor's labels show them.
struct ResultTexts {
    std::string FinalCost;   // grouped, 2 decimals, " " + currency name
    std::string ThreatValue; // fixed, 1 decimal
    std::string FinalSizeShown;
    std::string OTV;
    std::string DTV;
    std::string MTV;
    std::string DefaultSize;
    std::string DefaultCost;
    std::string DefaultMass;       // general + "kg"
    std::string PreProductionCost; // fixed, 2 decimals
    std::string FinalSize;
};

// Runs the editor's refresh on the design: final cost (which runs the constraint pass),
// threat value, OTV, DTV, MTV, default size (the pass again), default cost, default mass
// and pre-production cost, in this order. May raise Armor, FinalSize and Crew.
DesignResults ComputeResults(BaseVehicle &vehicle);

// A threat value (TV, OTV, DTV, MTV) as the results show it: fixed, 1 decimal, no grouping.
std::string ThreatValueText(double value, NumberSeparators separators = {});
// The final cost as the results show it, before the currency name: grouped, 2 decimals.
std::string CostText(double value, NumberSeparators separators = {});
// The default mass as the results show it: general, 15 digits, then "kg".
std::string DefaultMassText(double value, NumberSeparators separators = {});
// The pre-production cost as the results show it: fixed, 2 decimals.
std::string PreProductionCostText(double value, NumberSeparators separators = {});

ResultTexts FormatResults(const DesignResults &results, const std::string &currencyName,
                          NumberSeparators separators = {});

} // namespace aw
