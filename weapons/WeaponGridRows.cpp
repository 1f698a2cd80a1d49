#include "weapons/WeaponGridRows.h"

#include "base/NumberFormat.h"
#include "weapons/WeaponList.h"
#include "weapons/WeaponTexts.h"

namespace {

TWeaponGridRow EmptyRow(char kind, int index, int linkCount)
{
    TWeaponGridRow row(static_cast<size_t>(kWeaponGridColumns + linkCount));
    row[weapongrid::Kind] = std::string(1, kind);
    row[weapongrid::Index] = fmt::Integer(index);
    return row;
}

TWeaponGridRow WeaponRow(const TWeapon &weapon, int index, int linkCount)
{
    const TWeaponRecord &d = weapon.Data;
    TWeaponGridRow row = EmptyRow(weapongrid::Weapon, index, linkCount);
    row[weapongrid::Items] = fmt::Integer(d.NumberOfItems);
    row[weapongrid::Description] = d.Name;
    row[weapongrid::Code] = d.Code;
    row[weapongrid::Arc] = ArcCode(d);
    row[weapongrid::BaseRange] = fmt::Integer(RangeText(d, true).Short);
    row[weapongrid::Accuracy] = fmt::Signed(MountedAccuracy(d));
    row[weapongrid::Damage] = "x" + fmt::Integer(MountedDamage(d));
    row[weapongrid::Ammo] = fmt::General(d.AmmoBaseCost);
    row[weapongrid::ROF] = fmt::Signed(MountedROF(d));
    row[weapongrid::MinSize] = fmt::Integer(weapon.EffectiveMinSize());
    row[weapongrid::Special] = SpecialCodes(d);
    for (int k = 0; k < linkCount; ++k)
        row[static_cast<size_t>(kWeaponGridLinkColumn + k)] = weapon.Links.Get(k) ? "X" : "";
    return row;
}

TWeaponGridRow ClipRow(const TClip &clip, int index, int linkCount)
{
    TWeaponGridRow row = EmptyRow(weapongrid::Clip, index, linkCount);
    row[weapongrid::Code] = "   CLIP";
    row[weapongrid::Ammo] = fmt::Integer(clip.ClipCount);
    row[weapongrid::Special] = clip.Shielded ? "Shielded Ammo Container" : "";
    return row;
}

TWeaponGridRow AmmunitionRow(const TAmmoSection &section, int index, int linkCount)
{
    TWeaponGridRow row = EmptyRow(weapongrid::Ammunition, index, linkCount);
    row[weapongrid::Code] = "   AMMO";
    row[weapongrid::Ammo] = fmt::Integer(section.Amount);
    row[weapongrid::Special] = AmmoCodes(section);
    return row;
}

} // namespace

std::vector<TWeaponGridRow> WeaponGridRows(const TWeaponList &weapons)
{
    const int linkCount = weapons.LinkCount();
    std::vector<TWeaponGridRow> rows;
    for (int w = 0; w < weapons.Count(); ++w) {
        const TWeapon &weapon = weapons.Get(w);
        rows.push_back(WeaponRow(weapon, w, linkCount));
        for (int c = 0; c < weapon.Clips.Count(); ++c) {
            const TClip &clip = weapon.Clips.Get(c);
            // The internal magazine has no row of its own.
            if (c > 0)
                rows.push_back(ClipRow(clip, c, linkCount));
            for (int s = 0; s < clip.SectionCount(); ++s)
                rows.push_back(AmmunitionRow(clip.GetSection(s), s, linkCount));
        }
    }
    return rows;
}
