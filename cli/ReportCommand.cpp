// armorwright-cli report: the values of the editor's results area for each design.
#include "base/ArmorwrightError.h"
#include "base/Cp1252.h"
#include "base/NumberFormat.h"
#include "cli/CliCommand.h"
#include "cli/LocaleSeparators.h"
#include "cli/OpenedDesignFile.h"
#include "engine/DesignOutcome.h"

#include <nlohmann/json.hpp>

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

// One shown value: its name in the JSON, its caption in the editor, its text.
struct ShownValue {
    const char *Name;
    const char *Caption;
    std::string Text;
};

std::vector<ShownValue> ShownValues(const DesignOutcome &outcome, const ResultTexts &texts)
{
    return {{"FinalCost", "Final Cost", texts.FinalCost},
            {"ThreatValue", "TV", texts.ThreatValue},
            {"OTV", "OTV", texts.OTV},
            {"DTV", "DTV", texts.DTV},
            {"MTV", "MTV", texts.MTV},
            {"FinalSize", "Size", texts.FinalSize},
            {"DefaultSize", "Default Size", texts.DefaultSize},
            {"DefaultCost", "Default Cost", texts.DefaultCost},
            {"DefaultMass", "Default Mass", texts.DefaultMass},
            {"PreProductionCost", "Pre-Production Cost", texts.PreProductionCost},
            {"ModelLemonDice", "Model Lemon Dice", number::Integer(outcome.ModelLemonDice)},
            {"IndivLemonDice", "Indiv. Lemon Dice", number::Integer(outcome.IndivLemonDice)}};
}

struct NumberWriter {
    ordered_json &Object;
    void operator()(const char *name, long double value) { Object[name] = static_cast<double>(value); }
    template <typename T> void operator()(const char *name, T value) { Object[name] = value; }
};

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
        ordered_json report = {{"file", cp1252::FileNameToUtf8(path)}};
        try {
            OpenedDesignFile opened = OpenAsEditor(path);
            const Vehicle &vehicle = *opened.Design;
            if (!opened.Warning.empty())
                PrintError(kDescription.Name, opened.Warning);
            const DesignOutcome outcome = DesignOutcomeOf(vehicle, opened.Results);
            const auto values = ShownValues(outcome, FormatResults(opened.Results, vehicle.CurrencyName, separators));
            if (json) {
                report["Name"] = cp1252::ToUtf8(vehicle.Name);
                report["CurrencyName"] = cp1252::ToUtf8(vehicle.CurrencyName);
                ordered_json numbers = ordered_json::object();
                ForEachOutcomeField(outcome, NumberWriter{numbers});
                report["results"] = std::move(numbers);
                ordered_json texts = ordered_json::object();
                for (const ShownValue &value : values)
                    texts[value.Name] = cp1252::ToUtf8(value.Text);
                report["texts"] = std::move(texts);
            } else {
                std::cout << (first ? "" : "\n") << cp1252::ToUtf8(vehicle.Name) << " (" << path << ")\n";
                for (const ShownValue &value : values)
                    std::cout << "  " << std::left << std::setw(21) << value.Caption << cp1252::ToUtf8(value.Text)
                              << "\n";
                first = false;
            }
        } catch (const std::exception &e) {
            ++failed;
            PrintError(kDescription.Name, path + ": " + ErrorUtf8(e));
            report["error"] = ErrorUtf8(e);
        }
        reports.push_back(std::move(report));
    }
    if (json)
        std::cout << reports.dump(2) << "\n";
    return failed ? 1 : 0;
}

const CliRegistration registration{kDescription, Run};

} // namespace

} // namespace aw
