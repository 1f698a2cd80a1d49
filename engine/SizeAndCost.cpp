#include "engine/SizeAndCost.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/NumberFormat.h"
#include "base/RoundUp.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/ProductionTypes.h"
#include "engine/ThreatValue.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

namespace aw {

namespace {

// The nearest whole number, halves to even.
int64_t RoundHalfEvenToInt(double value) { return TruncToInt64(RoundHalfEven(value)); }

// Armour is raised one point at a time, each step with its three log lines. A damaged or
// extreme design can demand a billion points; they are added in one step, and only the first
// kLoggedArmorSteps steps are written, with one line saying how many more followed.
constexpr int64_t kLoggedArmorSteps = 1000;

// Raises the armour to `target` when it is below; returns true when it did.
bool RaiseArmor(BaseVehicle &vehicle, int64_t target, const char *reason)
{
    const int64_t missing = target - vehicle.Armor;
    if (missing <= 0)
        return false;
    if (LogEnabled()) {
        const int64_t logged = std::min(missing, kLoggedArmorSteps);
        for (int64_t i = 1; i <= logged; ++i) {
            LogLine(reason);
            LogLine("                    we changed something that affects TV...Armor is now ", vehicle.Armor + i);
            LogLine("                         we only increment the armor by 1... each time... so we don' over shoot");
        }
        if (missing > logged)
            LogLine("                   ... and ", missing - logged, " more armor the same way");
    }
    vehicle.Armor = static_cast<int32_t>(std::min<int64_t>(target, INT32_MAX));
    return true;
}

// The smallest whole number n with n * divisor >= value (divisor > 0).
int64_t CeilDiv(int64_t value, int64_t divisor) { return value / divisor + (value % divisor > 0 ? 1 : 0); }

// The weapon's minimum size as the carriage and emplacement size types mount it.
int64_t WeaponSizeNeed(const BaseVehicle &vehicle, const Weapon &weapon)
{
    int64_t need = weapon.EffectiveMinSize();
    if (vehicle.SizeType == SizeTypeCarriage || vehicle.SizeType == SizeTypeEmplacement)
        need -= 5;
    return need;
}

std::string WeaponTooLargeLine(const std::string &weaponName, int32_t finalSize)
{
    std::string text = "                    FinalSize was to small for weapon " + weaponName;
    if (text.size() > 118)
        text.resize(118);
    text += "... it is now ";
    if (text.size() > 132)
        text.resize(132);
    return text + number::Integer(finalSize);
}

int64_t PeopleAdded(const BaseVehicle &vehicle)
{
    return int64_t{vehicle.Flaws->AddedPpl()} + vehicle.Defects->AddedPpl() + vehicle.Perks->AddedPpl();
}

// Crew is added one by one, each step with its two log lines. A huge armour can demand
// millions; then only the first kLoggedCrewSteps steps are written, and one line says
// how many more followed, so the log stays readable and bounded.
constexpr int64_t kLoggedCrewSteps = 1000;

void AddCrew(BaseVehicle &vehicle, int64_t missing)
{
    if (LogEnabled()) {
        const int64_t logged = std::min(missing, kLoggedCrewSteps);
        for (int64_t i = 0; i < logged; ++i) {
            LogLine("                there is not enuf crew or or perk added crew... there should be 1 for ever 10 "
                    "final size points... rounded up... currenty ",
                    vehicle.Crew + i);
            LogLine("                   bumping it up by 1... will recalc the TV");
        }
        if (missing > logged)
            LogLine("                   ... and ", missing - logged, " more crew the same way");
    }
    vehicle.Crew = static_cast<int32_t>(std::min<int64_t>(vehicle.Crew + missing, INT32_MAX));
}

// One cycle of the constraint pass; returns the default size and sets changed when it
// raised the armour or the crew (both change the threat value).
int32_t ConstraintCycle(BaseVehicle &vehicle, bool &changed)
{
    LogLine("       DefaultSize Main loop... this loops until nothing changine the TV is changed");
    changed = false;

    int32_t size = static_cast<int32_t>(RoundHalfEvenToInt(std::cbrt(ThreatValue(vehicle))));
    LogLine("         the basic Default Size is ", int64_t{size});

    // The test uses the rounded fifth of the armour, the new size the rounded-up fifth.
    if (size < RoundHalfEvenToInt(vehicle.Armor / 5.0)) {
        size = RoundUp(vehicle.Armor / 5.0);
        LogLine("               the default size was to small... size !< Armor/5... armor is ", int64_t{vehicle.Armor});
        LogLine("                   Default Size is now ", int64_t{size});
    }

    if (RaiseArmor(vehicle, CeilDiv(size, 10),
                   "               not enuf armor... the armor can not be < 1/10 of the default size..."))
        changed = true;

    const WeaponList &weapons = *vehicle.Weapons;
    for (int i = 0; i < weapons.Count(); ++i) {
        const Weapon &weapon = weapons.Get(i);
        const int64_t need = std::min<int64_t>(WeaponSizeNeed(vehicle, weapon), INT32_MAX);
        if (need > vehicle.FinalSize) {
            vehicle.FinalSize = static_cast<int32_t>(need);
            if (LogEnabled())
                LogLine(WeaponTooLargeLine(weapon.Data.Name, vehicle.FinalSize));
        }
    }

    // The cap runs after the weapons, so it wins over a weapon's minimum size.
    if (int64_t{size} * 2 < vehicle.FinalSize) {
        vehicle.FinalSize = size * 2;
        LogLine("                    FinalSize was to large... the final size may only be upto 2 x the default size... "
                "it is now ",
                int64_t{vehicle.FinalSize});
    }
    const int64_t smallest = RoundHalfEvenToInt(size / 5.0);
    if (vehicle.FinalSize < smallest) {
        vehicle.FinalSize = static_cast<int32_t>(smallest);
        LogLine("                    FinalSize was to small... the final size may only be upto 1/5 of the default "
                "size... it is now ",
                int64_t{vehicle.FinalSize});
    }
    if (vehicle.FinalSize < 1) {
        vehicle.FinalSize = 1;
        LogLine("                  adjusting finalsize to 1... it was < 1");
    }

    if (RaiseArmor(vehicle, CeilDiv(vehicle.FinalSize, 2),
                   "               not enuf armor... the armor can not be < 1/2 of the final size..."))
        changed = true;

    // One crew for every 10 final size points, rounded up; drones and crewed vehicles are exempt.
    const int64_t crewNeeded = vehicle.FinalSize / 10 + (vehicle.FinalSize % 10 != 0 ? 1 : 0);
    const int64_t people = PeopleAdded(vehicle);
    if (vehicle.SizeType != SizeTypeDrone && vehicle.Crew == 0 && crewNeeded > people) {
        AddCrew(vehicle, crewNeeded - people);
        changed = true;
    }
    return size;
}

} // namespace

int32_t DefaultSize(BaseVehicle &vehicle)
{
    LogLine("    Default Size.... this is were we check for size constraints");
    bool changed = false;
    int32_t size = 0;
    do {
        size = ConstraintCycle(vehicle, changed);
    } while (changed);
    return size;
}

double PreProductionCost(BaseVehicle &vehicle)
{
    LogLine("    Getting the PreProduction Cost");
    // The TV is taken before this call's constraint pass.
    const double tv = ThreatValue(vehicle);
    const int32_t size = DefaultSize(vehicle);
    if (vehicle.FinalSize < 1) {
        LogLine("     increase the finalsize to 1");
        vehicle.FinalSize = 1;
    }
    const long double ratio = static_cast<long double>(size) / vehicle.FinalSize;
    const double cost = static_cast<double>(ratio * (static_cast<long double>(tv) * 1000.0L));
    LogLine("         Pre Production cost is (TV * 1000) * ( Default Size/ final size) = ", cost);
    return cost;
}

long double FinalCost(BaseVehicle &vehicle)
{
    LogLine("* final cost calcs!");
    long double cost = PreProductionCost(vehicle);

    const double multiplier = ProductionCostMultiplier(vehicle);
    LogLine("  Cost Multiplier is ", multiplier);
    cost *= multiplier;

    // None of these writes to the log, so all are taken before their lines are written.
    const std::pair<const char *, double> additions[] = {
        {"           Weapons add ", vehicle.Weapons->SportingCost()},
        {"           Perks add ", vehicle.Perks->AddedCost()},
        {"           Flaws add ", vehicle.Flaws->AddedCost()},
        {"           Defects add ", vehicle.Defects->AddedCost()},
    };
    for (const auto &[line, amount] : additions) {
        LogLine(line, amount);
        cost += amount;
    }

    cost *= vehicle.CurrencyMultiplier;
    LogLine("       Custom currency... multiply by ", vehicle.CurrencyMultiplier);
    LogLine("    Final Cost is ", static_cast<double>(cost));
    return cost;
}

double DefaultMass(const BaseVehicle &vehicle)
{
    const long double side = (vehicle.FinalSize + 0.5L) * 3.0L;
    return static_cast<double>(side * side * side);
}

int64_t DefaultCost(const BaseVehicle &vehicle) { return RoundHalfEvenToInt(ThreatValue(vehicle)) * 1000; }

namespace {

// Scratch-built vehicles, and custom ones without model dice, have no model dice.
bool HasNoModelDice(const BaseVehicle &vehicle)
{
    if (const ProductionType *type = StandardProductionType(vehicle.ProductionType))
        return type->ModelDice < 0;
    return vehicle.ProductionType == CustomProductionType && vehicle.CustomProduction.CustomModelDice == -1;
}

// Extra dice for the weapon perks and perks fitted: one per 5 items, per 10 on a flyer.
int32_t ItemDice(const BaseVehicle &vehicle)
{
    const int64_t items = int64_t{vehicle.Weapons->PerkItemCount()} + vehicle.Perks->TotalItems();
    return static_cast<int32_t>(items / (vehicle.Movement->AnyFlight() ? 10 : 5));
}

} // namespace

int32_t ModelLemonDice(const BaseVehicle &vehicle)
{
    if (HasNoModelDice(vehicle))
        return 0;
    const ProductionType *type = StandardProductionType(vehicle.ProductionType);
    const int64_t dice =
        int64_t{ItemDice(vehicle)} + (type ? type->ModelDice : vehicle.CustomProduction.CustomModelDice);
    return static_cast<int32_t>(std::clamp<int64_t>(dice, 0, INT32_MAX));
}

int32_t IndivLemonDice(const BaseVehicle &vehicle)
{
    const int64_t base = HasNoModelDice(vehicle) ? ItemDice(vehicle) : 0;
    const ProductionType *type = StandardProductionType(vehicle.ProductionType);
    const int64_t dice = base + (type ? type->IndivDice : vehicle.CustomProduction.CustomIndivDice);
    return SaturateInt32(dice);
}

} // namespace aw
