#include "weapons/WeaponList.h"

#include "base/ListIndex.h"
#include "base/Stream.h"

#include <stdexcept>
#include <utility>

namespace aw {

namespace {

// Smallest stored weapon: its record, clip count and link count.
constexpr int64_t kMinStoredWeaponSize = kWeaponRecordSize + 4 + 4;

// Makes a weapon's Links exactly `count` entries: new entries false, surplus removed from the front.
void FitLinks(Weapon &weapon, int count)
{
    while (weapon.Links.Count() < count)
        weapon.Links.Add(false);
    while (weapon.Links.Count() > count)
        weapon.Links.Delete(0);
}

} // namespace

WeaponList::WeaponList(const WeaponList &other)
{
    m_weapons.reserve(other.m_weapons.size());
    for (const auto &weapon : other.m_weapons)
        m_weapons.push_back(std::make_unique<Weapon>(*weapon));
}

WeaponList &WeaponList::operator=(const WeaponList &other)
{
    if (this != &other) {
        WeaponList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Weapon &WeaponList::Get(int i)
{
    if (i < 0 || i >= Count())
        throw std::out_of_range("weapon index out of range");
    return *m_weapons[static_cast<size_t>(i)];
}

const Weapon &WeaponList::Get(int i) const
{
    if (i < 0 || i >= Count())
        throw std::out_of_range("weapon index out of range");
    return *m_weapons[static_cast<size_t>(i)];
}

void WeaponList::Delete(int i) { ListDelete(m_weapons, i); }

void WeaponList::Exchange(int i, int j) { ListExchange(m_weapons, i, j); }

int WeaponList::Add(std::unique_ptr<Weapon> weapon)
{
    if (!weapon)
        weapon = std::make_unique<Weapon>();
    if (!m_weapons.empty())
        FitLinks(*weapon, LinkCount());
    m_weapons.push_back(std::move(weapon));
    return Count() - 1;
}

int WeaponList::Add(const Weapon &weapon) { return Add(std::make_unique<Weapon>(weapon)); }

int WeaponList::AddRecord(const WeaponRecord &record)
{
    auto weapon = std::make_unique<Weapon>(record);
    FitLinks(*weapon, LinkCount());
    m_weapons.push_back(std::move(weapon));
    return Count() - 1;
}

void WeaponList::AddLink()
{
    for (auto &weapon : m_weapons)
        weapon->Links.Add(false);
}

void WeaponList::DeleteLink(int i)
{
    for (auto &weapon : m_weapons)
        if (i >= 0 && weapon->Links.Count() > i)
            weapon->Links.Delete(i);
}

int WeaponList::LinkCount() const { return m_weapons.empty() ? 0 : m_weapons.front()->Links.Count(); }

void WeaponList::LoadFromStream(Stream &stream, int fileVersion)
{
    // Read into a fresh list so damaged data leaves this one as it was.
    WeaponList loaded;
    const int32_t count = stream.ReadInt32();
    if (count > 0) {
        stream.RequireRemaining(static_cast<int64_t>(count) * kMinStoredWeaponSize, "weapon count");
        loaded.m_weapons.reserve(static_cast<size_t>(count));
    }
    for (int32_t i = 0; i < count; ++i) {
        auto weapon = std::make_unique<Weapon>();
        weapon->LoadFromStream(stream, fileVersion);
        if (weapon->Links.Count() > WeaponList::kMaxLinks)
            throw StreamError("Stream read error: a weapon claims more links than any design holds");
        // A weapon stored with more links than the earlier ones grows them all to match.
        while (!loaded.m_weapons.empty() && loaded.LinkCount() < weapon->Links.Count())
            loaded.AddLink();
        loaded.Add(std::move(weapon));
    }
    *this = std::move(loaded);
}

void WeaponList::SaveToStream(Stream &stream) const
{
    stream.WriteInt32(Count());
    for (const auto &weapon : m_weapons)
        weapon->SaveToStream(stream);
}

} // namespace aw
