#pragma once

#include <string>
#include <vector>

class TWeaponList;

// The vehicle weapon grid of the Weapons page: 13 columns plus one per weapon link.
// Column 0 holds the row kind, column 1 the index of the item within its list.
constexpr int kWeaponGridColumns = 13;
constexpr int kWeaponGridLinkColumn = 13; // first link column

namespace weapongrid {
// Columns of the grid.
constexpr int Kind = 0, Index = 1, Items = 2, Description = 3, Code = 4, Arc = 5, BaseRange = 6, Accuracy = 7,
              Damage = 8, Ammo = 9, ROF = 10, MinSize = 11, Special = 12;
// Row kinds (column 0).
constexpr char Weapon = 'W', Clip = 'C', Ammunition = 'A';
} // namespace weapongrid

using TWeaponGridRow = std::vector<std::string>;

// The weapon rows of the grid in order: each weapon's "W" row, the "A" rows of its clip 0,
// then for each spare clip a "C" row followed by that clip's "A" rows. Every row has
// kWeaponGridColumns + LinkCount() cells.
std::vector<TWeaponGridRow> WeaponGridRows(const TWeaponList &weapons);
