#pragma once

#include <cstdint>
#include <string>

namespace aw {

// One perk, flaw or defect: the element of the vehicle's three perk lists, of the
// perk/flaw library and of the design file, stored as a fixed 879-byte image.
// A default-constructed record is the cleared record.
struct PerkRecord {
    static constexpr int Size = 879;
    static constexpr int NameCapacity = 32;
    static constexpr int LongTextCapacity = 250;

    std::string PFDName;
    int32_t RoundMode = 0; // worth rounding: 1 round up, 2 truncate, anything else none
    int32_t Arc = 0;       // 0..8, filled into the arc token of the effect text
    bool HasArc = false;
    std::string EffectText;  // game-effect template with tokens
    std::string FormulaText; // the worth rule in words
    bool ShowFormula = false;
    double RatingValue = 0.0;
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    bool ShowRating = false;
    bool ShowX = false;
    bool ShowY = false;
    bool ShowZ = false;
    std::string RatingLabel = "Rating";
    std::string XLabel = "X";
    std::string YLabel = "Y";
    std::string ZLabel = "Z";
    int32_t WorthFormula = 0; // selects the worth formula; 1 marks a custom entry
    int32_t Variant = 0;      // a defect's option, or the formula of the flaw a flaw defect adopted
    bool IsFlaw = false;
    bool Aux = false;
    int32_t EntryId = 0; // library sequence number; no calculation reads it
    int32_t Amount = 1;
    bool HasAmount = false;
    double CostValue = 0.0;
    double OTVValueA = 0.0;
    double OTVValueB = 0.0;
    int32_t TextEditable = 0; // 1: the user may type the effect text
    int32_t OTVValueC = 0;
    int32_t Location = 0;    // 0 "Mov", 1 "Aux", 2 "Crew", 3 "Fi-Con", 4 "Struct"
    int32_t HasLocation = 0; // 1: the location fills the location token
    // Stored and edited modifiers; no calculation reads them.
    int32_t ManeuverMod = 0;
    int32_t ArmorMod = 0;
    int32_t FireControlMod = 0;
    int32_t SensorMod = 0;
    int32_t CommMod = 0;
    int32_t SpeedMod = 0;
    int32_t AddedActionsValue = 0;
    bool RatingIsPeople = false;
    int32_t AddedCrewValue = 0; // -1: the rating, truncated toward zero
    bool OutsideOTV = false;
    bool OffersOutside = false;
    bool InsideOTV = false;
    bool OffersInside = false;
    std::string OutsideLabel;
    std::string InsideLabel;
    int32_t OTVFormula = 0; // 0..11, selects the OTV value

    bool operator==(const PerkRecord &) const = default;
};

// Reads a record from its byte image (PerkRecord::Size bytes at p).
PerkRecord ReadPerkRecord(const uint8_t *p);
// Writes the record's byte image (PerkRecord::Size bytes at p); unused text bytes are 0.
void WritePerkRecord(const PerkRecord &record, uint8_t *p);

} // namespace aw
