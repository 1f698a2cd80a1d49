#include "tools/datagen/WeaponTable.h"

#include "tools/datagen/AmmoProfiles.h"
#include "tools/datagen/DataGenError.h"
#include "tools/datagen/PipeTable.h"
#include "tools/datagen/SourceText.h"
#include "weapons/WeaponTexts.h"

#include <map>

namespace aw {

namespace {

enum Column {
    Code,
    Name,
    Rating,
    Range,
    Med,
    Long,
    Ext,
    Dmg,
    Acc,
    ROF,
    MinSize,
    AE,
    MR,
    DpRB,
    AmmoCost,
    Rounds,
    Flags,
    Base,
    Free,
    Allowed
};

int WeaponTypeOfCaption(const std::string &caption)
{
    for (int type = 0; type < kCustomWeaponType; ++type) {
        std::string shown = WeaponTypeCaption(type);
        // The stored caption doubles "&" for the tab widget; the table writes it once.
        for (size_t at = shown.find("&&"); at != std::string::npos; at = shown.find("&&", at + 1))
            shown.erase(at, 1);
        if (shown == caption)
            return type;
    }
    return -1;
}

void SetFlags(WeaponRecord &r, const std::string &cell, const std::string &source, int line)
{
    const std::map<std::string, bool WeaponRecord::*> fields = {
        {"AntiInf", &WeaponRecord::AntiInf},
        {"Guided", &WeaponRecord::Guided},
        {"Haywire", &WeaponRecord::Haywire},
        {"Incendiary", &WeaponRecord::Incendiary},
        {"IndirectFire", &WeaponRecord::IndirectFire},
        {"ArmorPiercing", &WeaponRecord::ArmorPiercing},
        {"ArmorCrushing", &WeaponRecord::ArmorCrushing},
        {"Clumsy", &WeaponRecord::Clumsy},
        {"SniperSystem", &WeaponRecord::SniperSystem},
        {"Stabilized", &WeaponRecord::Stabilized},
        {"Entangle", &WeaponRecord::Entangle},
        {"Sporting", &WeaponRecord::Sporting},
        {"Disposable", &WeaponRecord::Disposable},
    };
    if (cell == "-" || cell.empty())
        return;
    for (const std::string &name : sourcetext::SplitTrimmed(cell, ',')) {
        const auto field = fields.find(name);
        if (field == fields.end())
            throw DataGenError(source, line, "\"" + name + "\" is not a weapon flag");
        r.*(field->second) = true;
    }
}

void RequireAllowed(const AmmoFlags &flags, const AmmoFlags &allowed, const char *what, const std::string &source,
                    int line)
{
    for (int k = 0; k < kAmmoTypeCount; ++k) {
        if (flags[static_cast<size_t>(k)] && !allowed[static_cast<size_t>(k)])
            throw DataGenError(source, line,
                               std::string(what) + " ammunition" + AmmoTypeAt(k).Code +
                                   " is not allowed for the weapon");
    }
}

} // namespace

const std::vector<std::string> &WeaponTableColumns()
{
    static const std::vector<std::string> columns = {
        "Code",    "Name", "Rating", "Range", "Med",      "Long",   "Ext",   "Dmg",  "Acc",  "ROF",
        "MinSize", "AE",   "MR",     "DpRB",  "AmmoCost", "Rounds", "Flags", "Base", "Free", "Allowed"};
    return columns;
}

std::vector<WeaponRecord> ReadWeaponTable(const std::string &text, const std::string &source,
                                          const AmmoProfiles &profiles)
{
    const PipeTable table(text, source, WeaponTableColumns());
    std::vector<WeaponRecord> records;
    for (const PipeRow &row : table.Rows()) {
        const auto &c = row.Cells;
        const int line = row.Line;
        auto integer = [&](Column column) { return sourcetext::ToInt(c[column], source, line); };

        WeaponRecord r = DefaultWeaponRecord();
        r.WeaponType = WeaponTypeOfCaption(row.Section);
        if (r.WeaponType < 0)
            throw DataGenError(source, line, "\"[" + row.Section + "]\" is not a library tab");
        sourcetext::RequireStoredText(c[Code], kWeaponCodeCapacity, "code", source, line);
        sourcetext::RequireStoredText(c[Name], kWeaponNameCapacity, "name", source, line);
        if (c[Code].empty() || c[Name].empty())
            throw DataGenError(source, line, "a weapon needs a code and a name");
        r.Code = c[Code];
        r.Name = c[Name];
        r.Rating = integer(Rating);
        r.BaseRange = integer(Range);
        r.MediumBonus = integer(Med);
        r.LongBonus = integer(Long);
        r.ExtremeBonus = integer(Ext);
        r.Damage = integer(Dmg);
        r.Accuracy = integer(Acc);
        r.ROF = integer(ROF);
        r.MinSize = integer(MinSize);
        r.AreaEffect = integer(AE);
        r.MinimumRange = integer(MR);
        r.DamagePerRB = integer(DpRB);
        r.AmmoBaseCost = sourcetext::ToDouble(c[AmmoCost], source, line);
        if (r.Rating < -1 || r.BaseRange < 0 || r.MinSize < 0 || r.AreaEffect < -1 || r.MinimumRange < 0 || r.ROF < 0 ||
            r.AmmoBaseCost < 0.0)
            throw DataGenError(source, line,
                               "a rating, range, size, area effect, rate of fire or ammunition cost "
                               "is out of range");
        SetFlags(r, c[Flags], source, line);

        r.BaseAmmo = ClearAmmoSection();
        r.BaseAmmo.Amount = integer(Rounds);
        r.BaseAmmo.Selected = profiles.Resolve(c[Base], source, line);
        r.BaseAmmo.Free = profiles.Resolve(c[Free], source, line);
        r.BaseAmmo.Allowed = profiles.Resolve(c[Allowed], source, line);
        RequireAllowed(r.BaseAmmo.Selected, r.BaseAmmo.Allowed, "default", source, line);
        RequireAllowed(r.BaseAmmo.Free, r.BaseAmmo.Allowed, "free", source, line);
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace aw
