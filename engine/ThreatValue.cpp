#include "engine/ThreatValue.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/RoundUp.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/PerkVehicleData.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <cstdint>

namespace aw {

// Products are formed in extended precision (long double) and stored back to a double
// after each step, so the log shows the same figures the rules compute.

namespace {

// Rounds a partial value up, logs it, and brings a negative result to 0 with its own line.
double RoundUpNotNegative(double value, const std::string &resultText, const char *clampedLine)
{
    double result = RoundUp(value);
    LogLine(resultText, result);
    if (result < 0) {
        result = 0;
        LogLine(clampedLine);
    }
    return result;
}

} // namespace

long double FireControlMultiplier(int fireControl)
{
    static constexpr long double table[] = {0.167L, 0.2L, 0.25L, 0.333L, 0.5L, 1.0L, 2.0L, 6.0L, 24.0L, 120.0L, 700.0L};
    if (fireControl < -5 || fireControl > 5)
        return 0.0L;
    return table[fireControl + 5];
}

long double ManeuverMultiplier(int maneuver)
{
    static constexpr long double table[] = {0.167L, 0.182L, 0.2L,    0.222L,  0.25L,    0.286L,    0.333L,
                                            0.4L,   0.5L,   0.667L,  1.0L,    1.5L,     3.0L,      9.0L,
                                            36.0L,  180.0L, 1000.0L, 7500.0L, 60000.0L, 550000.0L, 5500000.0L};
    if (maneuver < -10 || maneuver > 10)
        return 0.0L;
    return table[maneuver + 10];
}

double OTV(const BaseVehicle &vehicle)
{
    LogLine("  Begining OTV");
    const double subtotal = vehicle.Weapons->OTVSubtotal(vehicle.FinalSize);

    const long double multiplier = FireControlMultiplier(vehicle.FireControl);
    LogLine("    OTV Multiplier is ", static_cast<double>(multiplier));

    // The perk lists are asked in this order so their log lines appear in it.
    long double insideSum = subtotal;
    insideSum += vehicle.Perks->AddedInsideOTV();
    insideSum += vehicle.Flaws->AddedInsideOTV();
    insideSum += vehicle.Defects->AddedInsideOTV();
    const double inside = static_cast<double>(insideSum);
    LogLine("       Total Inside OTV is ", inside);

    long double outsideSum = vehicle.Perks->AddedOutSideOTV();
    outsideSum += vehicle.Flaws->AddedOutSideOTV();
    outsideSum += vehicle.Defects->AddedOutSideOTV();
    const double outside = static_cast<double>(outsideSum);
    LogLine("       Total OutSide OTV is ", outside);

    const double total = static_cast<double>(static_cast<long double>(inside) * multiplier + outside);
    return RoundUpNotNegative(total, "    OTV is (Inside * Mult) + OutSide... ", "        OTV brought to 0");
}

double DTV(const BaseVehicle &vehicle)
{
    LogLine("   DTV now.....");
    // 64 bits: the square of an armour above 46340 does not fit 32.
    const int64_t squared = static_cast<int64_t>(vehicle.Armor) * vehicle.Armor;
    double d = static_cast<double>(squared);
    LogLine("     Armor Squared = ", squared);

    const MovementList &movement = *vehicle.Movement;
    const int systems = movement.Count();
    if (systems >= 1) {
        const long double fastest = movement.FastestSpeed();
        const long double stall = movement.FastestStall();
        const double margin = static_cast<double>(fastest - stall * 3.0L);
        long double term;
        if (systems >= 2) {
            const double others = movement.SumOfOthers();
            LogLine("       Muliple Movement systems");
            LogLine("         Fastest ", static_cast<double>(fastest));
            LogLine("         Fastest's stall speed = ", static_cast<double>(stall));
            LogLine("         Fastest minus (stall speed) x 3 = ", margin);
            LogLine("         Sum of the Others = ", others);
            const long double a = margin / 25.0L;
            const long double b = others / 6.0L;
            term = a * a * a + b * b;
            LogLine("          (( fastest -( Fastest Stall 8 3)) /25)^3 + (SumOfOthers /6)^2 = ",
                    static_cast<double>(term));
        } else {
            LogLine("       One Movement System");
            LogLine("         KPH ", static_cast<double>(fastest));
            LogLine("         stall speed = ", static_cast<double>(stall));
            LogLine("         KPH minus (stall speed) x 3 = ", margin);
            const long double a = margin / 40.0L;
            term = a * a * a;
            LogLine("         ((Speed - ( stall * 3)) /40)^3 = ", static_cast<double>(term));
        }
        d = static_cast<double>(d + static_cast<long double>(static_cast<double>(term)));
    }

    const long double multiplier = ManeuverMultiplier(vehicle.Maneuver);
    d = static_cast<double>(d * multiplier);
    LogLine("         Defensive Mult = ", static_cast<double>(multiplier));

    return RoundUpNotNegative(d, "        Final DTV = ", "         the DTV was < 0.... is now )");
}

double MTV(const BaseVehicle &vehicle)
{
    LogLine("     MTV Calcs");
    const long double actions = CrewActions(vehicle.Crew);
    double t = static_cast<double>(actions * actions * actions);
    LogLine("       Crew Actions^3 = ", t);

    const long double comm = vehicle.CommRange / 10.0L;
    t = static_cast<double>(t + comm * comm * comm);
    LogLine("        Plus (CommRange/10)^3 = ", t);

    // The cube is the rule; the log text has always said "^2".
    const long double sensor = vehicle.SensorRange / 2.0L;
    t = static_cast<double>(t + sensor * sensor * sensor);
    LogLine("        Plus (SensorRange/2)^2 = ", t);

    const long double deployment = vehicle.Deployment / 50.0L;
    t = static_cast<double>(t + deployment * deployment);
    LogLine("        Plus (Deployment /50) = ", t);

    // Evaluated in this order so the log sections appear in it; defects take no part.
    long double group = vehicle.Movement->ManeuverFlawValue();
    group += static_cast<long double>(vehicle.SensorRating) + vehicle.CommRating;
    group += vehicle.Weapons->TotalPerkCost();
    group += vehicle.Perks->Rating();
    group += vehicle.Flaws->Rating();
    double g = static_cast<double>(group);
    LogLine("           Sensor + Comm + Perks + Flaws = ", g);

    if (g < 0)
        g = 0;
    t = static_cast<double>(t + static_cast<long double>(g) * g);
    if (t < 0)
        t = 0;
    const double mtv = RoundUp(t);
    LogLine("          MTV Total = ", mtv);
    return mtv;
}

double ThreatValue(const BaseVehicle &vehicle)
{
    LogLine("*Begining Threat Value Calcs");
    const double o = OTV(vehicle);
    const double d = DTV(vehicle);
    const double m = MTV(vehicle);
    const double sum = RoundHalfEven(o + d + m);
    double p = sum / 3.0;
    if (vehicle.Weapons->HasMassDestruction()) {
        LogLine("  Pre Threat Value = ", p);
        LogLine("   MASS DISTRUCTION WEAPONS");
        p = MultiplyExtended(p, 50.0L);
    }
    const double tv = RoundUp(p);
    LogLine(" Threat Value = ", tv);
    return tv;
}

} // namespace aw
