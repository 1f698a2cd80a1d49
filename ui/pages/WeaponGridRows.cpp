#include "ui/pages/WeaponGridRows.h"

#include "base/NumberFormat.h"
#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "ui/Cp1252.h"
#include "weapons/WeaponList.h"
#include "weapons/WeaponTexts.h"

namespace aw {

namespace {

// A row holds its cells up to the last one with text; those after it read as empty. With
// thousands of link columns, cells kept for every row would take gigabytes.
class RowWriter {
public:
    // Starts a row of empty cells for an item.
    WeaponGridRow &Add(const WeaponGridItem &item)
    {
        m_rows.push_back({item, QStringList()});
        return m_rows.back();
    }
    static void Set(WeaponGridRow &row, int column, const std::string &text)
    {
        if (row.Cells.size() <= column)
            row.Cells.resize(column + 1);
        row.Cells[column] = cp1252::ToQt(text);
    }

    std::vector<WeaponGridRow> Rows() { return std::move(m_rows); }

private:
    std::vector<WeaponGridRow> m_rows;
};

void AddWeapon(RowWriter &writer, const Weapon &weapon, int w, int linkCount)
{
    const WeaponRecord &d = weapon.Data;
    WeaponGridRow &row = writer.Add({WeaponGridRowKind::Weapon, w});
    RowWriter::Set(row, weapongrid::Items, number::Integer(d.NumberOfItems));
    RowWriter::Set(row, weapongrid::Description, d.Name);
    RowWriter::Set(row, weapongrid::Code, d.Code);
    RowWriter::Set(row, weapongrid::Arc, ArcCode(d));
    RowWriter::Set(row, weapongrid::BaseRange, number::Integer(RangeText(d, true).Short));
    RowWriter::Set(row, weapongrid::Accuracy, number::Signed(MountedAccuracy(d)));
    RowWriter::Set(row, weapongrid::Damage, "x" + number::Integer(MountedDamage(d)));
    RowWriter::Set(row, weapongrid::Ammo, number::General(d.AmmoBaseCost));
    RowWriter::Set(row, weapongrid::ROF, number::Signed(MountedROF(d)));
    RowWriter::Set(row, weapongrid::MinSize, number::Integer(weapon.EffectiveMinSize()));
    RowWriter::Set(row, weapongrid::Special, SpecialCodes(d));
    for (int k = 0; k < linkCount; ++k)
        if (weapon.Links.Get(k))
            RowWriter::Set(row, kWeaponGridLinkColumn + k, "X");
}

void AddClip(RowWriter &writer, const Clip &clip, int w, int c)
{
    WeaponGridRow &row = writer.Add({WeaponGridRowKind::Clip, w, c});
    RowWriter::Set(row, weapongrid::Code, "   CLIP");
    RowWriter::Set(row, weapongrid::Ammo, number::Integer(clip.ClipCount));
    RowWriter::Set(row, weapongrid::Special, clip.Shielded ? "Shielded Ammo Container" : "");
}

void AddAmmunition(RowWriter &writer, const AmmoSection &section, int w, int c, int s)
{
    WeaponGridRow &row = writer.Add({WeaponGridRowKind::Ammunition, w, c, s});
    RowWriter::Set(row, weapongrid::Code, "   AMMO");
    RowWriter::Set(row, weapongrid::Ammo, number::Integer(section.Amount));
    RowWriter::Set(row, weapongrid::Special, AmmoCodes(section));
}

void AddOffensiveEntries(RowWriter &writer, const PerkList &list, PerkKind kind, const char *code)
{
    const PerkVehicleData data = list.VehicleData();
    for (int i = 0; i < list.Count(); ++i) {
        const PerkRecord entry = list.Get(i);
        if (!entry.InsideOTV && !entry.OutsideOTV)
            continue;
        WeaponGridItem item;
        item.Kind = WeaponGridRowKind::OffensiveEntry;
        item.EntryKind = kind;
        item.Entry = i;
        WeaponGridRow &row = writer.Add(item);
        RowWriter::Set(row, weapongrid::Description, DisplayName(entry));
        RowWriter::Set(row, weapongrid::Code, code);
        RowWriter::Set(row, weapongrid::Ammo, number::Grouped(OTVValue(entry), 1));
        RowWriter::Set(row, weapongrid::Special, EffectTextFor(entry, data));
    }
}

} // namespace

std::vector<WeaponGridRow> WeaponGridRows(const Vehicle &vehicle)
{
    const WeaponList &weapons = *vehicle.Weapons;
    const int linkCount = weapons.LinkCount();
    RowWriter writer;
    for (int w = 0; w < weapons.Count(); ++w) {
        const Weapon &weapon = weapons.Get(w);
        AddWeapon(writer, weapon, w, linkCount);
        for (int c = 0; c < weapon.Clips.Count(); ++c) {
            const Clip &clip = weapon.Clips.Get(c);
            // The internal magazine has no row of its own.
            if (c > 0)
                AddClip(writer, clip, w, c);
            for (int s = 0; s < clip.SectionCount(); ++s)
                AddAmmunition(writer, clip.GetSection(s), w, c, s);
        }
    }
    AddOffensiveEntries(writer, *vehicle.Perks, PerkKind::Perk, "PERK");
    AddOffensiveEntries(writer, *vehicle.Flaws, PerkKind::Flaw, "FLAW");
    AddOffensiveEntries(writer, *vehicle.Defects, PerkKind::Defect, "DEFECT");
    return writer.Rows();
}

} // namespace aw
