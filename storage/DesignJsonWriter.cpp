#include "storage/DesignJson.h"

#include "base/Cp1252.h"
#include "engine/DesignFields.h"
#include "engine/MovementList.h"
#include "engine/PerkList.h"
#include "storage/Base64.h"
#include "storage/DesignJsonKeys.h"
#include "weapons/WeaponList.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace aw {

using nlohmann::ordered_json;

namespace {

// Writes each visited field into one JSON object under its name.
struct FieldWriter {
    ordered_json &Object;

    void operator()(const char *name, const int32_t &value) { Object[name] = value; }
    void operator()(const char *name, const bool &value) { Object[name] = value; }
    void operator()(const char *name, const double &value)
    {
        if (std::isnan(value))
            Object[name] = designjson::kNaN;
        else if (std::isinf(value))
            Object[name] = value > 0 ? designjson::kInfinity : designjson::kMinusInfinity;
        else
            Object[name] = value;
    }
    void operator()(const char *name, TextField<const std::string> text) { Object[name] = cp1252::ToUtf8(text.Value); }
    void operator()(const char *name, BytesField<const SharedBytes> data)
    {
        Object[name] = base64::Encode(data.Value.Bytes());
    }
    // The ammunition types that are set, by index.
    void operator()(const char *name, const std::array<bool, kAmmoTypeCount> &flags)
    {
        ordered_json indices = ordered_json::array();
        for (int k = 0; k < kAmmoTypeCount; ++k)
            if (flags[static_cast<size_t>(k)])
                indices.push_back(k);
        Object[name] = indices;
    }
};

ordered_json SectionJson(const AmmoSection &section)
{
    ordered_json object = ordered_json::object();
    ForEachAmmoSectionField(section, FieldWriter{object});
    return object;
}

ordered_json PerkListJson(const PerkList &list)
{
    ordered_json entries = ordered_json::array();
    for (int i = 0; i < list.Count(); ++i) {
        const PerkRecord record = list.Get(i);
        ordered_json object = ordered_json::object();
        ForEachPerkField(record, FieldWriter{object});
        entries.push_back(std::move(object));
    }
    return entries;
}

ordered_json WeaponJson(const Weapon &weapon)
{
    ordered_json object = ordered_json::object();
    ForEachWeaponField(weapon.Data, FieldWriter{object});
    object[designjson::kBaseAmmo] = SectionJson(weapon.Data.BaseAmmo);
    ordered_json clips = ordered_json::array();
    for (int c = 0; c < weapon.Clips.Count(); ++c) {
        const Clip &clip = weapon.Clips.Get(c);
        ordered_json sections = ordered_json::array();
        for (int s = 0; s < clip.SectionCount(); ++s)
            sections.push_back(SectionJson(clip.GetSection(s)));
        clips.push_back({{designjson::kClipCount, clip.ClipCount}, {designjson::kSections, std::move(sections)}});
    }
    object[designjson::kClips] = std::move(clips);
    ordered_json links = ordered_json::array();
    for (int l = 0; l < weapon.Links.Count(); ++l)
        links.push_back(weapon.Links.Get(l));
    object[designjson::kLinks] = std::move(links);
    return object;
}

} // namespace

std::string DesignToJson(const BaseVehicle &vehicle)
{
    ordered_json root = ordered_json::object();
    root[designjson::kFormat] = kDesignJsonFormat;
    root[designjson::kVersion] = kDesignJsonVersion;
    ForEachVehicleField(vehicle, FieldWriter{root});

    ordered_json production = ordered_json::object();
    ForEachCustomProductionField(vehicle.CustomProduction, FieldWriter{production});
    root[designjson::kCustomProduction] = std::move(production);

    ordered_json movement = ordered_json::array();
    for (int i = 0; i < vehicle.Movement->Count(); ++i) {
        const MovementRecord record = vehicle.Movement->Get(i);
        ordered_json object = ordered_json::object();
        ForEachMovementField(record, FieldWriter{object});
        movement.push_back(std::move(object));
    }
    root[designjson::kMovement] = std::move(movement);
    root[designjson::kPerks] = PerkListJson(*vehicle.Perks);
    root[designjson::kFlaws] = PerkListJson(*vehicle.Flaws);
    root[designjson::kDefects] = PerkListJson(*vehicle.Defects);

    ordered_json weapons = ordered_json::array();
    for (int i = 0; i < vehicle.Weapons->Count(); ++i)
        weapons.push_back(WeaponJson(vehicle.Weapons->Get(i)));
    root[designjson::kWeapons] = std::move(weapons);

    // Strict UTF-8 is guaranteed: every text went through the Windows-1252 conversion.
    return root.dump(2) + "\n";
}

} // namespace aw
