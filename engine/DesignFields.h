#pragma once

#include "engine/MovementRecord.h"
#include "engine/PerkRecord.h"
#include "engine/Vehicle.h"
#include "weapons/WeaponRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// The named fields of a design and of its records, listed once so that every form that
// walks a design field by field (the JSON form, the comparison) uses the same names and
// misses none. A visitor is called as f(name, field) where field is one of
//   int32_t&, double&, bool&, TextField<S>, BytesField<V>, or the ammunition-type flags
//   std::array<bool, kAmmoTypeCount>&
// (const-qualified when the record is const). Nested records and lists are not visited;
// each caller walks them itself, naming them by the names below.

// A stored text with its width; Capacity 0 means a long text without a width.
template <typename S> struct TextField {
    S &Value;
    int Capacity;
};

// The picture: the bytes of a bitmap file.
template <typename V> struct BytesField {
    V &Value;
};

namespace designfields {

// The names of the nested record and the lists.
inline constexpr const char *kCustomProduction = "CustomProduction";
inline constexpr const char *kMovement = "movement";
inline constexpr const char *kPerks = "perks";
inline constexpr const char *kFlaws = "flaws";
inline constexpr const char *kDefects = "defects";
inline constexpr const char *kWeapons = "weapons";
inline constexpr const char *kBaseAmmo = "BaseAmmo";
inline constexpr const char *kClips = "clips";
inline constexpr const char *kClipCount = "ClipCount";
inline constexpr const char *kShielded = "Shielded"; // held while the design is open, never stored
inline constexpr const char *kSections = "sections";
inline constexpr const char *kLinks = "links";

template <typename S> TextField<S> Text(S &value, int capacity) { return {value, capacity}; }
template <typename V> BytesField<V> Bytes(V &value) { return {value}; }

} // namespace designfields

// The scalar fields of the design in declaration order, except the picture, which comes
// last as by far the largest. Not visited: CustomProduction and the lists.
template <typename R, typename F> void ForEachVehicleField(R &v, F &&f)
{
    using designfields::Text;
    constexpr int w = BaseVehicle::TextCapacity;
    f("Name", Text(v.Name, w));
    f("VehicleType", Text(v.VehicleType, w));
    f("VehicleUse", Text(v.VehicleUse, w));
    f("Height", Text(v.Height, w));
    f("Length", Text(v.Length, w));
    f("Width", Text(v.Width, w));
    f("CombatMass", Text(v.CombatMass, w));
    f("EngineType", Text(v.EngineType, w));
    f("EngineOutput", Text(v.EngineOutput, w));
    f("ArmorMaterial", Text(v.ArmorMaterial, w));
    f("ArmorThickness", Text(v.ArmorThickness, w));
    f("NumberOnField", Text(v.NumberOnField, w));
    f("Manufacturer", Text(v.Manufacturer, w));
    f("Affiliation", Text(v.Affiliation, w));
    f("Availability", v.Availability);
    f("Crew", v.Crew);
    f("Armor", v.Armor);
    f("SensorRating", v.SensorRating);
    f("CommRating", v.CommRating);
    f("FireControl", v.FireControl);
    f("Deployment", v.Deployment);
    f("FinalSize", v.FinalSize);
    f("SizeType", v.SizeType);
    f("Maneuver", v.Maneuver);
    f("ProductionType", v.ProductionType);
    f("SensorRange", v.SensorRange);
    f("CommRange", v.CommRange);
    f("CurrencyMultiplier", v.CurrencyMultiplier);
    f("CurrencyName", Text(v.CurrencyName, BaseVehicle::CurrencyNameCapacity));
    f("Description", Text(v.Description, 0));
    f("History", Text(v.History, 0));
    f("Extra", Text(v.Extra, 0));
    f("FileVersion", v.FileVersion);
    f("Picture", designfields::Bytes(v.Picture));
}

template <typename R, typename F> void ForEachCustomProductionField(R &c, F &&f)
{
    using designfields::Text;
    f("CustomName", Text(c.CustomName, 0));
    f("CustomDefinition", Text(c.CustomDefinition, 0));
    f("CustomModelDice", c.CustomModelDice);
    f("CustomIndivDice", c.CustomIndivDice);
    f("CustomCostMultiplier", c.CustomCostMultiplier);
}

template <typename R, typename F> void ForEachMovementField(R &m, F &&f)
{
    f("ModeName", designfields::Text(m.ModeName, MovementRecord::ModeNameCapacity));
    f("CustomMode", m.CustomMode);
    f("Flight", m.Flight);
    f("CanFly", m.CanFly);
    f("TopSpeed", m.TopSpeed);
    f("StallSpeed", m.StallSpeed);
    f("HasStall", m.HasStall);
    f("Maneuver", m.Maneuver);
    f("LibraryIndex", m.LibraryIndex);
}

template <typename R, typename F> void ForEachPerkField(R &p, F &&f)
{
    using designfields::Text;
    constexpr int n = PerkRecord::NameCapacity;
    constexpr int l = PerkRecord::LongTextCapacity;
    f("PFDName", Text(p.PFDName, n));
    f("RoundMode", p.RoundMode);
    f("Arc", p.Arc);
    f("HasArc", p.HasArc);
    f("EffectText", Text(p.EffectText, l));
    f("FormulaText", Text(p.FormulaText, l));
    f("ShowFormula", p.ShowFormula);
    f("RatingValue", p.RatingValue);
    f("X", p.X);
    f("Y", p.Y);
    f("Z", p.Z);
    f("ShowRating", p.ShowRating);
    f("ShowX", p.ShowX);
    f("ShowY", p.ShowY);
    f("ShowZ", p.ShowZ);
    f("RatingLabel", Text(p.RatingLabel, n));
    f("XLabel", Text(p.XLabel, n));
    f("YLabel", Text(p.YLabel, n));
    f("ZLabel", Text(p.ZLabel, n));
    f("WorthFormula", p.WorthFormula);
    f("Variant", p.Variant);
    f("IsFlaw", p.IsFlaw);
    f("Aux", p.Aux);
    f("EntryId", p.EntryId);
    f("Amount", p.Amount);
    f("HasAmount", p.HasAmount);
    f("CostValue", p.CostValue);
    f("OTVValueA", p.OTVValueA);
    f("OTVValueB", p.OTVValueB);
    f("TextEditable", p.TextEditable);
    f("OTVValueC", p.OTVValueC);
    f("Location", p.Location);
    f("HasLocation", p.HasLocation);
    f("ManeuverMod", p.ManeuverMod);
    f("ArmorMod", p.ArmorMod);
    f("FireControlMod", p.FireControlMod);
    f("SensorMod", p.SensorMod);
    f("CommMod", p.CommMod);
    f("SpeedMod", p.SpeedMod);
    f("AddedActionsValue", p.AddedActionsValue);
    f("RatingIsPeople", p.RatingIsPeople);
    f("AddedCrewValue", p.AddedCrewValue);
    f("OutsideOTV", p.OutsideOTV);
    f("OffersOutside", p.OffersOutside);
    f("InsideOTV", p.InsideOTV);
    f("OffersInside", p.OffersInside);
    f("OutsideLabel", Text(p.OutsideLabel, n));
    f("InsideLabel", Text(p.InsideLabel, n));
    f("OTVFormula", p.OTVFormula);
}

// The weapon record's fields; BaseAmmo is a nested section (ForEachAmmoSectionField).
template <typename R, typename F> void ForEachWeaponField(R &w, F &&f)
{
    using designfields::Text;
    f("Name", Text(w.Name, kWeaponNameCapacity));
    f("Code", Text(w.Code, kWeaponCodeCapacity));
    f("Rating", w.Rating);
    f("BaseRange", w.BaseRange);
    f("MediumBonus", w.MediumBonus);
    f("LongBonus", w.LongBonus);
    f("ExtremeBonus", w.ExtremeBonus);
    f("Damage", w.Damage);
    f("Accuracy", w.Accuracy);
    f("ROF", w.ROF);
    f("MinSize", w.MinSize);
    f("AreaEffect", w.AreaEffect);
    f("MinimumRange", w.MinimumRange);
    f("DamagePerRB", w.DamagePerRB);
    f("AccMod", w.AccMod);
    f("DmgMod", w.DmgMod);
    f("RangeMod", w.RangeMod);
    f("ROFMod", w.ROFMod);
    f("SizeMod", w.SizeMod);
    f("PoorWorkmanship", w.PoorWorkmanship);
    f("WeaponType", w.WeaponType);
    f("Arc", w.Arc);
    f("NumberOfItems", w.NumberOfItems);
    f("AmmoBaseCost", w.AmmoBaseCost);
    f("AntiInf", w.AntiInf);
    f("Guided", w.Guided);
    f("Haywire", w.Haywire);
    f("Incendiary", w.Incendiary);
    f("IndirectFire", w.IndirectFire);
    f("ArmorPiercing", w.ArmorPiercing);
    f("ArmorCrushing", w.ArmorCrushing);
    f("Clumsy", w.Clumsy);
    f("SniperSystem", w.SniperSystem);
    f("Stabilized", w.Stabilized);
    f("Entangle", w.Entangle);
    f("Sporting", w.Sporting);
    f("Disposable", w.Disposable);
}

template <typename R, typename F> void ForEachAmmoSectionField(R &s, F &&f)
{
    f("Amount", s.Amount);
    f("Selected", s.Selected);
    f("Free", s.Free);
    f("Allowed", s.Allowed);
}

} // namespace aw
