#include "engine/ProductionTypes.h"

#include "engine/Vehicle.h"

namespace aw {

namespace {

// The testbed panel shows "2" individual dice, while the rules use 1.
constexpr ProductionType g_types[StandardProductionTypeCount] = {
    {"Testbed Prototype", "New Tech", 12, "2", 1, "100x", 100.0},
    {"Early Prototype", "New Model", 8, "1", 1, "20x", 20.0},
    {"Late Prototype", "New Model", 4, "1", 1, "5x", 5.0},
    {"Early Production", "New Release", 3, "3", 3, "1x", 1.0},
    {"Limited Production", "High End Model", 1, "2", 2, "2x", 2.0},
    {"Mass Produced", "Common Model", 2, "3", 3, "0.5x", 0.5},
    {"Scratch Built", "Patchwork Mess", -1, "10", 10, "0.2x", 0.2},
};

} // namespace

const ProductionType *StandardProductionType(int32_t productionType)
{
    if (productionType < 0 || productionType >= StandardProductionTypeCount)
        return nullptr;
    return &g_types[productionType];
}

std::string ProductionName(const BaseVehicle &vehicle)
{
    if (const ProductionType *type = StandardProductionType(vehicle.ProductionType))
        return type->Name;
    if (vehicle.ProductionType == CustomProductionType)
        return vehicle.CustomProduction.CustomName;
    return {};
}

std::string ModelDicePanelText(int32_t productionType)
{
    const ProductionType *type = StandardProductionType(productionType);
    if (!type)
        return {};
    return type->ModelDice < 0 ? "-" : std::to_string(type->ModelDice);
}

double ProductionCostMultiplier(const BaseVehicle &vehicle)
{
    if (const ProductionType *type = StandardProductionType(vehicle.ProductionType))
        return type->CostMultiplier;
    if (vehicle.ProductionType == CustomProductionType)
        return vehicle.CustomProduction.CustomCostMultiplier;
    return 0.0;
}

bool NormalizeProductionType(BaseVehicle &vehicle)
{
    if (vehicle.ProductionType <= CustomProductionType)
        return false;
    vehicle.ProductionType = CustomProductionType;
    return true;
}

} // namespace aw
