#include "ui/dialogs/ComparedValueText.h"

#include "base/NumberFormat.h"
#include "engine/DesignResults.h"
#include "ui/Cp1252.h"

#include <cstdint>
#include <map>

namespace aw {

namespace {

using Format = std::string (*)(double);

std::string Signed(double value) { return number::Signed(static_cast<int64_t>(value)); }
std::string Grouped1(double value) { return number::Grouped(value, 1); }
std::string Shortest18(double value) { return number::Shortest(value, 18); }
std::string General15(double value) { return number::General(value, 15); }
// The results' own formats (their default separators are the ones shown).
std::string Cost(double value) { return CostText(value); }
std::string Threat(double value) { return ThreatValueText(value); }
std::string Mass(double value) { return DefaultMassText(value); }
std::string PreProduction(double value) { return PreProductionCostText(value); }

// The values whose box or result label differs from the pages' plain whole numbers and
// usual 15 significant digits.
const std::map<std::string, Format> kFormats = {
    {"SensorRating", Signed},
    {"CommRating", Signed},
    {"FireControl", Signed},
    {"Maneuver", Signed},
    {"SensorRange", Grouped1},
    {"CommRange", Grouped1},
    {"CurrencyMultiplier", Shortest18},
    {"results.FinalCost", Cost},
    {"results.ThreatValue", Threat},
    {"results.OTV", Threat},
    {"results.DTV", Threat},
    {"results.MTV", Threat},
    {"results.DefaultMass", Mass},
    {"results.PreProductionCost", PreProduction},
};

} // namespace

QString ComparedValueText(const std::string &path, const std::string &exact)
{
    double value = 0;
    if (!number::ParseReal(exact, value))
        return cp1252::ToQt(exact);
    if (const auto format = kFormats.find(path); format != kFormats.end())
        return cp1252::ToQt(format->second(value));
    // A whole number stays as it is: 15 digits would turn a large cost into an exponent.
    if (exact.find_first_of(".eE") == std::string::npos)
        return cp1252::ToQt(exact);
    return cp1252::ToQt(General15(value));
}

} // namespace aw
