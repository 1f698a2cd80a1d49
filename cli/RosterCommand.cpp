// armorwright-cli roster: a force roster's entries and totals, checked against its budget.
#include "base/ArmorwrightError.h"
#include "base/ControlCharacters.h"
#include "base/Cp1252.h"
#include "base/OutputOverInput.h"
#include "cli/CliCommand.h"
#include "cli/PageSizeOption.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetRenderContext.h"
#include "output/RosterPages.h"
#include "output/RosterSummary.h"
#include "storage/RosterFile.h"

#include <nlohmann/json.hpp>

#include <iostream>

using nlohmann::ordered_json;

namespace aw {

namespace {

const CommandDescription kDescription{
    "roster",
    "a force roster's entries, total TV against its budget and costs",
    "[--json] [--pdf OUT [--page a4|letter]] ROSTER",
    "Reads a roster file and each design it lists (as the editor opens them) and prints the\n"
    "entries with their TV and final cost multiplied by the quantity, the total TV, the budget\n"
    "and what remains of it, and the total cost per currency. A missing or damaged design is\n"
    "listed with the reason and adds nothing.\n"
    "The exit code is 1 when a design is missing or damaged (the totals are then incomplete;\n"
    "this wins over the budget check), 3 when the total TV is over the budget, else 0.\n\n"
    "A roster file is what the editor's roster window saves, a JSON object in UTF-8:\n"
    "  {\"name\": \"Force\", \"budget\": 5000,\n"
    "   \"entries\": [{\"design\": \"tanks/panzer.vkd\", \"quantity\": 2, \"note\": \"HQ\"}]}\n"
    "budget is a TV or null; a design path is absolute or relative to the roster's folder;\n"
    "quantity is 1 to 999.\n\n"
    "  --json     one JSON object: name, budget, entries, totals and remaining (budget and\n"
    "             remaining are null without a budget)\n"
    "  --pdf OUT  also write the roster as a PDF: a summary page, then each design's record\n"
    "             sheet once per copy fielded (OUT is a file, not \"-\")\n"
    "  --page P   page size of the PDF: a4 (default) or letter\n",
    {{{"--json"}, false}, {{"--pdf"}, true}, {{"--page"}, true}}};

ordered_json OptionalNumber(const std::optional<double> &value)
{
    return value ? ordered_json(*value) : ordered_json();
}

ordered_json RosterJson(const Roster &roster, const RosterEvaluation &evaluation, const std::string &folder)
{
    ordered_json entries = ordered_json::array();
    for (const RosterLine &line : evaluation.Lines) {
        ordered_json entry = {{"design", cp1252::FileNameToUtf8(RosterStoredPath(line.Entry.Design, folder))}};
        const bool readable = line.Readable();
        entry["Name"] = readable ? ordered_json(cp1252::ToUtf8(line.Summary.Name)) : ordered_json();
        entry["quantity"] = line.Entry.Quantity;
        entry["note"] = line.Entry.Note;
        entry["ThreatValue"] = readable ? ordered_json(line.ThreatValue) : ordered_json();
        entry["FinalCost"] = readable ? ordered_json(static_cast<double>(line.Cost)) : ordered_json();
        entry["CurrencyName"] = readable ? ordered_json(cp1252::ToUtf8(line.Summary.CurrencyName)) : ordered_json();
        if (!readable)
            entry["error"] = line.Summary.Error;
        entries.push_back(std::move(entry));
    }
    ordered_json costs = ordered_json::object();
    for (const auto &[currency, cost] : evaluation.Totals.Costs)
        costs[cp1252::ToUtf8(currency)] = static_cast<double>(cost);
    return {{"name", roster.Name},
            {"budget", OptionalNumber(roster.Budget)},
            {"entries", std::move(entries)},
            {"totals", {{"ThreatValue", evaluation.Totals.ThreatValue}, {"costs", std::move(costs)}}},
            {"remaining", OptionalNumber(evaluation.Totals.Remaining)}};
}

// The summary as the terminal shows it: control characters of the roster's name, the
// designs' texts and the currency names as spaces, so none of them can steer the terminal.
RosterSummary TerminalText(RosterSummary summary)
{
    summary.Title = OneLineText(std::move(summary.Title));
    for (std::vector<std::string> &row : summary.Rows)
        for (std::string &cell : row)
            cell = OneLineText(std::move(cell));
    for (RosterSummary::Total &total : summary.Totals)
        total.Value = OneLineText(std::move(total.Value));
    return summary;
}

int Run(const CliArguments &args)
{
    if (args.Words().size() != 1)
        throw CliUsage(args.Words().empty() ? "no roster file given" : "give one roster file");
    if (args.Has("--page") && !args.Has("--pdf"))
        throw CliUsage("--page is for --pdf");
    if (IsStandardOutput(args.Value("--pdf")))
        throw CliUsage("a PDF is not written to standard output: give --pdf a file name");
    const QPageSize page = PageSizeNamed(args.Value("--page"));
    const std::string &path = args.Words().front();
    const Roster roster = ReadRosterFile(path);
    const RosterEvaluation evaluation = EvaluateRoster(roster);
    for (const RosterLine &line : evaluation.Lines)
        if (!line.Readable())
            PrintFileError(kDescription.Name, line.Entry.Design, line.Summary.Error);
    const RosterSummary summary = MakeRosterSummary(roster.Name, evaluation);
    if (args.Has("--json"))
        std::cout << RosterJson(roster, evaluation, RosterFolder(path)).dump(2) << "\n";
    else
        std::cout << RosterSummaryText(TerminalText(summary));
    if (args.Has("--pdf")) {
        RefuseOutputOverInput(args.Value("--pdf"), RosterInputFiles(path, evaluation));
        KeepSheetRenderContext();
        RenderRosterToPdf(args.Value("--pdf"), page, summary, evaluation,
                          RosterSheetsOnLayout(CurrentSheetLayout(static_cast<int>(SheetLayoutChoice::Image))));
    }
    return RosterCheckCode(evaluation.Totals);
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
