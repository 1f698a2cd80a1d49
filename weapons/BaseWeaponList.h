#pragma once

#include "weapons/WeaponRecord.h"

#include <cstdint>
#include <vector>

namespace aw {

// A weapon library list (one per library tab): owned copies of weapon records.
class BaseWeaponList {
public:
    int Count() const { return static_cast<int>(m_records.size()); }
    // Record i, or a cleared record when i is out of range.
    WeaponRecord Get(int i) const;
    // Replaces record i, or appends when i is at or past the end.
    void Set(int i, const WeaponRecord &record);
    int Add(const WeaponRecord &record);
    void Delete(int i);
    void Clear() { m_records.clear(); }

    // The sort state: 0 unsorted; +column descending, -column ascending.
    int32_t SortKey() const { return m_sortKey; }
    // Sorts by a column (1 Code, 2 Name, 3 Rating, 4 range, 5 Acc., 6 DMG., 7 ROF, 8 Ammo,
    // 9 Min Size). The same column again reverses the direction. Stable.
    void Sort(int column);

private:
    std::vector<WeaponRecord> m_records;
    int32_t m_sortKey = 0;
};

} // namespace aw
