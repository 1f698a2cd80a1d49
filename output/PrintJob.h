#pragma once

#include "base/NumberFormat.h"
#include "base/SharedBytes.h"
#include "output/PrintMovement.h"
#include "output/PrintPFD.h"
#include "output/PrintWeapon.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

class BaseVehicle;

// A snapshot of every value a sheet shows, taken from a design at the moment of an export.
// Texts are single-byte Windows-1252 as in the design.
struct PrintJob {
    std::string Name;
    int32_t Availability = 0;
    int32_t Armor = 0;
    int32_t Size = 0; // the final size
    int32_t Crew = 0; // crew plus the crew the perk lists add
    int32_t BonusActions = 0;
    int32_t Maneuver = 0;
    int32_t SensorRating = 0;
    int32_t CommRating = 0;
    int32_t FireControl = 0;
    int32_t DefaultSize = 0;
    int32_t Deployment = 0;
    int32_t IndivDice = 0;
    double SensorRange = 0.0;
    double CommRange = 0.0;
    double TV = 0.0;
    double OTV = 0.0;
    double DTV = 0.0;
    double MTV = 0.0;
    std::string VehicleType;
    std::string VehicleUse;
    std::string Manufacturer;
    std::string Height;
    std::string Length;
    std::string Width;
    std::string Weight;
    std::string EngineType;
    std::string EngineOutput;
    std::string ArmorMaterial;
    std::string ArmorThickness;
    std::string Production;
    std::string NumberOnField;
    std::string Affiliation;
    std::string Cost;    // final cost with two decimals and the currency name
    SharedBytes Picture; // the design's picture as bitmap file bytes (shared); empty when none
    PrintMovementList Movement;
    PrintWeaponList Weapons;
    PrintPFDList Perks;
    PrintPFDList Flaws;
    PrintPFDList Defects;
    std::string General;
    std::string History;
    std::string Extra;

    bool operator==(const PrintJob &) const = default;
};

// Fills a new print job from the design. Runs the constraint pass and the threat value and
// cost calculations (which may raise the design's armour, final size and crew, and write the
// calculation log when it is on). The separators format the cost text.
PrintJob MakePrintJob(BaseVehicle &vehicle, NumberSeparators separators = {});

} // namespace aw
