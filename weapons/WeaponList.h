#pragma once

#include "weapons/PrintRows.h"
#include "weapons/Weapon.h"

#include <cstdint>
#include <memory>
#include <vector>

class TStream;

// The vehicle's weapon lines. Every weapon's Links has LinkCount() entries; the
// operations below keep it so.
class TWeaponList {
public:
    TWeaponList() = default;
    TWeaponList(const TWeaponList &other);
    TWeaponList &operator=(const TWeaponList &other);
    TWeaponList(TWeaponList &&) noexcept = default;
    TWeaponList &operator=(TWeaponList &&) noexcept = default;

    int Count() const { return static_cast<int>(m_weapons.size()); }
    // Weapon i; throws std::out_of_range unless 0 <= i < Count().
    TWeapon &Get(int i);
    const TWeapon &Get(int i) const;
    void Delete(int i);
    void Exchange(int i, int j);
    void Clear() { m_weapons.clear(); }

    // Appends the weapon after fitting its Links to the list's link count. Returns its index.
    int Add(std::unique_ptr<TWeapon> weapon);
    int Add(const TWeapon &weapon);
    // Mounts a copy of a library or custom record: clip 0 only, no link memberships.
    int AddRecord(const TWeaponRecord &record);

    void AddLink();
    void DeleteLink(int i);
    int LinkCount() const;

    // Totals the threat value and cost take from the weapons.
    int32_t PerkItemCount() const;
    double TotalPerkCost() const;
    double SportingCost() const;
    bool HasMassDestruction() const;
    // The weapons' share of the offensive threat value: every line's rating plus the
    // worth of its clips, with the log lines framing each line.
    double OTVSubtotal(int32_t finalSize) const;

    // Sheet rows: weapon, ammunition and clip rows; and the weapon perk rows.
    // Weapon rows carry the line's rating for a vehicle of final size finalSize.
    std::vector<TPrintWeaponRow> BuildPrintList(int32_t finalSize) const;
    std::vector<TPrintPFDRow> BuildPerkPrintList() const;

    // Replaces the list with the stored one; the link lists are grown to match.
    // Damaged data throws EStreamError and leaves the list unchanged.
    void LoadFromStream(TStream &stream, int fileVersion = kCurrentDesignFileVersion);
    void SaveToStream(TStream &stream) const;

private:
    std::vector<std::unique_ptr<TWeapon>> m_weapons;
};
