// armorwright-cli index: one line, row or object per design file under the given paths.
#include "base/ControlCharacters.h"
#include "base/Cp1252.h"
#include "base/NumberFormat.h"
#include "cli/CliCommand.h"
#include "storage/DesignReport.h"
#include "storage/DesignScan.h"

#include <algorithm>
#include <ctime>
#include <iostream>

namespace aw {

namespace {

using nlohmann::ordered_json;

const CommandDescription kDescription{
    "index",
    "a list of every design under files and folders",
    "[--json | --csv] PATH...",
    "Finds every design file (*.vkd) under the given folders, at any depth, and the files\n"
    "given by name, opens each as the editor does and prints one line per design: file,\n"
    "name, vehicle type, TV, OTV, DTV, MTV, final cost with the currency, final size,\n"
    "movement modes and weapon count. A file or folder that cannot be read is reported and\n"
    "the others still are; the exit code is 1 when any failed.\n\n"
    "  --json  one JSON array: per design the keys of report --json and the other columns\n"
    "  --csv   comma-separated values with a header row\n",
    {{{"--json"}, false}, {{"--csv"}, false}}};

// The last change as ISO 8601 UTC, e.g. "2024-05-01T12:30:00Z".
std::string LastChangeText(const DesignSummary &summary)
{
    const std::time_t seconds = static_cast<std::time_t>(LastChangeSeconds(summary));
    std::tm utc{};
    char text[32] = "";
    if (gmtime_r(&seconds, &utc))
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string FileText(const DesignSummary &summary) { return cp1252::FileNameToUtf8(summary.File.string()); }

ordered_json JsonOf(const DesignSummary &summary)
{
    ordered_json object = DesignReportJson(summary);
    if (!summary.Error.empty())
        return object;
    object["VehicleType"] = cp1252::ToUtf8(summary.VehicleType);
    object["MovementModes"] = cp1252::ToUtf8(summary.MovementModes);
    object["WeaponCount"] = summary.WeaponCount;
    object["FileSize"] = summary.FileSize;
    object["LastChange"] = LastChangeText(summary);
    return object;
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void PrintCsvRow(const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        std::cout << (i ? "," : "") << CsvField(fields[i]);
    std::cout << "\r\n";
}

std::vector<std::string> CsvFields(const DesignSummary &summary)
{
    if (!summary.Error.empty())
        return {FileText(summary), "", "", "", "", "", "", "", "", "", "", "", "", summary.Error};
    const DesignResults &results = summary.Outcome.Results;
    return {FileText(summary),
            cp1252::ToUtf8(summary.Name),
            cp1252::ToUtf8(summary.VehicleType),
            ThreatValueText(results.ThreatValue),
            ThreatValueText(results.OTV),
            ThreatValueText(results.DTV),
            ThreatValueText(results.MTV),
            number::Fixed(static_cast<double>(results.FinalCost), 2),
            cp1252::ToUtf8(summary.CurrencyName),
            number::Integer(results.FinalSize),
            cp1252::ToUtf8(summary.MovementModes),
            number::Integer(summary.WeaponCount),
            LastChangeText(summary),
            ""};
}

void PrintLine(const DesignSummary &summary)
{
    const ResultTexts texts = FormatResults(summary.Outcome.Results, summary.CurrencyName);
    std::string line = summary.Name;
    if (!summary.VehicleType.empty())
        line += " (" + summary.VehicleType + ")";
    std::string cost = texts.FinalCost;
    while (!cost.empty() && cost.back() == ' ') // no currency name
        cost.pop_back();
    line += ", TV " + texts.ThreatValue + " (OTV " + texts.OTV + ", DTV " + texts.DTV + ", MTV " + texts.MTV + "), " +
            cost + ", size " + texts.FinalSize;
    if (!summary.MovementModes.empty())
        line += ", " + summary.MovementModes;
    line += ", " + number::Integer(summary.WeaponCount) + (summary.WeaponCount == 1 ? " weapon" : " weapons");
    std::cout << OneLineText(FileText(summary)) << ": " << cp1252::ToUtf8(OneLineCp1252Text(line)) << "\n";
}

int Run(const CliArguments &args)
{
    if (args.Words().empty())
        throw CliUsage("no file or folder given");
    if (args.Has("--json") && args.Has("--csv"))
        throw CliUsage("--json and --csv cannot be given together");
    const std::vector<std::filesystem::path> paths(args.Words().begin(), args.Words().end());
    DesignSummaryCache cache;
    const DesignScanResult scan = SummarizeDesignFiles(FindDesignFiles(paths), cache);
    ordered_json json = ordered_json::array();
    if (args.Has("--csv"))
        PrintCsvRow({"file", "Name", "VehicleType", "ThreatValue", "OTV", "DTV", "MTV", "FinalCost", "CurrencyName",
                     "FinalSize", "MovementModes", "WeaponCount", "LastChange", "error"});
    int failed = 0;
    for (const DesignSummary &summary : scan.Summaries) {
        if (!summary.Error.empty()) {
            ++failed;
            PrintError(kDescription.Name, FileText(summary) + ": " + summary.Error);
        }
        if (!summary.Warning.empty())
            PrintError(kDescription.Name, FileText(summary) + ": " + summary.Warning);
        if (args.Has("--json"))
            json.push_back(JsonOf(summary));
        else if (args.Has("--csv"))
            PrintCsvRow(CsvFields(summary));
        else if (summary.Error.empty())
            PrintLine(summary);
    }
    if (args.Has("--json"))
        std::cout << json.dump(2) << "\n";
    return failed ? 1 : 0;
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
