#pragma once

#include "weapons/PrintRows.h"
#include "weapons/Weapon.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace aw {

class Stream;

// The vehicle's weapon lines. Every weapon's Links has LinkCount() entries; the
// operations below keep it so.
class WeaponList {
public:
    // The most links a design file may hold: far beyond any design the editor can make; a
    // larger claim is damage, and growing every weapon to it could exhaust memory.
    static constexpr int kMaxLinks = 4096;

    WeaponList() = default;
    WeaponList(const WeaponList &other);
    WeaponList &operator=(const WeaponList &other);
    WeaponList(WeaponList &&) noexcept = default;
    WeaponList &operator=(WeaponList &&) noexcept = default;

    int Count() const { return static_cast<int>(m_weapons.size()); }
    // Weapon i; throws std::out_of_range unless 0 <= i < Count().
    Weapon &Get(int i);
    const Weapon &Get(int i) const;
    void Delete(int i);
    void Exchange(int i, int j);
    void Clear() { m_weapons.clear(); }

    // Appends the weapon after fitting its Links to the list's link count. Returns its index.
    int Add(std::unique_ptr<Weapon> weapon);
    int Add(const Weapon &weapon);
    // Mounts a copy of a library or custom record: clip 0 only, no link memberships.
    int AddRecord(const WeaponRecord &record);

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
    std::vector<PrintWeaponRow> BuildPrintList(int32_t finalSize) const;
    std::vector<PrintPFDRow> BuildPerkPrintList() const;

    // Replaces the list with the stored one; the link lists are grown to match.
    // Damaged data throws StreamError and leaves the list unchanged.
    void LoadFromStream(Stream &stream, int fileVersion = kCurrentDesignFileVersion);
    void SaveToStream(Stream &stream) const;

private:
    std::vector<std::unique_ptr<Weapon>> m_weapons;
};

} // namespace aw
