#pragma once

#include "engine/MovementRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

class Stream;

// The vehicle's movement systems: entry 0 is the primary, entry 1 the secondary.
// Lookups at or beyond the end yield 0, empty text or false; setting there appends.
class MovementList {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    MovementRecord Get(int i) const;
    void Set(int i, const MovementRecord &record);
    void Add(const MovementRecord &record) { m_items.push_back(record); }
    void Delete(int i);
    void Exchange(int i, int j);
    void Clear() { m_items.clear(); }

    // Count as signed 32-bit, then each record's 61-byte image.
    void SaveToStream(Stream &stream) const;
    // Clears, reads the count and that many records. A count beyond the bytes that
    // remain throws StreamError before anything is read.
    void LoadFromStream(Stream &stream);

    // Per-system queries.
    std::string ModeName(int i) const;
    bool Flight(int i) const;
    bool CanFly(int i) const;
    bool HasStall(int i) const;
    bool CustomMode(int i) const;
    int32_t Maneuver(int i) const;
    double TopSpeed(int i) const;
    double StallSpeed(int i) const;
    // Speed points: the speed over 30 km/h when flying, 6 km/h otherwise, rounded half to even.
    int32_t MP(int i) const;
    int32_t StallMP(int i) const;
    int32_t CombatMP(int i) const { return MP(i) / 2; }
    double CombatSpeed(int i) const { return TopSpeed(i) / 2; }

    // Whole-list queries of the defensive and miscellaneous threat values.
    double FastestSpeed() const;
    // Stall speed of the first system holding the largest top speed.
    double FastestStall() const;
    // The total of all top speeds except one instance of the largest.
    double SumOfOthers() const;
    bool AnyFlight() const;
    // Twice the sum of the negative maneuver modifiers (0 or negative); writes the log.
    double ManeuverFlawValue() const;

    // The one-line text of the "More" list, e.g. "(10/2 -flt)( -1man) Flight -300kph".
    std::string SummaryText(int i) const;

    bool operator==(const MovementList &) const = default;

private:
    const MovementRecord *ItemAt(int i) const;

    std::vector<MovementRecord> m_items;
};

} // namespace aw
