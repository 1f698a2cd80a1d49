#pragma once

#include "storage/DesignSummary.h"
#include "storage/Roster.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace aw {

// One roster entry with its design read: what it adds to the force.
struct RosterLine {
    RosterEntry Entry;
    DesignSummary Summary;  // Summary.Error says why a missing or damaged design adds nothing
    double ThreatValue = 0; // the design's TV times the quantity
    long double Cost = 0;   // the design's final cost times the quantity, in Summary.CurrencyName
    bool Readable() const { return Summary.Error.empty(); }
};

// The force's sums. Costs are kept per currency label (Windows-1252) since designs may price
// themselves in different currencies; the labels sort by their bytes.
struct RosterTotals {
    double ThreatValue = 0;
    std::map<std::string, long double> Costs;
    std::optional<double> Budget;
    std::optional<double> Remaining; // budget less the total TV; negative when over budget
    int Unreadable = 0;              // entries whose design is missing or damaged

    bool OverBudget() const { return Remaining && *Remaining < 0; }
};

struct RosterEvaluation {
    std::vector<RosterLine> Lines; // one per entry, in the roster's order, none dropped
    RosterTotals Totals;
};

// The roster's figures from the summaries of its designs, one per entry in order. This is the
// one place the roster's arithmetic is done; the window, the command line and the sheets use it.
RosterEvaluation EvaluateRoster(const Roster &roster, std::vector<DesignSummary> summaries);
// Reads every entry's design (a damaged or missing one is kept with its reason).
RosterEvaluation EvaluateRoster(const Roster &roster);

// The exit code of a roster check: 1 when a design is missing or damaged (it wins, since the
// totals are then incomplete), 3 when the total TV is over the budget, else 0.
int RosterCheckCode(const RosterTotals &totals);

// The files an export of the roster is made from (UTF-8): the roster file, when it has one,
// and each entry's design file. Nothing made from them may replace one of them.
std::vector<std::string> RosterInputFiles(const std::string &rosterFile, const RosterEvaluation &evaluation);

// A threat value or budget as the results area shows it ("1234.5") and a cost with its currency
// label ("12,345.00 Cr"; Windows-1252 like the label).
std::string RosterThreatValueText(double value);
std::string RosterCostText(long double cost, const std::string &currency);

} // namespace aw
