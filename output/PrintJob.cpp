#include "output/PrintJob.h"

#include "base/ExtendedMath.h"
#include "engine/ManeuverFlawRows.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "engine/ProductionTypes.h"
#include "engine/SizeAndCost.h"
#include "engine/ThreatValue.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponList.h"

#include <bit>

namespace aw {

namespace {

// The sheet's actions figure: the whole part of log2 of the crew plus the crew the perks add.
// Without crew (log2 undefined) it is 0, as in the perk formulas.
int32_t SheetCrewActions(int64_t crew)
{
    if (crew < 1)
        return 0;
    return static_cast<int32_t>(std::bit_width(static_cast<uint64_t>(crew))) - 1;
}

void AddRows(const std::vector<PrintPFDRow> &from, PrintPFDList &rows)
{
    for (const PrintPFDRow &row : from)
        rows.Add(row);
}

void AddManeuverFlawRows(const MovementList &movement, PrintPFDList &rows)
{
    for (const ManeuverFlawRow &row : ManeuverFlawRows(movement))
        rows.Add({kManeuverFlawName, number::Signed(row.Maneuver), row.Effect, "", 0});
}

} // namespace

PrintJob MakePrintJob(BaseVehicle &vehicle, NumberSeparators separators)
{
    PrintJob job;
    job.Name = vehicle.Name;
    job.Availability = vehicle.Availability;
    job.NumberOnField = vehicle.NumberOnField;
    job.Picture = vehicle.Picture;
    job.Armor = vehicle.Armor;
    job.Size = vehicle.FinalSize;

    // Summed in 64 bits: a damaged design's counts can add up beyond 32 bits; the sheet shows the limit.
    job.Crew = SaturateInt32(int64_t{vehicle.Crew} + vehicle.Perks->Addedcrew() + vehicle.Flaws->Addedcrew() +
                             vehicle.Defects->Addedcrew());
    job.BonusActions =
        SaturateInt32(int64_t{SheetCrewActions(int64_t{vehicle.Crew} + vehicle.Perks->Addedcrew())} +
                      vehicle.Perks->AddedActions() + vehicle.Flaws->AddedActions() + vehicle.Defects->AddedActions());

    const MovementList &movement = *vehicle.Movement;
    for (int i = 0; i < movement.Count(); ++i) {
        PrintMovementRow row;
        row.Name = movement.ModeName(i);
        row.TopMP = movement.MP(i);
        row.TopKPH = movement.TopSpeed(i);
        row.CombatMP = movement.CombatMP(i);
        row.CombatKPH = movement.CombatSpeed(i);
        row.StallMP = movement.StallMP(i);
        row.StallKPH = movement.StallSpeed(i);
        row.Maneuver = movement.Maneuver(i);
        job.Movement.Add(row);
    }

    job.DefaultSize = DefaultSize(vehicle);
    job.Deployment = vehicle.Deployment;
    job.IndivDice = IndivLemonDice(vehicle);
    job.TV = ThreatValue(vehicle);
    job.OTV = OTV(vehicle);
    job.DTV = DTV(vehicle);
    job.MTV = MTV(vehicle);

    job.VehicleType = vehicle.VehicleType;
    job.VehicleUse = vehicle.VehicleUse;
    job.Manufacturer = vehicle.Manufacturer;
    job.Height = vehicle.Height;
    job.Length = vehicle.Length;
    job.Width = vehicle.Width;
    job.Weight = vehicle.CombatMass;
    job.EngineType = vehicle.EngineType;
    job.Affiliation = vehicle.Affiliation;
    job.EngineOutput = vehicle.EngineOutput;
    job.ArmorMaterial = vehicle.ArmorMaterial;
    job.ArmorThickness = vehicle.ArmorThickness;

    job.Production = ProductionName(vehicle);
    job.Cost = number::Grouped(static_cast<double>(FinalCost(vehicle)), 2, separators) + " " + vehicle.CurrencyName;

    job.Maneuver = vehicle.Maneuver;
    job.SensorRating = vehicle.SensorRating;
    job.SensorRange = vehicle.SensorRange;
    job.CommRating = vehicle.CommRating;
    job.CommRange = vehicle.CommRange;
    job.FireControl = vehicle.FireControl;

    for (const PrintWeaponRow &row : vehicle.Weapons->BuildPrintList(vehicle.FinalSize))
        job.Weapons.Add(row);
    AddRows(vehicle.Perks->MakePrintRows(separators), job.Perks);
    AddRows(vehicle.Weapons->BuildPerkPrintList(), job.Perks);
    AddRows(vehicle.Flaws->MakePrintRows(separators), job.Flaws);
    AddManeuverFlawRows(movement, job.Flaws);
    AddRows(vehicle.Defects->MakePrintRows(separators), job.Defects);

    job.General = vehicle.Description;
    job.History = vehicle.History;
    job.Extra = vehicle.Extra;
    return job;
}

} // namespace aw
