#include "storage/RosterEvaluation.h"

#include "base/NumberFormat.h"
#include "base/Utf8Path.h"
#include "engine/DesignResults.h"

namespace aw {

RosterEvaluation EvaluateRoster(const Roster &roster, std::vector<DesignSummary> summaries)
{
    RosterEvaluation evaluation;
    RosterTotals &totals = evaluation.Totals;
    for (size_t i = 0; i < roster.Entries.size(); ++i) {
        RosterLine line{roster.Entries[i], i < summaries.size() ? std::move(summaries[i]) : DesignSummary{}};
        if (i >= summaries.size())
            line.Summary.Error = "The design was not read.";
        if (line.Readable()) {
            line.ThreatValue = line.Summary.Outcome.Results.ThreatValue * line.Entry.Quantity;
            line.Cost = line.Summary.Outcome.Results.FinalCost * line.Entry.Quantity;
            totals.ThreatValue += line.ThreatValue;
            totals.Costs[line.Summary.CurrencyName] += line.Cost;
        } else {
            ++totals.Unreadable;
        }
        evaluation.Lines.push_back(std::move(line));
    }
    totals.Budget = roster.Budget;
    if (roster.Budget)
        totals.Remaining = *roster.Budget - totals.ThreatValue;
    return evaluation;
}

RosterEvaluation EvaluateRoster(const Roster &roster)
{
    std::vector<DesignSummary> summaries;
    for (const RosterEntry &entry : roster.Entries)
        summaries.push_back(SummarizeDesignFile(PathFromUtf8(entry.Design)));
    return EvaluateRoster(roster, std::move(summaries));
}

int RosterCheckCode(const RosterTotals &totals)
{
    if (totals.Unreadable > 0)
        return 1;
    return totals.OverBudget() ? 3 : 0;
}

std::string RosterThreatValueText(double value) { return ThreatValueText(value); }

std::string RosterCostText(long double cost, const std::string &currency)
{
    return number::Grouped(static_cast<double>(cost), 2) + " " + currency;
}

std::vector<std::string> RosterInputFiles(const std::string &rosterFile, const RosterEvaluation &evaluation)
{
    std::vector<std::string> inputs;
    if (!rosterFile.empty())
        inputs.push_back(rosterFile);
    for (const RosterLine &line : evaluation.Lines)
        inputs.push_back(Utf8FromPath(line.Summary.File));
    return inputs;
}

} // namespace aw
