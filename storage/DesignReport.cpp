#include "storage/DesignReport.h"

#include "base/Cp1252.h"

#include <concepts>

namespace aw {

namespace {

struct NumberWriter {
    nlohmann::ordered_json &Object;
    // Zero is 0 whatever its sign, as every text shows it.
    template <std::floating_point Real> void operator()(const char *name, Real value)
    {
        Object[name] = value == 0 ? 0.0 : static_cast<double>(value);
    }
    template <std::integral Integer> void operator()(const char *name, Integer value) { Object[name] = value; }
};

} // namespace

std::vector<ShownValue> ShownValues(const DesignSummary &summary, NumberSeparators separators)
{
    const DesignOutcome &outcome = summary.Outcome;
    const ResultTexts texts = FormatResults(outcome.Results, summary.CurrencyName, separators);
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

nlohmann::ordered_json DesignReportJson(const DesignSummary &summary, NumberSeparators separators)
{
    nlohmann::ordered_json report = {{"file", cp1252::FileNameToUtf8(summary.File.string())}};
    if (!summary.Error.empty()) {
        report["error"] = summary.Error;
        return report;
    }
    report["Name"] = cp1252::ToUtf8(summary.Name);
    report["CurrencyName"] = cp1252::ToUtf8(summary.CurrencyName);
    nlohmann::ordered_json numbers = nlohmann::ordered_json::object();
    ForEachOutcomeField(summary.Outcome, NumberWriter{numbers});
    report["results"] = std::move(numbers);
    nlohmann::ordered_json texts = nlohmann::ordered_json::object();
    for (const ShownValue &value : ShownValues(summary, separators))
        texts[value.Name] = cp1252::ToUtf8(value.Text);
    report["texts"] = std::move(texts);
    return report;
}

} // namespace aw
