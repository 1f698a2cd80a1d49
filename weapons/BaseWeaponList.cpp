#include "weapons/BaseWeaponList.h"

#include "base/ListIndex.h"

#include <cstdlib>
#include <utility>

namespace aw {

WeaponRecord BaseWeaponList::Get(int i) const { return ListGet(m_records, i); }

void BaseWeaponList::Set(int i, const WeaponRecord &record) { ListSet(m_records, i, record); }

int BaseWeaponList::Add(const WeaponRecord &record)
{
    m_records.push_back(record);
    return Count() - 1;
}

void BaseWeaponList::Delete(int i) { ListDelete(m_records, i); }

namespace {

// -1, 0 or +1 as a compares to b on sort column `column` (1..9); 0 for any other column.
template <typename T> int CompareValues(const T &a, const T &b) { return a < b ? -1 : (b < a ? 1 : 0); }

int CompareOn(int column, const WeaponRecord &a, const WeaponRecord &b)
{
    switch (column) {
    case 1:
        return CompareValues(a.Code, b.Code); // std::string compares bytes unsigned, like the stored texts
    case 2:
        return CompareValues(a.Name, b.Name);
    case 3:
        return CompareValues(a.Rating, b.Rating);
    case 4:
        return CompareValues(a.BaseRange, b.BaseRange);
    case 5:
        return CompareValues(a.Accuracy, b.Accuracy);
    case 6:
        return CompareValues(a.Damage, b.Damage);
    case 7:
        return CompareValues(a.ROF, b.ROF);
    case 8:
        return CompareValues(a.AmmoBaseCost, b.AmmoBaseCost);
    case 9:
        return CompareValues(a.MinSize, b.MinSize);
    default:
        return 0;
    }
}

} // namespace

void BaseWeaponList::Sort(int column)
{
    if (column == std::abs(static_cast<int64_t>(m_sortKey)))
        m_sortKey = -m_sortKey;
    else
        m_sortKey = column;

    const int64_t absoluteKey = std::abs(static_cast<int64_t>(m_sortKey));
    if (absoluteKey < 1 || absoluteKey > 9)
        return;
    const int key = static_cast<int>(absoluteKey);
    // Positive keys sort descending: a pair is out of order when the first is smaller.
    const int outOfOrder = m_sortKey > 0 ? -1 : 1;
    // Bubble sort: adjacent swaps only, equal keys never move, so earlier orders survive ties.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < m_records.size(); ++i) {
            if (CompareOn(key, m_records[i], m_records[i + 1]) == outOfOrder) {
                std::swap(m_records[i], m_records[i + 1]);
                swapped = true;
            }
        }
    }
}

} // namespace aw
