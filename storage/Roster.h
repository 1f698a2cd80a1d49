#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aw {

// The most of one design a roster entry fields; keeps a printed roster to a sane page count.
constexpr int kMaxRosterQuantity = 999;

// One line of a force roster: a design file fielded `Quantity` times.
struct RosterEntry {
    std::string Design; // absolute path of the design file
    int Quantity = 1;   // 1 .. kMaxRosterQuantity
    std::string Note;   // callsign, role: free UTF-8 text

    bool operator==(const RosterEntry &) const = default;
};

// A force: designs with quantities, checked against an optional threat-value budget.
// The roster's own texts (name, notes) are UTF-8; they are not design texts.
struct Roster {
    std::string Name;
    std::optional<double> Budget; // total TV allowed; none when unset
    std::vector<RosterEntry> Entries;

    bool operator==(const Roster &) const = default;
};

} // namespace aw
