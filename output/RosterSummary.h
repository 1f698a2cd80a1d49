#pragma once

#include "storage/RosterEvaluation.h"

#include <cstddef>
#include <string>
#include <vector>

namespace aw {

// What a roster's summary shows, as UTF-8 texts: the text and HTML summaries, the summary page
// of the roster PDF and the roster window's totals are all made from this.
struct RosterSummary {
    std::string Title; // the roster's name
    std::vector<std::string> Headers;
    std::vector<std::vector<std::string>> Rows; // one per entry, cells as Headers
    struct Total {
        std::string Caption;
        std::string Value;
        bool Warning = false; // over budget, or designs that could not be read
    };
    std::vector<Total> Totals;
};

// Columns of RosterSummary::Rows.
enum RosterColumn { kRosterDesign, kRosterFile, kRosterQuantity, kRosterTV, kRosterCost, kRosterNote, kRosterStatus };
// Quantity, TV and cost: set flush right, and never cut short.
inline bool IsRosterNumberColumn(size_t column)
{
    return column == kRosterQuantity || column == kRosterTV || column == kRosterCost;
}

RosterSummary MakeRosterSummary(const std::string &name, const RosterEvaluation &evaluation);

// The summary as plain text, columns aligned.
std::string RosterSummaryText(const RosterSummary &summary);
// The summary as a whole HTML document.
std::string RosterSummaryHtml(const RosterSummary &summary);

} // namespace aw
