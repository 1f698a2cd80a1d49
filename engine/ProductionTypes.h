#pragma once

#include <cstdint>
#include <string>

namespace aw {

class BaseVehicle;

// One row of the standard production types (ProductionType 0..6). The panel texts are
// what the production panel shows; the numbers are what the lemon dice and cost use.
struct ProductionType {
    const char *Name;
    const char *Remark;
    int32_t ModelDice; // -1: none ("-" on the panel)
    const char *IndivDicePanel;
    int32_t IndivDice; // the value the rules use (may differ from the panel text)
    const char *CostMultiplierPanel;
    double CostMultiplier;
};

constexpr int32_t StandardProductionTypeCount = 7;
constexpr int32_t CustomProductionType = 7;

// The row of a standard type, or nullptr for 7 (custom) and every other value.
const ProductionType *StandardProductionType(int32_t productionType);

// The production name a sheet shows: the standard name, CustomName for 7, else empty.
std::string ProductionName(const BaseVehicle &vehicle);

// The "Model" panel text of a standard type ("12", "-", ...); empty otherwise.
std::string ModelDicePanelText(int32_t productionType);

// The cost multiplier of the vehicle's production type; 0 for a value outside 0..7.
double ProductionCostMultiplier(const BaseVehicle &vehicle);

// The editor treats every type above 7 as custom: brings such a value down to 7.
// Returns true when it changed the design.
bool NormalizeProductionType(BaseVehicle &vehicle);

} // namespace aw
