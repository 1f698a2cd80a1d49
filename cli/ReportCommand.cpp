// armorwright-cli report: the values of the editor's results area for each design.
#include "base/ControlCharacters.h"
#include "base/Cp1252.h"
#include "cli/CliCommand.h"
#include "cli/LocaleSeparators.h"
#include "storage/DesignReport.h"

#include <iomanip>
#include <iostream>

namespace aw {

using nlohmann::ordered_json;

namespace {

const CommandDescription kDescription{
    "report",
    "the results the editor shows for each design",
    "[--json] [--locale NAME] FILE...",
    "Opens each design as the editor does and prints the values its results area shows:\n"
    "final cost with the currency, TV, OTV, DTV, MTV, final size, default size, default\n"
    "cost, default mass, pre-production cost and the model and individual lemon dice.\n"
    "A file that cannot be read is reported and the others still are; the exit code is 1\n"
    "when any failed.\n\n"
    "  --json         one JSON array: per file its name, the numbers and the texts shown\n"
    "  --locale NAME  thousands and decimal separators of that locale (default \",\" \".\")\n",
    {{{"--json"}, false}, {{"--locale"}, true}}};

int Run(const CliArguments &args)
{
    if (args.Words().empty())
        throw CliUsage("no design file given");
    const NumberSeparators separators = LocaleSeparators(args.Value("--locale"));
    const bool json = args.Has("--json");
    ordered_json reports = ordered_json::array();
    int failed = 0;
    bool first = true;
    for (const std::string &path : args.Words()) {
        const DesignSummary summary = SummarizeDesignFile(path);
        if (!summary.Warning.empty())
            PrintError(kDescription.Name, summary.Warning);
        if (!summary.Error.empty()) {
            ++failed;
            PrintFileError(kDescription.Name, path, summary.Error);
        } else if (!json) {
            // A design's texts are shown, never obeyed by the terminal.
            std::cout << (first ? "" : "\n") << cp1252::ToUtf8(OneLineCp1252Text(summary.Name)) << " ("
                      << OneLineText(path) << ")\n";
            for (const ShownValue &value : ShownValues(summary, separators))
                std::cout << "  " << std::left << std::setw(21) << value.Caption
                          << cp1252::ToUtf8(OneLineCp1252Text(value.Text)) << "\n";
            first = false;
        }
        if (json)
            reports.push_back(DesignReportJson(summary, separators));
    }
    if (json)
        std::cout << reports.dump(2) << "\n";
    return failed ? 1 : 0;
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
