#pragma once

#include "engine/PerkTemplates.h"

#include <QMetaType>
#include <QStringList>

#include <vector>

namespace aw {

class Vehicle;

// The design's weapon grid on the Weapons page: 11 columns plus one per weapon link.
constexpr int kWeaponGridColumns = 11;
constexpr int kWeaponGridLinkColumn = 11; // first link column

namespace weapongrid {
constexpr int Items = 0, Description = 1, Code = 2, Arc = 3, BaseRange = 4, Accuracy = 5, Damage = 6, Ammo = 7, ROF = 8,
              MinSize = 9, Special = 10;
} // namespace weapongrid

enum class WeaponGridRowKind { None, Weapon, Clip, Ammunition, OffensiveEntry };

// What a grid row stands for. Weapon rows have clip 0 and no section; clip rows a clip
// from 1 on; ammunition rows the clip (0 is the internal magazine) and the section.
// Offensive perk, flaw and defect rows name their list and the entry in it.
struct WeaponGridItem {
    WeaponGridRowKind Kind = WeaponGridRowKind::None;
    int Weapon = -1;
    int Clip = 0;
    int Section = -1;
    PerkKind EntryKind = PerkKind::Perk;
    int Entry = -1;

    bool operator==(const WeaponGridItem &) const = default;
};

struct WeaponGridRow {
    WeaponGridItem Item;
    QStringList Cells; // up to the last cell with text: the link columns after it are empty
};

// The rows of the grid in order: each weapon's row, the ammunition rows of its clip 0,
// then for each spare clip its row followed by that clip's ammunition rows; after the
// weapons the perks, flaws and defects that add to the offensive value.
std::vector<WeaponGridRow> WeaponGridRows(const Vehicle &vehicle);

} // namespace aw

Q_DECLARE_METATYPE(aw::WeaponGridItem)
