#pragma once

#include "engine/DesignOutcome.h"

#include <string>
#include <vector>

class TBaseVehicle;

// One value that differs between two designs. Path names it as the JSON form of a design
// does, without the leading "$." ("Armor", "weapons[2].clips[0].sections[1].Amount",
// "results.ThreatValue"); A and B are the two values as text (texts quoted, Windows-1252),
// "(none)" where one list has no such entry.
struct TDesignDifference {
    std::string Path;
    std::string A;
    std::string B;

    bool operator==(const TDesignDifference &) const = default;
};
using TDesignDifferences = std::vector<TDesignDifference>;

// Every stored field that differs, in field order; lists are compared entry by entry
// (an entry that only one design has is one difference).
TDesignDifferences DiffDesignFields(const TBaseVehicle &a, const TBaseVehicle &b);

// Every result that differs, with paths "results.<name>".
TDesignDifferences DiffDesignOutcomes(const TDesignOutcome &a, const TDesignOutcome &b);

// Fields, then results, of two designs as they stand: each design's results are computed
// with the editor's refresh, which may raise Armor, FinalSize and Crew first.
TDesignDifferences CompareDesigns(TBaseVehicle &a, TBaseVehicle &b);
