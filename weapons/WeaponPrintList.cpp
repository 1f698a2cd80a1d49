#include "weapons/WeaponList.h"

#include "base/CalculationLog.h"
#include "base/NumberFormat.h"
#include "weapons/WeaponTexts.h"

namespace aw {

namespace {

PrintWeaponRow AmmoRow(const AmmoSection &section)
{
    PrintWeaponRow row;
    row.Code = "AMMO";
    row.Special = AmmoCodes(section);
    row.Ammo = section.Amount;
    return row;
}

// " " + code for one item, " " + count + "x" + code for several.
std::string WeaponMention(const WeaponRecord &record)
{
    if (record.NumberOfItems == 1)
        return " " + record.Code;
    return " " + number::Integer(record.NumberOfItems) + "x" + record.Code;
}

PrintPFDRow PerkRow(std::string name, std::string effect)
{
    PrintPFDRow row;
    row.Name = std::move(name);
    row.Effect = std::move(effect);
    row.Aux = 1;
    return row;
}

} // namespace

std::vector<PrintWeaponRow> WeaponList::BuildPrintList(int32_t finalSize) const
{
    std::vector<PrintWeaponRow> rows;
    for (const auto &weapon : m_weapons) {
        const WeaponRecord &d = weapon->Data;
        const Clip &magazine = weapon->Clips.Get(0);
        const WeaponRanges ranges = RangeText(d, true);

        PrintWeaponRow row;
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
            row.ROF = "+" + number::Integer(rof);
        // The codes of the ammunition actually loaded rather than the weapon's default load.
        WeaponRecord loaded = d;
        loaded.BaseAmmo = magazine.GetSection(0);
        for (int n = 0; n < weapon->Links.Count(); ++n)
            if (weapon->Links.Get(n))
                row.Special += "L" + number::Integer(n + 1) + " ";
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
            const Clip &clip = weapon->Clips.Get(c);
            PrintWeaponRow clipRow;
            clipRow.Code = "CLIP";
            clipRow.Quantity = clip.ClipCount;
            rows.push_back(clipRow);
            for (int s = 0; s < clip.SectionCount(); ++s)
                rows.push_back(AmmoRow(clip.GetSection(s)));
        }
    }
    return rows;
}

std::vector<PrintPFDRow> WeaponList::BuildPerkPrintList() const
{
    std::vector<PrintPFDRow> rows;

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
        const WeaponRecord &d = weapon->Data;
        if (!d.Stabilized)
            continue;
        std::string effect;
        if (d.NumberOfItems == 1)
            effect = ("(Must stop and set for one action to use " + d.Code).substr(0, 50);
        else
            effect = "Must stop and set for one action to use " + number::Integer(d.NumberOfItems) + "x" + d.Code;
        rows.push_back(PerkRow("Stabilizer Mount", effect));
    }

    for (int n = 0; n < LinkCount(); ++n) {
        std::string effect = "L" + number::Integer(n + 1) + ":";
        for (const auto &weapon : m_weapons)
            if (weapon->Links.Get(n))
                effect += WeaponMention(weapon->Data);
        rows.push_back(PerkRow("Weapon Link", effect));
    }
    return rows;
}

} // namespace aw
