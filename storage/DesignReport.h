#pragma once

#include "base/NumberFormat.h"
#include "storage/DesignSummary.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace aw {

// One value of the editor's results area: its name in JSON, its caption in the editor and
// its text (Windows-1252, as the editor shows it).
struct ShownValue {
    const char *Name;
    const char *Caption;
    std::string Text;
};

// The results area of a summarized design in the order the editor shows it.
std::vector<ShownValue> ShownValues(const DesignSummary &summary, NumberSeparators separators = {});

// One design as `armorwright-cli report --json` gives it: "file" (UTF-8) and either "Name",
// "CurrencyName", "results" (the numbers) and "texts" (the shown values), or "error".
nlohmann::ordered_json DesignReportJson(const DesignSummary &summary, NumberSeparators separators = {});

} // namespace aw
