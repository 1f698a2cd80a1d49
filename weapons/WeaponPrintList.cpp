#include "weapons/WeaponList.h"

#include "base/CalculationLog.h"
#include "base/NumberFormat.h"
#include "weapons/WeaponTexts.h"

namespace {

TPrintWeaponRow AmmoRow(const TAmmoSection &section)
{
    TPrintWeaponRow row;
    row.Code = "AMMO";
    row.Special = AmmoCodes(section);
    row.Ammo = section.Amount;
    return row;
}

// " " + code for one item, " " + count + "x" + code for several.
std::string WeaponMention(const TWeaponRecord &record)
{
    if (record.NumberOfItems == 1)
        return " " + record.Code;
    return " " + fmt::Integer(record.NumberOfItems) + "x" + record.Code;
}

TPrintPFDRow PerkRow(std::string name, std::string effect)
{
    TPrintPFDRow row;
    row.Name = std::move(name);
    row.Effect = std::move(effect);
    row.Aux = 1;
    return row;
}

} // namespace

std::vector<TPrintWeaponRow> TWeaponList::BuildPrintList(int32_t finalSize) const
{
    std::vector<TPrintWeaponRow> rows;
    for (const auto &weapon : m_weapons) {
        const TWeaponRecord &d = weapon->Data;
        const TClip &magazine = weapon->Clips.Get(0);
        const TWeaponRanges ranges = RangeText(d, true);

        TPrintWeaponRow row;
        row.Name = d.Name;
        row.Code = d.Code;
        row.Arc = ArcCode(d);
        row.ShortRange = ranges.Short;
        row.MediumRange = ranges.Medium;
        row.LongRange = ranges.Long;
        row.ExtremeRange = ranges.Extreme;
        row.Accuracy = static_cast<int32_t>(MountedAccuracy(d));
        row.Damage = static_cast<int32_t>(MountedDamage(d));
        row.Quantity = d.NumberOfItems;
        const int64_t rof = MountedROF(d);
        if (rof >= 1)
            row.ROF = "+" + fmt::Integer(rof);
        // The codes of the ammunition actually loaded rather than the weapon's default load.
        TWeaponRecord loaded = d;
        loaded.BaseAmmo = magazine.GetSection(0);
        for (int n = 0; n < weapon->Links.Count(); ++n)
            if (weapon->Links.Get(n))
                row.Special += "L" + fmt::Integer(n + 1) + " ";
        row.Special += SpecialCodes(loaded);
        row.Ammo = magazine.GetSection(0).Amount;
        {
            // Sheet rows add nothing to the calculation log.
            ScopedCalculationLog quiet(nullptr);
            row.Rating = weapon->Rating(finalSize);
        }
        rows.push_back(row);

        for (int s = 1; s < magazine.SectionCount(); ++s)
            rows.push_back(AmmoRow(magazine.GetSection(s)));

        for (int c = 1; c < weapon->Clips.Count(); ++c) {
            const TClip &clip = weapon->Clips.Get(c);
            TPrintWeaponRow clipRow;
            clipRow.Code = "CLIP";
            clipRow.Quantity = clip.ClipCount;
            rows.push_back(clipRow);
            for (int s = 0; s < clip.SectionCount(); ++s)
                rows.push_back(AmmoRow(clip.GetSection(s)));
        }
    }
    return rows;
}

std::vector<TPrintPFDRow> TWeaponList::BuildPerkPrintList() const
{
    std::vector<TPrintPFDRow> rows;

    std::string snipers;
    std::string sporting;
    for (const auto &weapon : m_weapons) {
        if (weapon->Data.SniperSystem)
            snipers += WeaponMention(weapon->Data);
        if (weapon->Data.Sporting)
            sporting += WeaponMention(weapon->Data);
    }
    if (!snipers.empty())
        rows.push_back(PerkRow("Sniper System", "+1 to long and Extreme rolls for" + snipers));
    if (!sporting.empty())
        rows.push_back(PerkRow("Sporting Weapons", "Weapons do no damage - " + sporting));

    for (const auto &weapon : m_weapons) {
        const TWeaponRecord &d = weapon->Data;
        if (!d.Stabilized)
            continue;
        std::string effect;
        if (d.NumberOfItems == 1)
            effect = ("(Must stop and set for one action to use " + d.Code).substr(0, 50);
        else
            effect = "Must stop and set for one action to use " + fmt::Integer(d.NumberOfItems) + "x" + d.Code;
        rows.push_back(PerkRow("Stabilizer Mount", effect));
    }

    for (int n = 0; n < LinkCount(); ++n) {
        std::string effect = "L" + fmt::Integer(n + 1) + ":";
        for (const auto &weapon : m_weapons)
            if (weapon->Links.Get(n))
                effect += WeaponMention(weapon->Data);
        rows.push_back(PerkRow("Weapon Link", effect));
    }
    return rows;
}
