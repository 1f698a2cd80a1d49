#pragma once

#include "engine/DesignOutcome.h"

#include <string>
#include <vector>

namespace aw {

class BaseVehicle;

// One value that differs between two designs. Path names it as the JSON form of a design
// does, without the leading "$." ("Armor", "weapons[2].clips[0].sections[1].Amount",
// "results.ThreatValue"); A and B are the two values as text (texts quoted, Windows-1252),
// "(none)" where one list has no such entry.
struct DesignDifference {
    std::string Path;
    std::string A;
    std::string B;

    bool operator==(const DesignDifference &) const = default;
};
using DesignDifferences = std::vector<DesignDifference>;

// One value of two designs side by side, named and written as in DesignDifference; Differs
// is false where both designs hold the same value (a picture is compared by its bytes).
struct DesignComparisonRow {
    std::string Path;
    std::string A;
    std::string B;
    bool Differs = false;

    bool operator==(const DesignComparisonRow &) const = default;
};
using DesignComparison = std::vector<DesignComparisonRow>;

// Every stored field that differs, in field order; lists are compared entry by entry
// (an entry that only one design has is one difference).
DesignDifferences DiffDesignFields(const BaseVehicle &a, const BaseVehicle &b);
// The paths of DiffDesignFields alone. No value is written out, so long texts that differ
// cost no more than telling them apart.
std::vector<std::string> DifferingFieldPaths(const BaseVehicle &a, const BaseVehicle &b);

// Every result that differs, with paths "results.<name>".
DesignDifferences DiffDesignOutcomes(const DesignOutcome &a, const DesignOutcome &b);

// Fields, then results, of two designs as they stand: each design's results are computed
// with the editor's refresh, which may raise Armor, FinalSize and Crew first.
DesignDifferences CompareDesigns(BaseVehicle &a, BaseVehicle &b);

// Every field and every result of two designs side by side, equal or not, in the order of
// CompareDesigns: a list entry both designs have is listed field by field, an entry only one
// has is one row. Each design's results are computed as CompareDesigns does.
DesignComparison CompareDesignsSideBySide(BaseVehicle &a, BaseVehicle &b);

} // namespace aw
