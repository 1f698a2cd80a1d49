#pragma once

#include "base/SharedBytes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace aw {

class MovementList;
class PerkList;
class WeaponList;

// The production settings of a custom production type (ProductionType 7).
struct CustomProductionSettings {
    std::string CustomName;
    std::string CustomDefinition;
    int32_t CustomModelDice = 0; // -1 means none
    int32_t CustomIndivDice = 0;
    double CustomCostMultiplier = 0.0;
};

// The size types a vehicle can have (SizeType).
enum : int32_t {
    SizeTypeNormal = 0,
    SizeTypeCarriage = 1,
    SizeTypeEmplacement = 2,
    SizeTypeDrone = 3,
};

// Everything the user designs: identity and descriptive texts, the ratings that feed
// the threat value, production and currency, the picture and the owned lists.
// Texts are single-byte Windows-1252. The lists are bound to this object, so a design
// is neither copied nor moved; it is created in place (or on the heap) and refilled.
//
// The calculations (ThreatValue.h, SizeAndCost.h) read the design; only the constraint
// pass writes back Armor, FinalSize and Crew. The design body stream is in DesignFile.h.
class BaseVehicle {
public:
    // Widths of the stored text fields; longer texts are cut to these.
    static constexpr int TextCapacity = 250;
    static constexpr int CurrencyNameCapacity = 16;

    BaseVehicle();
    virtual ~BaseVehicle();
    BaseVehicle(const BaseVehicle &) = delete;
    BaseVehicle &operator=(const BaseVehicle &) = delete;

    // Texts of at most TextCapacity characters.
    std::string Name;
    std::string VehicleType;
    std::string VehicleUse;
    std::string Height;
    std::string Length;
    std::string Width;
    std::string CombatMass;
    std::string EngineType;
    std::string EngineOutput;
    std::string ArmorMaterial;
    std::string ArmorThickness;
    std::string NumberOnField;
    std::string Manufacturer;
    std::string Affiliation;

    int32_t Availability = 0;
    int32_t Crew = 0;  // raised by the constraint pass
    int32_t Armor = 0; // raised by the constraint pass
    int32_t SensorRating = 0;
    int32_t CommRating = 0;
    int32_t FireControl = 0; // -5..5 selects the offensive multiplier
    int32_t Deployment = 0;  // km
    int32_t FinalSize = 0;   // corrected by the constraint pass
    int32_t SizeType = SizeTypeNormal;
    int32_t Maneuver = 0;       // -10..10 selects the defensive multiplier
    int32_t ProductionType = 0; // 0..6 standard, 7 custom (ProductionTypes.h)
    CustomProductionSettings CustomProduction;

    // The picture as the bytes of a Windows bitmap file; empty when there is none. Copies of
    // the design (undo steps, the comparison) share these bytes.
    SharedBytes Picture;

    double SensorRange = 0.0; // km
    double CommRange = 0.0;   // km
    double CurrencyMultiplier = 1.0;
    std::string CurrencyName; // at most CurrencyNameCapacity characters

    std::unique_ptr<MovementList> Movement; // entry 0 primary, entry 1 secondary
    std::string Description;
    std::string History;
    std::string Extra;
    std::unique_ptr<PerkList> Perks;
    std::unique_ptr<PerkList> Flaws;
    std::unique_ptr<PerkList> Defects;
    std::unique_ptr<WeaponList> Weapons;

    // The version mark read from the design file (6 or 7); 0 for a new design.
    int32_t FileVersion = 0;
};

// The one current design of the editor.
class Vehicle : public BaseVehicle {
public:
    Vehicle() = default;

    std::string FileName;  // the design file it was loaded from or last saved to; empty when new
    bool Modified = false; // unsaved changes
};

// Cuts a text to a field width (BaseVehicle::TextCapacity or CurrencyNameCapacity).
std::string CutToWidth(const std::string &text, int width);

} // namespace aw
