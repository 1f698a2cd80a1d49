#include "ui/pages/WeaponGridRows.h"

#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "base/NumberFormat.h"
#include "ui/Cp1252.h"
#include "weapons/WeaponList.h"
#include "weapons/WeaponTexts.h"

namespace {

class TRowWriter {
  public:
    explicit TRowWriter(int linkCount) : m_columns(kWeaponGridColumns + linkCount) {}

    // Starts a row of empty cells for an item.
    TWeaponGridRow &Add(const TWeaponGridItem &item)
    {
        m_rows.push_back({item, QStringList()});
        m_rows.back().cells.resize(m_columns);
        return m_rows.back();
    }
    static void Set(TWeaponGridRow &row, int column, const std::string &text)
    {
        row.cells[column] = cp1252::ToQt(text);
    }

    std::vector<TWeaponGridRow> Rows() { return std::move(m_rows); }

  private:
    const int m_columns;
    std::vector<TWeaponGridRow> m_rows;
};

void AddWeapon(TRowWriter &writer, const TWeapon &weapon, int w, int linkCount)
{
    const TWeaponRecord &d = weapon.Data;
    TWeaponGridRow &row = writer.Add({TWeaponGridRowKind::Weapon, w});
    TRowWriter::Set(row, weapongrid::Items, fmt::Integer(d.NumberOfItems));
    TRowWriter::Set(row, weapongrid::Description, d.Name);
    TRowWriter::Set(row, weapongrid::Code, d.Code);
    TRowWriter::Set(row, weapongrid::Arc, ArcCode(d));
    TRowWriter::Set(row, weapongrid::BaseRange, fmt::Integer(RangeText(d, true).Short));
    TRowWriter::Set(row, weapongrid::Accuracy, fmt::Signed(MountedAccuracy(d)));
    TRowWriter::Set(row, weapongrid::Damage, "x" + fmt::Integer(MountedDamage(d)));
    TRowWriter::Set(row, weapongrid::Ammo, fmt::General(d.AmmoBaseCost));
    TRowWriter::Set(row, weapongrid::ROF, fmt::Signed(MountedROF(d)));
    TRowWriter::Set(row, weapongrid::MinSize, fmt::Integer(weapon.EffectiveMinSize()));
    TRowWriter::Set(row, weapongrid::Special, SpecialCodes(d));
    for (int k = 0; k < linkCount; ++k)
        TRowWriter::Set(row, kWeaponGridLinkColumn + k, weapon.Links.Get(k) ? "X" : "");
}

void AddClip(TRowWriter &writer, const TClip &clip, int w, int c)
{
    TWeaponGridRow &row = writer.Add({TWeaponGridRowKind::Clip, w, c});
    TRowWriter::Set(row, weapongrid::Code, "   CLIP");
    TRowWriter::Set(row, weapongrid::Ammo, fmt::Integer(clip.ClipCount));
    TRowWriter::Set(row, weapongrid::Special, clip.Shielded ? "Shielded Ammo Container" : "");
}

void AddAmmunition(TRowWriter &writer, const TAmmoSection &section, int w, int c, int s)
{
    TWeaponGridRow &row = writer.Add({TWeaponGridRowKind::Ammunition, w, c, s});
    TRowWriter::Set(row, weapongrid::Code, "   AMMO");
    TRowWriter::Set(row, weapongrid::Ammo, fmt::Integer(section.Amount));
    TRowWriter::Set(row, weapongrid::Special, AmmoCodes(section));
}

void AddOffensiveEntries(TRowWriter &writer, const TPerkList &list, TPerkKind kind, const char *code)
{
    const TPerkVehicleData data = list.VehicleData();
    for (int i = 0; i < list.Count(); ++i) {
        const TPerkRecord entry = list.Get(i);
        if (!entry.InsideOTV && !entry.OutsideOTV)
            continue;
        TWeaponGridItem item;
        item.kind = TWeaponGridRowKind::OffensiveEntry;
        item.entryKind = kind;
        item.entry = i;
        TWeaponGridRow &row = writer.Add(item);
        TRowWriter::Set(row, weapongrid::Description, DisplayName(entry));
        TRowWriter::Set(row, weapongrid::Code, code);
        TRowWriter::Set(row, weapongrid::Ammo, fmt::Grouped(OTVValue(entry), 1));
        TRowWriter::Set(row, weapongrid::Special, EffectTextFor(entry, data));
    }
}

} // namespace

std::vector<TWeaponGridRow> WeaponGridRows(const TVehicle &vehicle)
{
    const TWeaponList &weapons = *vehicle.Weapons;
    const int linkCount = weapons.LinkCount();
    TRowWriter writer(linkCount);
    for (int w = 0; w < weapons.Count(); ++w) {
        const TWeapon &weapon = weapons.Get(w);
        AddWeapon(writer, weapon, w, linkCount);
        for (int c = 0; c < weapon.Clips.Count(); ++c) {
            const TClip &clip = weapon.Clips.Get(c);
            // The internal magazine has no row of its own.
            if (c > 0)
                AddClip(writer, clip, w, c);
            for (int s = 0; s < clip.SectionCount(); ++s)
                AddAmmunition(writer, clip.GetSection(s), w, c, s);
        }
    }
    AddOffensiveEntries(writer, *vehicle.Perks, TPerkKind::Perk, "PERK");
    AddOffensiveEntries(writer, *vehicle.Flaws, TPerkKind::Flaw, "FLAW");
    AddOffensiveEntries(writer, *vehicle.Defects, TPerkKind::Defect, "DEFECT");
    return writer.Rows();
}
